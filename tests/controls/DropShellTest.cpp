#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingView.h"
#include "platform/controls/Drop.h"
#include "platform/controls/FakeServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/Shell.h"

namespace {

// A window with a message map for dropped files, as the main window has.
class TDropTarget : public TForm {
public:
    TDropTarget() : TForm(nullptr) {}
    void Dispatch(TMessage& message) override
    {
        if (message.Msg != WM_DROPFILES)
            return TForm::Dispatch(message);
        const HDROP drop = message.WParam;
        count = DragQueryFileCount(drop);
        first = DragQueryFile(drop, 0);
        beyond = DragQueryFile(drop, count);
        if (finish)
            DragFinish(drop);
    }
    std::uint32_t count = 0;
    std::string first = "none";
    std::string beyond = "none";
    bool finish = true;
};

}  // namespace

TEST(Drop, OnlyARegisteredWindowReceivesDropsWithWholePaths)
{
    TDropTarget window;
    TRecordingView view;
    window.SetView(&view);
    window.DropFiles({"/a.bmp"});
    EXPECT_EQ(window.first, "none");
    DragAcceptFiles(window.Handle(), true);
    EXPECT_EQ(view.Count(&window, TViewChange::AcceptFiles), 1);
    const std::string longPath = "/" + std::string(300, 'd') + "/picture.bmp";
    window.DropFiles({longPath, "/second.bmp", "/third.bmp"});
    EXPECT_EQ(window.count, 3u);
    EXPECT_EQ(window.first, longPath);
    EXPECT_EQ(window.beyond, "");
    EXPECT_EQ(LiveDropCount(), 0u);
    window.SetView(nullptr);
}

TEST(Drop, TheHandleIsReleasedEvenWhenTheHandlerDoesNotFinishOrFails)
{
    TDropTarget window;
    DragAcceptFiles(window.Handle(), true);
    window.finish = false;
    window.DropFiles({"/a.bmp"});
    EXPECT_EQ(LiveDropCount(), 0u);
    EXPECT_EQ(DragQueryFileCount(12345), 0u);
    DragFinish(12345);  // unknown handles are ignored
}

TEST(Shell, OpensThroughTheHostsShell)
{
    TFakeServices fakes;
    TForm window(nullptr);
    EXPECT_EQ(ShellExecute(window.Handle(), "Open", "quorvel_help.hlp", "", "", SW_SHOWNORMAL), 42);
    ASSERT_EQ(fakes.Shell.Requests.size(), 1u);
    const TShellExecuteRequest& request = fakes.Shell.Requests[0];
    EXPECT_EQ(request.Parent, &window);
    EXPECT_EQ(request.Verb, "Open");
    EXPECT_EQ(request.File, "quorvel_help.hlp");
    EXPECT_EQ(request.ShowCommand, SW_SHOWNORMAL);
}

TEST(Shell, WithoutAHostNothingOpens)
{
    EXPECT_LE(ShellExecute(nullptr, "Open", "quorvel_help.hlp", "", "", SW_SHOWNORMAL), 32);
}
