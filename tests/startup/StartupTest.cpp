// The program's start with plug-ins in the Susie folder: their formats reach the picture-format
// registry, and a broken one ends the start with its message before any window shows.
#include <gtest/gtest.h>

#include "SPIBmp/SPIBitmap.h"
#include "app/Startup.h"
#include "platform/controls/Application.h"
#include "platform/controls/FakeServices.h"
#include "platform/graphics/Picture.h"
#include "tests/fixtures/PluginFixtures.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    // Names `plugins` as the Susie folder in a registry file of a configuration folder of our own.
    void UseSusieFolder(const fixtures::TempFolder& plugins)
    {
        config.Write("quorvel/registry/HKEY_CURRENT_USER.reg",
                     "Windows Registry Editor Version 5.00\r\n\r\n"
                     "[HKEY_CURRENT_USER\\Software\\Veltomar\\Susie\\Plug-in]\r\n"
                     "\"Path\"=\"" + plugins.Path() + "\"\r\n");
    }

    fixtures::TempFolder config;
    fixtures::ScopedEnv configHome{"XDG_CONFIG_HOME", config.Path()};
    TFakeServices fakes;
};

}  // namespace

TEST_F(StartupTest, PluginFormatsAreRegisteredUnderThePluginBitmapWhileTheProgramRuns)
{
    fixtures::TempFolder plugins;
    plugins.AddPlugin("qtst");
    UseSusieFolder(plugins);
    TGraphicClass registered = nullptr;
    std::string title, helpFile;
    bool mainWindowShown = false, aboutBoxHidden = false;
    fakes.Host.OnRun = [&](TApplication& application) {
        registered = TPicture::FileFormatClass("QTST");
        title = application.Title();
        helpFile = application.HelpFile();
        // The main window first and shown; the About box made after it, hidden.
        mainWindowShown = application.MainForm() == application.Forms(0) && application.MainForm()->Visible();
        aboutBoxHidden = application.FormCount() == 2 && !application.Forms(1)->Visible();
        application.MainForm()->Close();
    };

    EXPECT_EQ(QuorvelMain(), 0);

    EXPECT_EQ(fakes.Host.RunCalls, 1);
    EXPECT_EQ(registered, TSPIBitmap::StaticGraphicClass());
    EXPECT_EQ(title, "Quorvel 画像分析");
    EXPECT_EQ(helpFile, "QUORVEL_HELP.HLP");
    EXPECT_TRUE(mainWindowShown);
    EXPECT_TRUE(aboutBoxHidden);
    EXPECT_TRUE(fakes.MessageBoxes.Shown.empty());
    // The end of the program withdraws the plug-in formats again.
    EXPECT_EQ(TPicture::FileFormatClass("qtst"), nullptr);
}

TEST_F(StartupTest, BrokenPluginEndsTheStartWithItsMessage)
{
    fixtures::TempFolder plugins;
    const std::string broken = plugins.AddPlugin("in_no_picture");
    UseSusieFolder(plugins);

    EXPECT_EQ(QuorvelMain(), 0);

    EXPECT_EQ(fakes.Host.RunCalls, 0);  // the window never showed
    ASSERT_EQ(fakes.MessageBoxes.Shown.size(), 1u);
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Text, "GetPictureは[" + broken + "]では使えないSusie Plugin APIです");
    EXPECT_EQ(fakes.MessageBoxes.Shown[0].Caption, "Quorvel 画像分析");
}
