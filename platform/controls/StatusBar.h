#pragma once
// The status bar. In simple mode it shows one text, SimpleText.
#include <string>

#include "platform/controls/WinControl.h"

class TStatusBar : public TWinControl {
    QUORVEL_CLASS_INFO(TStatusBar)
public:
    explicit TStatusBar(TComponent* owner);

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& value);
    // The system's status-bar font rather than the parent's.
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool value) { useSystemFont_ = value; }

private:
    bool simplePanel_ = false;
    bool useSystemFont_ = true;
    std::string simpleText_;
};
