#include "platform/qt/QtShellService.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "platform/qt/QtConvert.h"

namespace {

// What ShellExecute reports for a document it handed over.
constexpr std::intptr_t HandedOver = 42;

}  // namespace

TQtShellService::TQtShellService(TOpener opener) : opener_(std::move(opener))
{
    if (!opener_)
        opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

std::intptr_t TQtShellService::ShellExecute(const TShellExecuteRequest& request)
{
    const QString verb = ToQString(request.Verb);
    if (!verb.isEmpty() && verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return SE_ERR_NOASSOC;
    const QString file = ToQString(request.File);
    if (file.isEmpty())
        return SE_ERR_FNF;
    QUrl url;
    if (file.contains(QLatin1String("://"))) {
        url = QUrl(file);
    } else {
        const QDir folder(request.Directory.empty() ? QDir::currentPath() : ToQString(request.Directory));
        const QFileInfo info(folder, file);
        if (!info.exists())
            return SE_ERR_FNF;
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    }
    return url.isValid() && opener_(url) ? HandedOver : SE_ERR_NOASSOC;
}
