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
// Linux tools read UTF-8; Windows editors take UTF-16 for text only with its
// byte-order mark, written once at the head of a new log.
QByteArray Encode(const QString &entry, bool newFile)
{
#ifdef Q_OS_WIN
    QByteArray bytes;
    if (newFile)
        bytes.append("\xFF\xFE", 2);
    for (const QChar c : entry) {
        const char16_t u = c.unicode();
        bytes.append(char(u & 0xFF));
        bytes.append(char(u >> 8));
    }
    return bytes;
#else
    Q_UNUSED(newFile);
    return entry.toUtf8();
#endif
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
        + QStringLiteral(" - ") + now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("\r\nMessage: ") + message
        + QStringLiteral("\r\n");

    QMutexLocker lock(&LogMutex());
    QFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(Encode(entry, file.size() == 0));
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
