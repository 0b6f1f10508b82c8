#include "records/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr const char* kOrganisation = "Dolvarn";
constexpr const char* kApplication = "Quelvane";
}  // namespace

QSettingsStore::QSettingsStore() : path_(MakeSettings()->fileName()) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : iniFile_(iniFile), path_(QFileInfo(iniFile).absoluteFilePath()) {}

QSettingsStore::~QSettingsStore() = default;

std::unique_ptr<QSettings> QSettingsStore::MakeSettings() const {
    if (iniFile_.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           kOrganisation, kApplication);
    return std::make_unique<QSettings>(iniFile_, QSettings::IniFormat);
}

KeyValueStore::OpenResult QSettingsStore::Open() {
    settings_.reset();
    settings_ = MakeSettings();
    // Parses every section of the file, so that the status tells of damage; asking for the
    // groups (there are none) spares listing and sorting the 1,922 keys.
    settings_->childGroups();
    damaged_ = settings_->status() == QSettings::FormatError;
    switch (settings_->status()) {
        case QSettings::NoError:
            return OpenResult::Opened;
        case QSettings::FormatError:
            return OpenResult::Damaged;
        case QSettings::AccessError:
            break;
    }
    return OpenResult::Unavailable;
}

// A file of any content, even one that yields no values, is something stored.
bool QSettingsStore::IsEmpty() {
    return QFileInfo(path_).size() == 0 && settings_->allKeys().isEmpty();
}

// Values read back from the file are text; values written in this session keep their type.
std::optional<std::int32_t> QSettingsStore::ReadInt(const std::string& name) {
    const QVariant value = settings_->value(QUtf8StringView(name));
    if (value.typeId() == QMetaType::Int) return value.toInt();
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    bool ok = false;
    const int number = value.toString().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return number;
}

std::optional<std::string> QSettingsStore::ReadString(const std::string& name) {
    const QVariant value = settings_->value(QUtf8StringView(name));
    if (!value.isValid()) return std::string();
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

void QSettingsStore::WriteInt(const std::string& name, std::int32_t value) {
    settings_->setValue(QString::fromStdString(name), value);
}

void QSettingsStore::WriteString(const std::string& name, const std::string& value) {
    settings_->setValue(QString::fromStdString(name), QString::fromStdString(value));
}

bool QSettingsStore::Commit() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool QSettingsStore::Lock() {
    const QFileInfo store(path_);
    QDir().mkpath(store.absolutePath());
    lock_ = std::make_unique<QLockFile>(path_ + ".records-lock");
    // A write takes milliseconds: a lock older than this was left by a copy that died
    // before it could write its name into the lock file.
    lock_->setStaleLockTime(kStaleLockMilliseconds);
    if (!lock_->tryLock(kLockWaitMilliseconds)) {
        lock_.reset();
        return false;
    }
    // Every write of the store is made under this lock, so a lock file of QSettings' own
    // found now was left by a copy of the game killed in the middle of its write; left in
    // place it would hold this write up for half a minute.
    QFile::remove(path_ + ".lock");
    // A fresh view of the file, as another copy of the game may have replaced it.
    settings_.reset();
    settings_ = MakeSettings();
    settings_->childGroups();
    if (damaged_ || settings_->status() == QSettings::FormatError) SetAsideDamagedFile();
    return true;
}

void QSettingsStore::Unlock() {
    lock_.reset();
}

void QSettingsStore::Close() {
    settings_.reset();
    lock_.reset();
}

// A file that cannot be parsed is about to be replaced: it is kept beside the store as
// Quelvane.conf.damaged rather than lost, and the write starts from an empty store.
void QSettingsStore::SetAsideDamagedFile() {
    settings_.reset();
    damaged_ = false;
    const QString aside = path_ + ".damaged";
    QFile::remove(aside);
    QFile::rename(path_, aside);
    settings_ = MakeSettings();
}
