#include "QtDesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

bool CQtDesktopShell::Open(const std::string& pathOrUrl)
{
    const QString text = QString::fromStdString(pathOrUrl);
    const QUrl url = text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text);
    return QDesktopServices::openUrl(url);
}
