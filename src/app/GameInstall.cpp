#include "app/GameInstall.h"

#include "app/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kGameKey
    = QStringLiteral("software\\\\microsoft\\\\microsoft games\\\\age of empires ii: the conquerors expansion\\\\1.0");
const QString kGameKeyWow = QStringLiteral(
    "software\\\\wow6432node\\\\microsoft\\\\microsoft games\\\\age of empires ii: the conquerors expansion\\\\1.0");
constexpr qint64 kMaxRegistrySize = 512 * 1024 * 1024;

// Undoes the escaping of a quoted value in a .reg file.
QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size())
            ++i;
        out.append(text[i]);
    }
    return out;
}

} // namespace

CGameInstall::CGameInstall(const QString &winePrefix)
    : m_prefix(winePrefix)
{
    if (m_prefix.isEmpty())
        m_prefix = qEnvironmentVariable("WINEPREFIX");
    if (m_prefix.isEmpty())
        m_prefix = QDir::homePath() + QStringLiteral("/.wine");
    readRegistry();
}

void CGameInstall::readRegistry()
{
    QFile file(m_prefix + QStringLiteral("/system.reg"));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxRegistrySize)
        return;
    bool inKey = false;
    QString exePath;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(64 * 1024)).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.lastIndexOf(QLatin1Char(']'));
            const QString name = line.mid(1, end - 1).toLower();
            inKey = name == kGameKey || name == kGameKeyWow;
            continue;
        }
        if (!inKey || !line.startsWith(QLatin1Char('"')))
            continue;
        const qsizetype eq = line.indexOf(QStringLiteral("\"=\""));
        if (eq < 0 || !line.endsWith(QLatin1Char('"')))
            continue;
        const QString name = line.mid(1, eq - 1).toLower();
        const QString value = unescape(QStringView(line).mid(eq + 3, line.size() - eq - 4));
        if (name == QLatin1String("exe path"))
            exePath = value;
        else if (name == QLatin1String("version"))
            m_version = value;
    }
    // A value of 10 characters or fewer cannot name an install folder.
    if (exePath.size() > 10)
        m_gameDirectory = Paths::WithSlash(MapWindowsPath(exePath));
}

QString CGameInstall::MapWindowsPath(const QString &windowsPath) const
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.size() >= 2 && path[1] == QLatin1Char(':')) {
        const QChar drive = path[0].toLower();
        const QString rest = path.mid(2);
        if (drive == QLatin1Char('c'))
            return m_prefix + QStringLiteral("/drive_c") + rest;
        return m_prefix + QStringLiteral("/dosdevices/") + drive + QLatin1Char(':') + rest;
    }
    return path;
}

QString CGameInstall::installedProgram() const
{
    if (m_gameDirectory.isEmpty())
        return QString();
    // Install folders on Windows are case-insensitive; find the real spelling.
    const QString exact = m_gameDirectory + QStringLiteral("age2_x1/age2_x1.exe");
    QDir dir(m_gameDirectory + QStringLiteral("age2_x1"));
    const QStringList matches = dir.entryList({ QStringLiteral("age2_x1.exe") }, QDir::Files);
    return matches.isEmpty() ? exact : dir.filePath(matches.first());
}

QString CGameInstall::Version10cProgram() const
{
    if (m_version.compare(QLatin1String("1.0c"), Qt::CaseInsensitive) == 0)
        return installedProgram();
    return QString();
}

QString CGameInstall::Version10Program(const QString &configuredPath) const
{
    if (!configuredPath.isEmpty())
        return configuredPath;
    if (m_version.compare(QLatin1String("1"), Qt::CaseInsensitive) == 0)
        return installedProgram();
    return QString();
}
