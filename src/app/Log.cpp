#include "app/Log.h"

#include "app/Paths.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>

namespace Log {

namespace {
QMutex &LogMutex()
{
    static QMutex mutex;
    return mutex;
}
} // namespace

QString FilePath()
{
    return Paths::DataDirectory() + QStringLiteral("log.txt");
}

void Write(const QString &message)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString entry = QStringLiteral("--------\r\nDate: ") + now.toString(QStringLiteral("MM/dd/yy"))
        + QStringLiteral(" - ") + now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("\r\nMessage: ")
        + message + QStringLiteral("\r\n");

    QByteArray bytes;
    bytes.reserve(entry.size() * 2);
    for (const QChar c : entry) {
        const char16_t u = c.unicode();
        bytes.append(char(u & 0xFF));
        bytes.append(char(u >> 8));
    }

    QMutexLocker lock(&LogMutex());
    QFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(bytes);
}

QString CodeFile(const char *unit, int line)
{
    return QStringLiteral("Code file: %1 - line: %2").arg(QString::fromLatin1(unit)).arg(line);
}

void Clear()
{
    QMutexLocker lock(&LogMutex());
    QFile::remove(FilePath());
}

} // namespace Log
