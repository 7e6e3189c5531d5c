#pragma once
// The main window made as the program makes it, with scripted services, for tests that drive it as
// a user would: clicks and drags are raw mouse input of the tab sheet (the same path the Qt host
// uses), typing goes through the edit box's typing entry.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Form1.h"
#include "platform/controls/Application.h"
#include "platform/controls/FakeServices.h"

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() { form = application->CreateForm(Form1); }

    // Mouse input on a control, given in the control's own coordinates, delivered through its
    // windowed parent's dispatch.
    void Press(TControl* control, TMouseButton button, int x, int y, TShiftState held = {});
    void Move(TControl* control, TShiftState held, int x, int y);
    void Release(TControl* control, TMouseButton button, int x, int y, TShiftState held = {});
    void Click(TControl* control, TMouseButton button, int x, int y);
    void Type(TEdit* edit, const std::string& text) { edit->UserSetText(text); }
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
};
