#include "app/desktop_url_opener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopUrlOpener::Open(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}
