#pragma once

#include <QString>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// The date a recording is listed and stored with: the earlier of its write
// and access times (a copied file keeps its game's date where the copy
// kept either), in seconds since 1970 (UTC). Read straight from stat: no
// conversion to local time per file, which costs more than the stat itself
// in a folder of thousands of recordings.
namespace FileDates {

// 0 when path cannot be read.
qint64 OfPath(const QString &path);
#ifdef Q_OS_UNIX
qint64 OfStat(const struct stat &st);
#endif

} // namespace FileDates
