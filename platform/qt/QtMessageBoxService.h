#pragma once
// Message boxes as QMessageBox: the caption, the text, the buttons and the icon the flags ask for.
#include "platform/controls/Services.h"

class TQtMessageBoxService : public IMessageBoxService {
public:
    int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags) override;
};
