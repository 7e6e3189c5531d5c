#include "app/Startup.h"

#include "SPIBmp/SPIBitmap.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "platform/controls/Application.h"
#include "platform/core/Exceptions.h"

int QuorvelMain()
{
    TSPIBitmapUnit pluginBitmaps;  // before any window: the plug-in search registers under it
    TApplicationScope application;
    application->SetTitle("Quorvel 画像分析");
    application->SetHelpFile("QUORVEL_HELP.HLP");
    // An error while the windows are made (a broken plug-in found by the search) ends the program
    // after its message; the main window is never shown.
    try {
        application->CreateForm(Form1);
        application->CreateForm(Form2);
        application->Run();
    } catch (const Exception&) {
        application->HandleException(std::current_exception());
    } catch (...) {
        // Anything that is not the class library's own exception is shown as one without a text.
        application->ShowException(Exception());
    }
    return 0;
}
