#include "platform/controls/FakeServices.h"

void TFakeDialogs::ConfirmFile(const std::string& path, int filterIndex)
{
    fileAnswers_.push_back(TFileAnswer{path, filterIndex});
}

bool TFakeDialogs::ExecuteFileDialog(TFileDialogRequest& request)
{
    FileRequests.push_back(request);
    if (fileAnswers_.empty())
        return false;
    const auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (!answer)
        return false;
    request.FileName = answer->Path;
    if (answer->FilterIndex > 0)
        request.FilterIndex = answer->FilterIndex;
    return true;
}

bool TFakeDialogs::ExecuteColorDialog(TColorDialogRequest& request)
{
    ColorRequests.push_back(request);
    if (colorAnswers_.empty())
        return false;
    const auto answer = colorAnswers_.front();
    colorAnswers_.pop_front();
    if (!answer)
        return false;
    request.Color = *answer;
    return true;
}

int TFakeMessageBoxes::MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags)
{
    Shown.push_back({text, caption, flags});
    return Answer;
}

std::intptr_t TFakeShell::ShellExecute(const TShellExecuteRequest& request)
{
    Requests.push_back(request);
    return Result;
}

void TFakeApplicationHost::RunMessageLoop(TApplication& application)
{
    ++RunCalls;
    if (OnRun)
        OnRun(application);
}

TFakeServices::TFakeServices() : scope_(TPlatformServices{&Dialogs, &MessageBoxes, &Clipboard, &Shell, &Host})
{
}
