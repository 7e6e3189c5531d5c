#pragma once
// Opening a document with the desktop's program for it (QDesktopServices). A relative name is
// looked up in the request's folder, else in the current one. Results follow the original
// convention: above 32 when the document was handed over, SE_ERR_FNF when it doesn't exist,
// SE_ERR_NOASSOC when nothing could open it or the verb is not "open".
#include <functional>

#include <QUrl>

#include "platform/controls/Services.h"

class TQtShellService : public IShellService {
public:
    using TOpener = std::function<bool(const QUrl&)>;
    // opener hands the URL to the desktop; tests replace it. The default is QDesktopServices::openUrl.
    explicit TQtShellService(TOpener opener = {});

    std::intptr_t ShellExecute(const TShellExecuteRequest& request) override;

private:
    TOpener opener_;
};
