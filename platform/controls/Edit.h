#pragma once
// A one-line text box. OnChange runs synchronously whenever the text changes, whether typed,
// stepped by an associated up-down or set by the program, and never when the text is set to what it
// already holds (nor while the layout loads). MaxLength limits typing only: the program may set a
// longer text.
#include <cstdint>
#include <string>

#include "platform/controls/WinControl.h"

class TUpDown;

class TEdit : public TWinControl {
    QUORVEL_CLASS_INFO(TEdit)
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }  // 0: no limit
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }

    // The user's typing, as the host's editor reports it: the whole text after the edit. The
    // MaxLength limit is applied to what was inserted; a read-only or disabled box refuses it.
    // Returns the text the box holds afterwards, for the host to show if it differs.
    const std::string& UserSetText(const std::string& typed);
    // A key pressed in the box: runs OnKeyDown (which may swallow the key by setting it to 0); Up
    // and Down then step the associated up-down. True when the model used the key.
    bool KeyDown(std::uint16_t key, TShiftState shift);

    // The up-down whose associate this box is; nullptr when none.
    TUpDown* UpDown() const { return upDown_; }

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;

protected:
    void TextChanged() override;
    virtual void Change();
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TUpDown;

    TUpDown* upDown_ = nullptr;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool autoSize_ = true;
};
