#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "web/database_url.h"
#include "web/score_entry.h"

/// What became of a registration.
struct StoreOutcome {
    enum class Kind { Added, AlreadyThere, Failed };
    Kind kind = Kind::Failed;
    StoredScore entry;  // the stored row: the new one, or the first registration of the code
};

/// The registered scores in SQLite or PostgreSQL. Every statement binds its values; a database
/// failure is reported on stderr and returned as a failure, never as a wrong result.
class ScoreStore {
public:
    /// Opens the database and creates the table on first use; an SQLite file and its folder are
    /// created readable by the user only. On failure returns nullptr and sets `error`.
    static std::unique_ptr<ScoreStore> Open(const DatabaseTarget& target, QString* error);
    ~ScoreStore();
    ScoreStore(const ScoreStore&) = delete;
    ScoreStore& operator=(const ScoreStore&) = delete;

    /// Stores a score unless its code is already there (a code counts once).
    StoreOutcome Register(const NewScore& score);
    /// The best `limit` entries: lowest total first, the earlier registration first on a tie.
    std::optional<std::vector<StoredScore>> Best(int limit);
    /// One entry by its id; an empty optional inside when there is none.
    std::optional<std::optional<StoredScore>> ById(qint64 id);
    /// The dense place an entry with this total holds.
    std::optional<int> PlaceOf(int total);

private:
    explicit ScoreStore(const QString& connectionName);
    bool Prepare();
    bool Exec(QSqlQuery& query);

    QString connectionName_;
    QSqlDatabase database_;
    std::optional<QSqlQuery> insert_, byCode_, byId_, best_, place_;
};
