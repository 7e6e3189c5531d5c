#include "platform/qt/QtDialogService.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/qt/FileFilter.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtConvert.h"

namespace {

// The window a dialog belongs to: the requesting control's, else the active one.
QWidget* DialogParent(TWinControl* parent)
{
    if (QWidget* window = TQtFormWindow::WindowOf(parent))
        return window;
    return QApplication::activeWindow();
}

}  // namespace

bool TQtDialogService::ExecuteFileDialog(TFileDialogRequest& request)
{
    const bool save = request.Kind == TFileDialogKind::Save;
    QFileDialog dialog(DialogParent(request.Parent), ToQString(request.Title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) {
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!HasOption(request.Options, TOpenOption::ofOverwritePrompt))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(HasOption(request.Options, TOpenOption::ofFileMustExist) ? QFileDialog::ExistingFile
                                                                                   : QFileDialog::AnyFile);
    }
    if (!request.InitialDir.empty())
        dialog.setDirectory(ToQString(request.InitialDir));
    if (!request.FileName.empty()) {
        const QFileInfo preset(ToQString(request.FileName));
        if (request.FileName.find('/') != std::string::npos)
            dialog.setDirectory(preset.absolutePath());
        dialog.selectFile(preset.fileName());
    }
    if (!request.DefaultExt.empty())
        dialog.setDefaultSuffix(ToQString(request.DefaultExt));
    const QStringList filters = ToNameFilters(ToQString(request.Filter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.FilterIndex - 1]);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    request.FileName = ToStdString(dialog.selectedFiles().first());
    if (const qsizetype index = filters.indexOf(dialog.selectedNameFilter()); index >= 0)
        request.FilterIndex = static_cast<int>(index) + 1;
    return true;
}

bool TQtDialogService::ExecuteColorDialog(TColorDialogRequest& request)
{
    QWidget* parent = DialogParent(request.Parent);
    const QColor initial = ToQColor(request.Color, parent != nullptr ? parent->palette() : QApplication::palette());
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.Color = FromQColor(dialog.selectedColor());
    return true;
}
