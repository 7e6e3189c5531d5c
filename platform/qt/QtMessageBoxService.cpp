#include "platform/qt/QtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/controls/Application.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtConvert.h"

namespace {

constexpr std::uint32_t ButtonsMask = 0x0F;
constexpr std::uint32_t IconMask = 0xF0;
constexpr std::uint32_t MB_ABORTRETRYIGNORE = 0x02;
constexpr std::uint32_t MB_YESNOCANCEL = 0x03;
constexpr std::uint32_t MB_RETRYCANCEL = 0x05;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;

QMessageBox::Icon IconOf(std::uint32_t flags)
{
    switch (flags & IconMask) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(std::uint32_t flags)
{
    switch (flags & ButtonsMask) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_ABORTRETRYIGNORE: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_RETRYCANCEL: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

int ResultOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    default: return IDCANCEL;
    }
}

QWidget* BoxParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    TQtFormWindow* main = TQtFormWindow::Find(Application->MainForm());
    return main != nullptr && main->isVisible() ? main : nullptr;
}

}  // namespace

int TQtMessageBoxService::MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags)
{
    QMessageBox box(IconOf(flags), ToQString(caption), ToQString(text), ButtonsOf(flags), BoxParent());
    return ResultOf(box.exec());
}
