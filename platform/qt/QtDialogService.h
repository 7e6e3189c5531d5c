#pragma once
// The common dialogs as Qt dialogs: Qt's own file dialog (the same everywhere, no desktop portal),
// which never asks before replacing a file unless the request says so, and QColorDialog.
#include "platform/controls/Services.h"

class TQtDialogService : public IDialogService {
public:
    bool ExecuteFileDialog(TFileDialogRequest& request) override;
    bool ExecuteColorDialog(TColorDialogRequest& request) override;
};
