#include "platform/qt/Screenshot.h"

#include <QPixmap>

#include "platform/qt/FormWindow.h"
#include "platform/qt/QtConvert.h"

bool SaveFormScreenshot(const TForm& form, const std::string& path)
{
    TQtFormWindow* window = TQtFormWindow::Find(&form);
    if (window == nullptr)
        return false;
    return window->grab().save(ToQString(path), "PNG");
}
