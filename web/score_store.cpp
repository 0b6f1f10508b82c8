#include "web/score_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QVariant>
#include <cstdio>

namespace {

QString NextConnectionName() {
    static QAtomicInt counter;
    return QString("quelvane-scores-%1").arg(counter.fetchAndAddRelaxed(1));
}

void Report(const QString& what, const QSqlError& error) {
    std::fprintf(stderr, "quelvane-scores: %s: %s\n", qUtf8Printable(what),
                 qUtf8Printable(error.text()));
}

/// Makes the folder and an empty database file that only the user may read or write, before
/// SQLite opens it (SQLite gives its journal files the same permissions).
bool CreatePrivateFile(const QString& path, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir(folder).exists()) {
        if (!QDir().mkpath(folder)) {
            *error = "cannot create the folder " + folder;
            return false;
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = "cannot open the database file " + path;
        return false;
    }
    ::close(fd);
    return true;
}

StoredScore ReadRow(const QSqlQuery& query) {
    StoredScore row;
    row.id = query.value(0).toLongLong();
    row.name = query.value(1).toString();
    row.total = query.value(2).toInt();
    const QString strokes = query.value(3).toString();
    for (int k = 0; k < static_cast<int>(row.strokes.size()) && k < strokes.size(); ++k) {
        row.strokes[k] = strokes[k].digitValue();
    }
    row.registered = query.value(4).toString();
    return row;
}

QString StrokesText(const SeriesStrokes& strokes) {
    QString text;
    for (int count : strokes) {
        text += QChar(u'0' + count);
    }
    return text;
}

}  // namespace

ScoreStore::ScoreStore(const QString& connectionName) : connectionName_(connectionName) {}

ScoreStore::~ScoreStore() {
    insert_.reset();
    byCode_.reset();
    byId_.reset();
    best_.reset();
    place_.reset();
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

std::unique_ptr<ScoreStore> ScoreStore::Open(const DatabaseTarget& target, QString* error) {
    std::unique_ptr<ScoreStore> store(new ScoreStore(NextConnectionName()));
    QString createTable;
    if (const auto* sqlite = std::get_if<SqliteTarget>(&target)) {
        if (!CreatePrivateFile(sqlite->path, error)) {
            return nullptr;
        }
        store->database_ = QSqlDatabase::addDatabase("QSQLITE", store->connectionName_);
        store->database_.setDatabaseName(sqlite->path);
        store->database_.setConnectOptions("QSQLITE_BUSY_TIMEOUT=5000");
        createTable = "CREATE TABLE IF NOT EXISTS scores (id INTEGER PRIMARY KEY AUTOINCREMENT, ";
    } else {
        const auto& postgres = std::get<PostgresTarget>(target);
        store->database_ = QSqlDatabase::addDatabase("QPSQL", store->connectionName_);
        store->database_.setHostName(postgres.host);
        store->database_.setPort(postgres.port);
        store->database_.setUserName(postgres.user);
        store->database_.setPassword(postgres.password);
        store->database_.setDatabaseName(postgres.database);
        store->database_.setConnectOptions("connect_timeout=10");
        createTable = "CREATE TABLE IF NOT EXISTS scores (id BIGSERIAL PRIMARY KEY, ";
    }
    if (!store->database_.isValid()) {
        *error = "the Qt SQL driver for this database is not installed";
        return nullptr;
    }
    if (!store->database_.open()) {
        Report("cannot open the database", store->database_.lastError());
        *error = "cannot open the database";
        return nullptr;
    }
    createTable +=
        "code TEXT NOT NULL UNIQUE, name TEXT NOT NULL, total INTEGER NOT NULL, "
        "strokes TEXT NOT NULL, registered TEXT NOT NULL)";
    QStringList setUp;
    if (std::holds_alternative<SqliteTarget>(target)) {
        // Write-ahead logging lets readers go on while a registration is written.
        setUp << "PRAGMA journal_mode=WAL"
              << "PRAGMA synchronous=NORMAL";
    }
    setUp << createTable << "CREATE INDEX IF NOT EXISTS scores_by_total ON scores (total, id)";
    for (const QString& statement : setUp) {
        QSqlQuery query(store->database_);
        if (!query.exec(statement)) {
            Report("cannot prepare the database", query.lastError());
            *error = "cannot prepare the database";
            return nullptr;
        }
    }
    if (!store->Prepare()) {
        *error = "cannot prepare the database";
        return nullptr;
    }
    return store;
}

bool ScoreStore::Prepare() {
    const QString columns = "id, name, total, strokes, registered";
    const std::pair<std::optional<QSqlQuery>*, QString> statements[] = {
        {&insert_,
         "INSERT INTO scores (code, name, total, strokes, registered) VALUES (?, ?, ?, ?, ?) "
         "ON CONFLICT (code) DO NOTHING RETURNING " +
             columns},
        {&byCode_, "SELECT " + columns + " FROM scores WHERE code = ?"},
        {&byId_, "SELECT " + columns + " FROM scores WHERE id = ?"},
        {&best_, "SELECT " + columns + " FROM scores ORDER BY total, id LIMIT ?"},
        {&place_, "SELECT COUNT(DISTINCT total) FROM scores WHERE total < ?"},
    };
    for (const auto& [query, text] : statements) {
        query->emplace(database_);
        (*query)->setForwardOnly(true);
        if (!(*query)->prepare(text)) {
            Report("cannot prepare a statement", (*query)->lastError());
            return false;
        }
    }
    return true;
}

bool ScoreStore::Exec(QSqlQuery& query) {
    if (query.exec()) {
        return true;
    }
    Report("a database statement failed", query.lastError());
    return false;
}

StoreOutcome ScoreStore::Register(const NewScore& score) {
    StoreOutcome outcome;
    insert_->bindValue(0, score.code);
    insert_->bindValue(1, score.name);
    insert_->bindValue(2, score.score.total);
    insert_->bindValue(3, StrokesText(score.score.strokes));
    insert_->bindValue(4, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    if (!Exec(*insert_)) {
        return outcome;
    }
    if (insert_->next()) {
        outcome = {StoreOutcome::Kind::Added, ReadRow(*insert_)};
        insert_->finish();
        return outcome;
    }
    insert_->finish();
    byCode_->bindValue(0, score.code);
    if (Exec(*byCode_) && byCode_->next()) {
        outcome = {StoreOutcome::Kind::AlreadyThere, ReadRow(*byCode_)};
    }
    byCode_->finish();
    return outcome;
}

std::optional<std::vector<StoredScore>> ScoreStore::Best(int limit) {
    best_->bindValue(0, limit);
    if (!Exec(*best_)) {
        return std::nullopt;
    }
    std::vector<StoredScore> rows;
    while (best_->next()) {
        rows.push_back(ReadRow(*best_));
    }
    best_->finish();
    return rows;
}

std::optional<std::optional<StoredScore>> ScoreStore::ById(qint64 id) {
    byId_->bindValue(0, id);
    if (!Exec(*byId_)) {
        return std::nullopt;
    }
    std::optional<StoredScore> entry;
    if (byId_->next()) {
        entry = ReadRow(*byId_);
    }
    byId_->finish();
    return entry;
}

std::optional<int> ScoreStore::PlaceOf(int total) {
    place_->bindValue(0, total);
    if (!Exec(*place_) || !place_->next()) {
        return std::nullopt;
    }
    const int better = place_->value(0).toInt();
    place_->finish();
    return better + 1;
}
