#pragma once

#include <QString>

/// The path of the data file `name` (a name without a folder, like the tune "quelvane.mid"):
/// beside the program in `programDir` first, where a build tree keeps it, then in the
/// installed data folder (share/quelvane beside bin/). An absolute `name` is kept as it is.
/// When neither folder has the file, the path beside the program is returned, so that
/// opening it fails in the usual way.
QString FindDataFile(const QString& programDir, const QString& name);

/// FindDataFile for the running program's folder.
QString FindDataFile(const QString& name);
