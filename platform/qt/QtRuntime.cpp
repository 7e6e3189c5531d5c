#include "platform/qt/QtRuntime.h"

#include <QApplication>

#include "platform/qt/QtServices.h"

struct TQtRuntime::TState {
    TState(int& argc, char** argv) : Application(argc, argv) {}
    QApplication Application;
    TQtServices Services;  // after the application object, gone before it
};

TQtRuntime::TQtRuntime(int& argc, char** argv)
    : state_(std::make_unique<TState>(argc, argv)), services_(&state_->Services)
{
}

TQtRuntime::~TQtRuntime() = default;
