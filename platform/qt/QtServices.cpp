#include "platform/qt/QtServices.h"

#include "platform/qt/QtApplicationHost.h"
#include "platform/qt/QtClipboardService.h"
#include "platform/qt/QtDialogService.h"
#include "platform/qt/QtMessageBoxService.h"
#include "platform/qt/QtShellService.h"

TQtServices::TQtServices()
    : dialogs_(std::make_unique<TQtDialogService>()),
      messageBoxes_(std::make_unique<TQtMessageBoxService>()),
      clipboard_(std::make_unique<TQtClipboardService>()),
      shell_(std::make_unique<TQtShellService>()),
      host_(std::make_unique<TQtApplicationHost>())
{
    services_ = TPlatformServices{dialogs_.get(), messageBoxes_.get(), clipboard_.get(), shell_.get(), host_.get()};
    scope_ = std::make_unique<TPlatformServicesScope>(services_);
}

TQtServices::~TQtServices() = default;
