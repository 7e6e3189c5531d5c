#pragma once
// A push button. The host calls Click when the user presses it.
#include "platform/controls/WinControl.h"

class TButton : public TWinControl {
    QUORVEL_CLASS_INFO(TButton)
public:
    explicit TButton(TComponent* owner);

    // Enter presses the default button of the window; Escape the cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value);

    // Runs OnClick when the button is enabled.
    void Click() override;

private:
    bool default_ = false;
    bool cancel_ = false;
};
