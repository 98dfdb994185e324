#include "TestEnv.h"

#include "app/Log.h"
#include "app/Settings.h"

#include <QDir>
#include <QFileInfo>

TestEnv::TestEnv()
{
    qputenv("VELLUMCAST_HOME", m_dir.filePath(QStringLiteral("home")).toUtf8());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("xdg-data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("xdg-config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_dir.filePath(QStringLiteral("runtime")).toUtf8());
    qputenv("WINEPREFIX", m_dir.filePath(QStringLiteral("wine")).toUtf8());
    QDir().mkpath(m_dir.filePath(QStringLiteral("xdg-data")));
    QDir().mkpath(m_dir.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    CSettings::Instance().ResetToDefaults();
}

QString TestEnv::corpusDir()
{
    QString dir = qEnvironmentVariable("VELLUMCAST_CORPUS");
    if (dir.isEmpty())
        dir = QStringLiteral("../shared/corpus");
    return QFileInfo(dir + QStringLiteral("/README.md")).exists() || QFileInfo(dir).isDir() ? QDir(dir).absolutePath()
                                                                                            : QString();
}

QString TestEnv::corpusFile(const QString &name)
{
    return corpusDir() + QLatin1Char('/') + name;
}

QString TestEnv::logText()
{
    QFile f(Log::FilePath());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray raw = f.readAll();
    if (raw.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(raw.constData() + 2), (raw.size() - 2) / 2);
    return QString::fromUtf8(raw);
}
