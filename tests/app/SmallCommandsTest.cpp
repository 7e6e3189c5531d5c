// The scan-line colour, help, the About box and exit.
#include "tests/app/AppTestSupport.h"

using SmallCommandsTest = AppTest;

TEST_F(SmallCommandsTest, TheColourDialogStartsFromTheColourAndKeepsItWhenCancelled)
{
    fakes.Dialogs.ConfirmColor(clRed);
    EXPECT_EQ(Choose(form->N5), "");
    EXPECT_EQ(form->ColorDialog1->Color, clRed);
    EXPECT_EQ(fakes.Dialogs.ColorRequests.at(0).Color, clYellow);

    fakes.Dialogs.CancelColor();
    EXPECT_EQ(Choose(form->N5), "");
    EXPECT_EQ(form->ColorDialog1->Color, clRed);
    EXPECT_EQ(fakes.Dialogs.ColorRequests.at(1).Color, clRed);

    // The new colour draws the next scan line.
    LoadPicture(*SolidBitmap(320, 240, clGray));
    ShowTabOf(form->Image5);
    Click(form->Image5, TMouseButton::mbLeft, 5, 7);
    EXPECT_EQ(PixelOf(form->Image3, 100, 7), clRed);
}

TEST_F(SmallCommandsTest, HelpAsksTheShellToOpenTheHelpFileAndReportsNothing)
{
    fakes.Shell.Result = SE_ERR_FNF;  // no such file

    EXPECT_EQ(Choose(form->Quorvel1), "");

    ASSERT_EQ(fakes.Shell.Requests.size(), 1u);
    const TShellExecuteRequest& request = fakes.Shell.Requests[0];
    EXPECT_EQ(request.Parent, form);
    EXPECT_EQ(request.Verb, "Open");
    EXPECT_EQ(request.File, "quorvel_help.hlp");
    EXPECT_EQ(request.Parameters, "");
    EXPECT_EQ(request.Directory, "");
    EXPECT_EQ(request.ShowCommand, SW_SHOWNORMAL);
}

TEST_F(SmallCommandsTest, AboutShowsOneBoxWithoutBlockingAndOkHidesIt)
{
    EXPECT_FALSE(aboutBox->Visible());
    EXPECT_EQ(aboutBox->Caption(), "バージョン情報");
    const int forms = application->FormCount();

    EXPECT_EQ(Choose(form->A1), "");
    EXPECT_EQ(Choose(form->A1), "");

    EXPECT_TRUE(aboutBox->Visible());
    EXPECT_EQ(application->FormCount(), forms);
    EXPECT_EQ(aboutBox->Button1->Caption(), "OK");

    aboutBox->Button1->Click();
    EXPECT_FALSE(aboutBox->Visible());
    EXPECT_FALSE(application->Terminated());

    EXPECT_EQ(Choose(form->A1), "");
    EXPECT_TRUE(aboutBox->Visible());
}

TEST_F(SmallCommandsTest, ExitClosesTheMainWindowAndEndsTheProgram)
{
    EXPECT_EQ(Choose(form->X1), "");
    EXPECT_TRUE(application->Terminated());
}
