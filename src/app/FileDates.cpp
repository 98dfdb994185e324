#include "app/FileDates.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace FileDates {

#ifdef Q_OS_UNIX
qint64 OfStat(const struct stat &st)
{
    // Compared to the millisecond, as file times always were here.
    const qint64 written = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    const qint64 accessed = qint64(st.st_atim.tv_sec) * 1000 + st.st_atim.tv_nsec / 1000000;
    return accessed < written ? qint64(st.st_atim.tv_sec) : qint64(st.st_mtim.tv_sec);
}

qint64 OfPath(const QString &path)
{
    struct stat st {};
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? OfStat(st) : 0;
}
#else
qint64 OfPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    const QDateTime written = info.lastModified();
    const QDateTime accessed = info.fileTime(QFileDevice::FileAccessTime);
    return (accessed.isValid() && accessed < written ? accessed : written).toSecsSinceEpoch();
}
#endif

} // namespace FileDates
