#pragma once
// A top-level window. Its Width and Height are the client area's size: the frame, caption and menu
// bar are the host's. A form class builds its layout in its constructor between BeginLayout and
// EndLayout, which then runs Loaded on the form and every component it owns, in creation order,
// and finally OnCreate.
#include <cstdint>
#include <functional>

#include "platform/controls/WinControl.h"

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                       poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TBorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl {
    QUORVEL_CLASS_INFO(TForm)
public:
    // Created hidden.
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    std::uint8_t BorderIcons() const { return borderIcons_; }  // or-ed TBorderIcon bits
    void SetBorderIcons(std::uint8_t value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }

    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    TWinControl* ActiveControl() const { return activeControl_; }
    // The host reports focus moves here too; a control outside the form is ignored.
    void SetActiveControl(TWinControl* control);

    // Visible = true: runs OnShow (its errors go to the application's exception display).
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // OnCloseQuery may refuse; then OnClose chooses the action (hide by default). Closing the
    // application's main form ends the application instead.
    void Close();
    bool CloseQuery();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void BeginLayout();
    void EndLayout();
    // Runs OnCreate; an error is shown by the application and creation goes on.
    virtual void DoCreate();
    void VisibleChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DescendantRemoved(TControl* control) override;
    void DescendantFocused(TWinControl* control) override { SetActiveControl(control); }
    TWinControl* FocusedDescendant() const override { return activeControl_; }

private:
    void RunGuarded(const TNotifyEvent& event);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    std::uint8_t borderIcons_ = static_cast<std::uint8_t>(TBorderIcon::biSystemMenu) |
                                static_cast<std::uint8_t>(TBorderIcon::biMinimize) |
                                static_cast<std::uint8_t>(TBorderIcon::biMaximize);
    TPosition position_ = TPosition::poDesigned;
    int pixelsPerInch_ = 96;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
};

// The form a control lies on; nullptr when it is on none.
TForm* GetParentForm(const TControl* control);
