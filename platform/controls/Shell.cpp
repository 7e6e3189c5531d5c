#include "platform/controls/Shell.h"

std::intptr_t ShellExecute(HWND parent, const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::string& directory, int showCommand)
{
    TShellExecuteRequest request;
    request.Parent = parent;
    request.Verb = verb;
    request.File = file;
    request.Parameters = parameters;
    request.Directory = directory;
    request.ShowCommand = showCommand;
    return PlatformServices().Shell->ShellExecute(request);
}
