#include "platform/controls/Services.h"

#include <cstdio>

#include "platform/controls/MemoryClipboard.h"

namespace {

class TNoDialogs : public IDialogService {
public:
    bool ExecuteFileDialog(TFileDialogRequest&) override { return false; }
    bool ExecuteColorDialog(TColorDialogRequest&) override { return false; }
};

class TStandardErrorMessageBoxes : public IMessageBoxService {
public:
    int MessageBox(const std::string& text, const std::string& caption, std::uint32_t) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return IDOK;
    }
};

class TNoShell : public IShellService {
public:
    std::intptr_t ShellExecute(const TShellExecuteRequest&) override { return SE_ERR_NOASSOC; }
};

class TNoHost : public IApplicationHost {
public:
    void RunMessageLoop(TApplication&) override {}
    void Quit() override {}
};

TPlatformServices Defaults()
{
    static TNoDialogs dialogs;
    static TStandardErrorMessageBoxes messageBoxes;
    static TMemoryClipboard clipboard;
    static TNoShell shell;
    static TNoHost host;
    return {&dialogs, &messageBoxes, &clipboard, &shell, &host};
}

TPlatformServices& Installed()
{
    static TPlatformServices services = Defaults();
    return services;
}

template <class T>
T* OrDefault(T* chosen, T* fallback)
{
    return chosen != nullptr ? chosen : fallback;
}

}  // namespace

const TPlatformServices& PlatformServices()
{
    return Installed();
}

void SetPlatformServices(const TPlatformServices& services)
{
    const TPlatformServices defaults = Defaults();
    Installed() = {OrDefault(services.Dialogs, defaults.Dialogs),
                   OrDefault(services.MessageBoxes, defaults.MessageBoxes),
                   OrDefault(services.Clipboard, defaults.Clipboard), OrDefault(services.Shell, defaults.Shell),
                   OrDefault(services.Host, defaults.Host)};
}

TPlatformServicesScope::TPlatformServicesScope(const TPlatformServices& services) : previous_(PlatformServices())
{
    SetPlatformServices(services);
}

TPlatformServicesScope::~TPlatformServicesScope()
{
    SetPlatformServices(previous_);
}
