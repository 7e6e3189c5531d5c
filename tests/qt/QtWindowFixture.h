#pragma once
// The main window made as the program makes it, shown by the real Qt host (offscreen), with
// scripted dialogs, message boxes, clipboard and shell. Tests press the real widgets with QTest.
#include <QTabBar>
#include <QWidget>

#include "platform/qt/FormWindow.h"
#include "platform/qt/QtApplicationHost.h"
#include "tests/support/MainWindowFixture.h"

class QtWindowFixture : public MainWindowFixture {
protected:
    QtWindowFixture();

    // The widget showing a windowed control.
    QWidget* WidgetOf(const TControl* control) const;
    template <class T>
    T* WidgetOf(const TControl* control) const
    {
        return dynamic_cast<T*>(WidgetOf(control));
    }
    // A graphic control's point (x, y) in its parent's widget.
    static QPoint InParentWidget(const TControl* control, int x, int y);
    // The widget's pixels as they are painted now.
    static QImage Grab(QWidget* widget);
    // Runs pending events (repaints, deferred work).
    static void Settle();

    TQtApplicationHost host;
    TPlatformServicesScope scope{
        TPlatformServices{&fakes.Dialogs, &fakes.MessageBoxes, &fakes.Clipboard, &fakes.Shell, &host}};
    TQtFormWindow* window = nullptr;
};
