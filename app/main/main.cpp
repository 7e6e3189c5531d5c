#include <clocale>
#include <cstdio>

#include "app/Startup.h"

#if QUORVEL_GUI
#include "platform/qt/QtRuntime.h"

int main(int argc, char** argv)
{
    TQtRuntime runtime(argc, argv);
    // Numbers are shown with the user's decimal separator.
    std::setlocale(LC_ALL, "");
    return QuorvelMain();
}
#else
int main()
{
    std::fputs("Quorvel was built without its window (QUORVEL_GUI=OFF); nothing to show.\n", stderr);
    return 0;
}
#endif
