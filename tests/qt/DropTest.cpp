// Files dropped on a window that accepts them reach the form's message map whole; other windows
// and other drags are left alone.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "platform/controls/Application.h"
#include "platform/controls/Drop.h"
#include "platform/controls/FakeServices.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtApplicationHost.h"

#include <gtest/gtest.h>

namespace {

// A form that records the files of every drop its message map receives.
class DropTargetForm : public TForm {
public:
    explicit DropTargetForm(TComponent* owner) : TForm(owner)
    {
        BeginLayout();
        SetClientWidth(200);
        SetClientHeight(100);
        EndLayout();
    }
    void Dispatch(TMessage& message) override
    {
        if (message.Msg != WM_DROPFILES) {
            TForm::Dispatch(message);
            return;
        }
        std::vector<std::string>& files = Drops.emplace_back();
        const auto drop = static_cast<HDROP>(message.WParam);
        for (std::uint32_t i = 0; i < DragQueryFileCount(drop); ++i)
            files.push_back(DragQueryFile(drop, i));
    }
    std::vector<std::vector<std::string>> Drops;
};

class DropTest : public ::testing::Test {
protected:
    DropTest()
    {
        application->CreateForm(form);
        window = TQtFormWindow::Find(form);
        form->Show();
    }

    void Drop(const QList<QUrl>& urls)
    {
        // As the desktop delivers it: the drag enters (and is accepted or not), then drops.
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        if (!enter.isAccepted())
            return;
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &drop);
    }

    TFakeServices fakes;
    TQtApplicationHost host;
    TPlatformServicesScope scope{TPlatformServices{nullptr, &fakes.MessageBoxes, nullptr, nullptr, &host}};
    TApplicationScope application;
    DropTargetForm* form = nullptr;
    TQtFormWindow* window = nullptr;
};

TEST_F(DropTest, LocalFilesArriveWholeAndInOrder)
{
    DragAcceptFiles(form, true);
    EXPECT_TRUE(window->acceptDrops());
    const std::string longName = "/tmp/" + std::string(300, 'a') + ".bmp";
    Drop({QUrl::fromLocalFile(QString::fromStdString(longName)), QUrl("https://example.org/x.bmp"),
          QUrl::fromLocalFile(QString::fromUtf8("/tmp/画像 1.bmp"))});
    ASSERT_EQ(form->Drops.size(), 1u);
    EXPECT_EQ(form->Drops[0], (std::vector<std::string>{longName, "/tmp/画像 1.bmp"}));
    EXPECT_EQ(LiveDropCount(), 0u);
}

TEST_F(DropTest, AWindowThatDoesNotAcceptDropsGetsNothing)
{
    EXPECT_FALSE(window->acceptDrops());
    Drop({QUrl::fromLocalFile("/tmp/a.bmp")});
    EXPECT_TRUE(form->Drops.empty());

    DragAcceptFiles(form, true);
    Drop({QUrl("https://example.org/only-remote.bmp")});
    EXPECT_TRUE(form->Drops.empty());
}

TEST_F(DropTest, OnlyFilesOfThisMachineArrive)
{
    DragAcceptFiles(form, true);
    // Another host's file would otherwise read as the local path "//elsewhere/…".
    Drop({QUrl("file://elsewhere/tmp/remote.bmp"), QUrl("file://localhost/tmp/here.bmp"), QUrl("file:relative.bmp"),
          QUrl("file:")});
    ASSERT_EQ(form->Drops.size(), 1u);
    EXPECT_EQ(form->Drops[0], (std::vector<std::string>{"/tmp/here.bmp"}));
}

}  // namespace
