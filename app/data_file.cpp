#include "app/data_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "install_paths.h"

QString FindDataFile(const QString& programDir, const QString& name) {
    if (QFileInfo(name).isAbsolute()) return name;
    const QDir program(programDir);
    const QString beside = program.filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir(program.filePath(kDataDirFromProgram)).filePath(name);
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
    return beside;
}

QString FindDataFile(const QString& name) {
    return FindDataFile(QCoreApplication::applicationDirPath(), name);
}
