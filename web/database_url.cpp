#include "web/database_url.h"

#include <QUrl>
#include <QUrlQuery>

std::variant<DatabaseTarget, QString> ParseDatabaseUrl(const QString& text) {
    if (text.startsWith("postgresql://") || text.startsWith("postgres://")) {
        const QUrl url(text, QUrl::StrictMode);
        if (!url.isValid()) {
            return QString("--database: the PostgreSQL URL is not valid");
        }
        PostgresTarget target;
        target.host = url.host();
        const QUrlQuery query(url);
        if (query.hasQueryItem("host")) {
            target.host = query.queryItemValue("host", QUrl::FullyDecoded);
        }
        target.port = url.port(5432);
        target.user = url.userName(QUrl::FullyDecoded);
        target.password = url.password(QUrl::FullyDecoded);
        target.database = url.path(QUrl::FullyDecoded).mid(1);
        if (target.database.isEmpty() || target.database.contains(u'/')) {
            return QString("--database: the PostgreSQL URL must name one database after the host");
        }
        return DatabaseTarget{target};
    }
    QString path = text;
    if (path.startsWith("sqlite://")) {
        path = QUrl(path).path(QUrl::FullyDecoded);
    } else if (path.startsWith("sqlite:")) {
        path = path.mid(QStringLiteral("sqlite:").size());
    }
    if (path.isEmpty()) {
        return QString("--database: the SQLite URL names no file");
    }
    return DatabaseTarget{SqliteTarget{path}};
}
