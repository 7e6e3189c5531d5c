#include "platform/qt/QtApplicationHost.h"

#include <QApplication>

TQtApplicationHost::TQtApplicationHost()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

TQtApplicationHost::~TQtApplicationHost()
{
    for (QPointer<TQtFormWindow>& window : windows_)
        delete window.data();
}

void TQtApplicationHost::RunMessageLoop(TApplication&)
{
    if (QCoreApplication::instance() == nullptr)
        return;
    looping_ = true;
    QApplication::exec();
    looping_ = false;
}

void TQtApplicationHost::Quit()
{
    // exit, not quit: quit would first ask every window to close, and closing the main window is
    // what brought us here. Without a running loop there is nothing to end (and exit would make the
    // next modal dialog return at once).
    if (looping_)
        QCoreApplication::exit(0);
}

void TQtApplicationHost::FormCreated(TForm& form)
{
    if (TQtFormWindow::Find(&form) == nullptr)
        windows_.emplace_back(new TQtFormWindow(form));
}
