// Edit > Copy and Edit > Paste against the desktop's clipboard, with another program (xclip) on the
// other side. Runs on a real X server (CTest starts it under xvfb-run).
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/qt/QtClipboardService.h"
#include "tests/support/MainWindowFixture.h"

namespace {

class SystemClipboardTest : public MainWindowFixture {
protected:
    // Waits, serving the X server meanwhile, until the clipboard offers an image.
    static bool WaitForClipboardImage()
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            QApplication::processEvents();
            const QMimeData* data = QApplication::clipboard()->mimeData();
            if (data != nullptr && data->hasImage())
                return true;
        }
        return false;
    }

    // A small picture with a different colour in every pixel.
    static QImage TestImage()
    {
        QImage image(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(30 * x, 40 * y, 255 - 20 * x - 10 * y));
        return image;
    }

    TQtClipboardService clipboard;
    TPlatformServicesScope systemClipboard{
        TPlatformServices{&fakes.Dialogs, &fakes.MessageBoxes, &clipboard, &fakes.Shell, &fakes.Host}};
};

}  // namespace

TEST_F(SystemClipboardTest, PngPutOnTheClipboardByAnotherProgramIsPastedIntoBothSlots)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("picture.png");
    const QImage image = TestImage();
    ASSERT_TRUE(image.save(png, "PNG"));
    // xclip keeps serving the selection from a background process once this call returns.
    ASSERT_EQ(QProcess::execute("xclip", {"-selection", "clipboard", "-t", "image/png", "-i", png}), 0);
    ASSERT_TRUE(WaitForClipboardImage());

    EXPECT_EQ(Choose(form->V2), "");

    for (TImage* slot : {form->Image1, form->Image9}) {
        SCOPED_TRACE(slot->Name());
        ASSERT_EQ(slot->Picture()->Width(), image.width());
        ASSERT_EQ(slot->Picture()->Height(), image.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb expected = image.pixel(x, y);
                EXPECT_EQ(PixelOf(slot, x, y), RGB(qRed(expected), qGreen(expected), qBlue(expected)))
                    << x << "," << y;
            }
    }
}

TEST_F(SystemClipboardTest, CopiedPictureIsReadBackByAnotherProgram)
{
    auto bitmap = SolidBitmap(6, 4, RGB(10, 200, 30));
    bitmap->Canvas().SetPixel(2, 1, RGB(250, 5, 120));
    LoadPicture(*bitmap);

    EXPECT_EQ(Choose(form->C1), "");

    QProcess reader;
    reader.start("xclip", {"-selection", "clipboard", "-o", "-t", "image/png"});
    // This process owns the selection now: it must answer xclip's request while xclip waits.
    QElapsedTimer timer;
    timer.start();
    while (reader.state() != QProcess::NotRunning && timer.elapsed() < 5000) {
        QApplication::processEvents();
        reader.waitForFinished(10);
    }
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    QImage readBack;
    ASSERT_TRUE(readBack.loadFromData(reader.readAllStandardOutput(), "PNG"));
    ASSERT_EQ(readBack.width(), 6);
    ASSERT_EQ(readBack.height(), 4);
    EXPECT_EQ(readBack.pixel(0, 0) & 0xFFFFFF, 0x0AC81Eu);
    EXPECT_EQ(readBack.pixel(2, 1) & 0xFFFFFF, 0xFA0578u);
}
