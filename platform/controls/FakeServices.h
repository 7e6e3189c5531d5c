#pragma once
// Scripted stand-ins for every platform service, for tests of the model and of the program.
// TFakeServices installs a whole set for its lifetime:
//   TFakeServices fakes;
//   fakes.Dialogs.ConfirmFile("/tmp/a.bmp");
//   ... run a command ...
//   EXPECT_EQ(fakes.MessageBoxes.Shown.size(), 1u);
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/MemoryClipboard.h"
#include "platform/controls/Services.h"

class TFakeDialogs : public IDialogService {
public:
    // Answers for the next dialogs, used in order; a dialog with no answer left is cancelled.
    void ConfirmFile(const std::string& path, int filterIndex = 0);  // 0 keeps the index
    void CancelFile() { fileAnswers_.push_back(std::nullopt); }
    void ConfirmColor(TColor color) { colorAnswers_.push_back(color); }
    void CancelColor() { colorAnswers_.push_back(std::nullopt); }

    bool ExecuteFileDialog(TFileDialogRequest& request) override;
    bool ExecuteColorDialog(TColorDialogRequest& request) override;

    std::vector<TFileDialogRequest> FileRequests;    // as each dialog was opened
    std::vector<TColorDialogRequest> ColorRequests;

private:
    struct TFileAnswer {
        std::string Path;
        int FilterIndex;
    };
    std::deque<std::optional<TFileAnswer>> fileAnswers_;
    std::deque<std::optional<TColor>> colorAnswers_;
};

struct TShownMessageBox {
    std::string Text;
    std::string Caption;
    std::uint32_t Flags;
};

class TFakeMessageBoxes : public IMessageBoxService {
public:
    int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags) override;

    std::vector<TShownMessageBox> Shown;
    int Answer = IDOK;
};

class TFakeShell : public IShellService {
public:
    std::intptr_t ShellExecute(const TShellExecuteRequest& request) override;

    std::vector<TShellExecuteRequest> Requests;
    std::intptr_t Result = 42;
};

class TFakeApplicationHost : public IApplicationHost {
public:
    // Runs OnRun (the user's session, e.g. a few commands ending with File > Exit) and returns.
    void RunMessageLoop(TApplication& application) override;
    void Quit() override { ++QuitCalls; }
    void FormCreated(TForm& form) override { CreatedForms.push_back(&form); }

    std::function<void(TApplication&)> OnRun;
    int RunCalls = 0;
    int QuitCalls = 0;
    std::vector<TForm*> CreatedForms;
};

class TFakeServices {
public:
    TFakeServices();
    TFakeServices(const TFakeServices&) = delete;
    TFakeServices& operator=(const TFakeServices&) = delete;

    TFakeDialogs Dialogs;
    TFakeMessageBoxes MessageBoxes;
    TMemoryClipboard Clipboard;
    TFakeShell Shell;
    TFakeApplicationHost Host;

private:
    TPlatformServicesScope scope_;  // last: installed after the fakes exist, removed before they go
};
