// A file dropped from the desktop on the real main window loads into both source images.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "tests/qt/QtWindowFixture.h"

using MainWindowDropTest = QtWindowFixture;

TEST_F(MainWindowDropTest, DroppedBitmapFileLoadsIntoBothSources)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("dropped.bmp").toStdString();
    auto bitmap = SolidBitmap(5, 3, RGB(12, 34, 56));
    bitmap->SaveToFile(path);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    ASSERT_TRUE(enter.isAccepted());  // showing the window registered it for drops
    QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    Settle();

    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
    for (TImage* slot : {form->Image1, form->Image9}) {
        EXPECT_EQ(slot->Picture()->Width(), 5) << slot->Name();
        EXPECT_EQ(PixelOf(slot, 4, 2), RGB(12, 34, 56)) << slot->Name();
    }
    EXPECT_TRUE(IsEmptySlot(form->Image2));
    EXPECT_TRUE(IsEmptySlot(form->Image4));
}
