#pragma once
// The Qt implementations of every platform service, installed for the lifetime of the object.
// Needs a QApplication to exist first (QtRuntime.h makes both).
#include <memory>

#include "platform/controls/Services.h"

class TQtApplicationHost;
class TQtClipboardService;
class TQtDialogService;
class TQtMessageBoxService;
class TQtShellService;

class TQtServices {
public:
    TQtServices();
    ~TQtServices();
    TQtServices(const TQtServices&) = delete;
    TQtServices& operator=(const TQtServices&) = delete;

    TQtApplicationHost& Host() { return *host_; }
    // The set as installed; a test may copy it and replace members with fakes.
    const TPlatformServices& Services() const { return services_; }

private:
    std::unique_ptr<TQtDialogService> dialogs_;
    std::unique_ptr<TQtMessageBoxService> messageBoxes_;
    std::unique_ptr<TQtClipboardService> clipboard_;
    std::unique_ptr<TQtShellService> shell_;
    std::unique_ptr<TQtApplicationHost> host_;
    TPlatformServices services_;
    std::unique_ptr<TPlatformServicesScope> scope_;  // last: removed before the services go
};
