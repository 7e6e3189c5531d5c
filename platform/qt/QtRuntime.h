#pragma once
// What the program needs before its start-up routine runs: the Qt application object (taking the
// command line, as Qt expects) and the Qt services installed. Keeps Qt out of the program's main.
#include <memory>

class TQtServices;

class TQtRuntime {
public:
    TQtRuntime(int& argc, char** argv);
    ~TQtRuntime();
    TQtRuntime(const TQtRuntime&) = delete;
    TQtRuntime& operator=(const TQtRuntime&) = delete;

    TQtServices& Services() { return *services_; }

private:
    struct TState;
    std::unique_ptr<TState> state_;
    TQtServices* services_;
};
