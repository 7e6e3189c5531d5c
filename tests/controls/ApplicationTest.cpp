#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/Edit.h"
#include "platform/controls/FakeServices.h"
#include "platform/controls/HostInput.h"
#include "platform/core/Exceptions.h"

namespace {

class ApplicationObject : public ::testing::Test {
protected:
    ApplicationObject() { app->SetTitle("Quorvel 画像分析"); }
    TFakeServices fakes;
    TApplicationScope app;
};

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner) : TForm(owner)
    {
        BeginLayout();
        Box = new TEdit(this);
        Box->SetParent(this);
        OnCreate = [this](TObject*) {
            Box->SetText("created");
            throw Exception("作成時のエラー");
        };
        OnShow = [this](TObject*) { ++shows; };
        EndLayout();
    }
    TEdit* Box;
    int shows = 0;
};

}  // namespace

TEST_F(ApplicationObject, ErrorsAreShownCaptionedWithTheTitleExceptTheSilentOne)
{
    const bool ok = app->Guard([] { throw EConvertError("'x' は整数ではありません"); });
    EXPECT_FALSE(ok);
    app->Guard([] { throw EAbort("never shown"); });
    app->Guard([] { throw std::runtime_error("plain error"); });
    app->Guard([] { throw 42; });
    EXPECT_TRUE(app->Guard([] {}));
    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 3u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Text, "'x' は整数ではありません");
    EXPECT_EQ(fakes.MessageBoxes.Shown[1].Text, "plain error");
    EXPECT_EQ(fakes.MessageBoxes.Shown[2].Text, "");
    for (const TShownMessageBox& box : fakes.MessageBoxes.Shown) {
        EXPECT_EQ(box.Caption, "Quorvel 画像分析");
        EXPECT_EQ(box.Flags, MB_OK | MB_ICONSTOP);
    }
}

TEST_F(ApplicationObject, OnExceptionTakesOverTheDisplay)
{
    std::vector<std::string> seen;
    app->OnException = [&](TObject*, Exception* e) {
        seen.push_back(e->Message);
        throw std::runtime_error("the handler fails too");  // must not escape
    };
    app->Guard([] { throw EInvalidGraphic("bad"); });
    app->Guard([] { throw EAbort(); });
    EXPECT_EQ(seen, (std::vector<std::string>{"bad"}));
    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
}

TEST_F(ApplicationObject, TheFirstFormIsTheMainFormAndFormsAreFreedNewestFirst)
{
    TMainForm* form1 = nullptr;
    TForm* form2 = nullptr;
    app->CreateForm(form1);
    app->CreateForm(form2);
    EXPECT_EQ(app->MainForm(), form1);
    EXPECT_EQ(app->FormCount(), 2);
    EXPECT_EQ(app->Forms(1), form2);
    EXPECT_EQ(fakes.Host.CreatedForms, (std::vector<TForm*>{form1, form2}));
    // The OnCreate error was shown and the form was built all the same.
    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 1u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Text, "作成時のエラー");
    EXPECT_EQ(form1->Box->Text(), "created");
    EXPECT_FALSE(form1->Visible());
    delete form1;
    EXPECT_EQ(app->MainForm(), nullptr);
}

TEST_F(ApplicationObject, RunShowsTheMainFormAndClosingItEndsTheLoop)
{
    TMainForm* form1 = nullptr;
    TForm* form2 = nullptr;
    app->CreateForm(form1);
    app->CreateForm(form2);
    fakes.Host.OnRun = [&](TApplication& running) {
        EXPECT_TRUE(running.Running());
        EXPECT_TRUE(form1->Visible());
        form2->Show();
        HostClose(*form2);  // another form only hides
        EXPECT_FALSE(form2->Visible());
        EXPECT_FALSE(running.Terminated());
        HostClose(*form1);
    };
    app->Run();
    EXPECT_EQ(form1->shows, 1);
    EXPECT_EQ(fakes.Host.RunCalls, 1);
    EXPECT_EQ(fakes.Host.QuitCalls, 1);
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(app->Running());
    app->Run();  // once terminated it returns at once
    EXPECT_EQ(fakes.Host.RunCalls, 1);
}

TEST_F(ApplicationObject, CloseQueryAndCloseActionDecide)
{
    TForm* main = nullptr;
    app->CreateForm(main);
    main->Show();
    bool allow = false;
    main->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    main->Close();
    EXPECT_FALSE(app->Terminated());
    allow = true;
    main->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caNone; };
    main->Close();
    EXPECT_FALSE(app->Terminated());
    main->OnClose = nullptr;
    main->Close();
    EXPECT_TRUE(app->Terminated());
}

TEST_F(ApplicationObject, HostInputRunsUnderTheGuard)
{
    TForm* form = nullptr;
    app->CreateForm(form);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->OnChange = [](TObject*) { throw EConvertError("'a' は整数ではありません"); };
    EXPECT_EQ(HostTyped(*edit, "a"), "a");  // the text stays; the error is shown
    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 1u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Text, "'a' は整数ではありません");
}

TEST(Application, ScopesPutThePreviousApplicationBack)
{
    TApplication* before = Application;
    {
        TApplicationScope scope;
        EXPECT_EQ(Application, &*scope);
        TForm* form = nullptr;
        scope->CreateForm(form);
    }
    EXPECT_EQ(Application, before);
}
