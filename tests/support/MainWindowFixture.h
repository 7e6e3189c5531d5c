#pragma once
// The main window made as the program makes it, with scripted services, for tests that drive it as
// a user would: clicks and drags are raw mouse input of the tab sheet (the same path the Qt host
// uses), typing goes through the edit box's typing entry.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "app/Form2.h"
#include "platform/controls/Application.h"
#include "platform/controls/FakeServices.h"

class MainWindowFixture : public ::testing::Test {
protected:
    // The plug-in search reads the registry stand-in under XDG_CONFIG_HOME: the tests point it at a
    // folder of their own, so a developer's settings never leak in.
    MainWindowFixture()
    {
        IsolateConfiguration();
        application->SetTitle("Quorvel 画像分析");
        form = application->CreateForm(Form1);
        aboutBox = application->CreateForm(Form2);
    }

    static void IsolateConfiguration();

    // Mouse input on a control, given in the control's own coordinates, delivered through its
    // windowed parent's dispatch.
    void Press(TControl* control, TMouseButton button, int x, int y, TShiftState held = {});
    void Move(TControl* control, TShiftState held, int x, int y);
    void Release(TControl* control, TMouseButton button, int x, int y, TShiftState held = {});
    void Click(TControl* control, TMouseButton button, int x, int y);
    void Type(TEdit* edit, const std::string& text) { edit->UserSetText(text); }
    // Runs action as the message loop runs a handler: an error it raises is shown in a message box.
    // Returns the text shown, empty when the action raised nothing.
    std::string RunHandler(const std::function<void()>& action);
    // The user chooses a menu item.
    std::string Choose(TMenuItem* item) { return RunHandler([item] { item->Click(); }); }
    // Files dropped on the main window by the host (the window must have registered for drops).
    std::string Drop(const std::vector<std::string>& paths) { return RunHandler([&] { form->DropFiles(paths); }); }
    // Shows the tab that holds control, so its controls take the mouse.
    void ShowTabOf(TControl* control);

    // The colour of a pixel of an image slot's bitmap (0xFFFFFFFF outside, or when it has none).
    static TColor PixelOf(TImage* image, int x, int y);
    static bool IsEmptySlot(TImage* image) { return image->Picture()->Graphic() == nullptr; }
    // Loads a picture built in memory into both source images, as File > Open would.
    void LoadPicture(const TBitmap& bitmap);
    // A 24-bit bitmap of the given size filled with one colour.
    static std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor color);

    TFakeServices fakes;
    TApplicationScope application;
    TForm1* form = nullptr;
    TForm2* aboutBox = nullptr;
};
