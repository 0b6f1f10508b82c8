#pragma once

#include <QLockFile>
#include <QSettings>
#include <QString>
#include <memory>

#include "records/key_value_store.h"

/// The Hole of Fame store over QSettings. The game's own store is the user's native
/// settings of "Dolvarn" / "Quelvane": on Linux the INI file Dolvarn/Quelvane.conf in the
/// user's config directory, on Windows the current user's registry key (the machine-wide
/// key needs administrator rights to write).
///
/// Every commit replaces the whole INI file at once (a temporary file, synced, renamed over
/// it), so a write cut off at any moment leaves the complete old or the complete new
/// values. A lock file beside the store keeps the read-modify-writes of two running copies
/// of the game apart.
class QSettingsStore : public KeyValueStore {
public:
    QSettingsStore();
    /// An INI file of the same format at `iniFile`.
    explicit QSettingsStore(const QString& iniFile);
    ~QSettingsStore() override;

    OpenResult Open() override;
    bool IsEmpty() override;
    std::optional<std::int32_t> ReadInt(const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& name) override;
    void WriteInt(const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& name, const std::string& value) override;
    bool Commit() override;
    /// Also sets a file that cannot be parsed aside as "<store>.damaged", since the write
    /// that follows the lock replaces it.
    bool Lock() override;
    void Unlock() override;
    void Close() override;
    std::string Location() const override { return path_.toStdString(); }

    /// How long Lock waits for another copy of the game to finish its write.
    static constexpr int kLockWaitMilliseconds = 5000;
    /// How old a lock must be to be taken from a copy that holds it without sign of life.
    static constexpr int kStaleLockMilliseconds = 3000;

private:
    std::unique_ptr<QSettings> MakeSettings() const;
    void SetAsideDamagedFile();

    QString iniFile_;  ///< empty for the user's native settings
    QString path_;     ///< where the values live
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<QLockFile> lock_;
    bool damaged_ = false;  ///< the file could not be parsed when it was opened
};
