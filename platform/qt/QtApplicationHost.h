#pragma once
// The message loop and the windows: a window for every form the application creates, Qt's event
// loop until the model ends the program. Closing the last window doesn't end it by itself: the
// model decides (closing the main form ends the program).
#include <vector>

#include <QPointer>

#include "platform/controls/Services.h"
#include "platform/qt/FormWindow.h"

class TQtApplicationHost : public IApplicationHost {
public:
    TQtApplicationHost();
    ~TQtApplicationHost() override;
    TQtApplicationHost(const TQtApplicationHost&) = delete;
    TQtApplicationHost& operator=(const TQtApplicationHost&) = delete;

    void RunMessageLoop(TApplication& application) override;
    void Quit() override;
    void FormCreated(TForm& form) override;

private:
    std::vector<QPointer<TQtFormWindow>> windows_;
    bool looping_ = false;
};
