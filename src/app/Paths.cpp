#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

QString WithSlash(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString DataDirectory()
{
    QString dir = qEnvironmentVariable("VELLUMCAST_HOME");
    if (dir.isEmpty()) {
        dir = QDir::homePath() + QStringLiteral("/.local/share/Kestrelhold/Vellumcast");
        const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
        if (!xdg.isEmpty())
            dir = xdg + QStringLiteral("/Kestrelhold/Vellumcast");
    }
    dir = WithSlash(QDir::cleanPath(QDir(dir).absolutePath()));
    QDir().mkpath(dir);
    return dir;
}

QString ResourcesDirectory()
{
    const QString appDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                        : QDir::currentPath();
    if (QFileInfo::exists(appDir + QStringLiteral("/data")))
        return WithSlash(appDir);
    const QString installed = QDir::cleanPath(appDir + QStringLiteral("/../share/vellumcast"));
    if (QFileInfo::exists(installed))
        return WithSlash(installed);
    return WithSlash(appDir);
}

QString CataloguePath()
{
    return DataDirectory() + QStringLiteral("recgame.db");
}

QString RootFallback()
{
    return WithSlash(QDir::homePath());
}

} // namespace Paths
