// Reading a recording: an 8-byte prefix (4 bytes in The Age of Kings), a raw
// deflate header and the body.
// The header is inflated in memory so that reads on several threads never
// share a temporary file.

#include "recgame/RecordedGame.h"

#include "app/Log.h"
#include "recgame/HeaderInflate.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr const char *kUnit = "RecordedGame";
// Ceilings for hostile input: real headers inflate to a few MiB and real
// files stay far below these.
constexpr qint64 kMaxInflatedHeader = 256LL * 1024 * 1024;
constexpr qint64 kMaxFileSize = 1024LL * 1024 * 1024;
constexpr char kVersionTag[] = "VER ";

quint32 le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}

} // namespace

qint64 CRecordedGame::FileDate(const QFileInfo &info)
{
    const QDateTime written = info.lastModified();
    const QDateTime accessed = info.fileTime(QFileDevice::FileAccessTime);
    return (accessed.isValid() && accessed < written ? accessed : written).toSecsSinceEpoch();
}

void CRecordedGame::SetFile(const QString &path)
{
    filePath = path;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        fileSize = quint32(quint64(file.size()) & 0xFFFFFFFFu);
}

bool CRecordedGame::ReadFile()
{
    header.clear();
    body.clear();
    m_readError.clear();

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_readError = QStringLiteral("cannot open the file (%1)").arg(file.errorString());
        Log::Write(QStringLiteral("Error opening recorded game file: %1\r\n").arg(filePath)
                   + Log::CodeFile(kUnit, __LINE__));
        return false;
    }

    date = FileDate(QFileInfo(filePath));

    const qint64 fileLength = file.size();
    char prefix[8] = {};
    const qint64 got = file.read(prefix, 8);
    const quint32 headerLength = got >= 4 ? le32(prefix) : 0;
    if (got < 4 || quint64(fileLength) < headerLength || headerLength < 9 || fileLength > kMaxFileSize) {
        m_readError = fileLength > kMaxFileSize ? QStringLiteral("file too large to be a recorded game")
                                                : QStringLiteral("header length does not fit the file");
        Log::Write(QStringLiteral("Error checking recorded game Length\r\nInfo Length not Correct, file: %1\r\n")
                       .arg(filePath)
                   + Log::CodeFile(kUnit, __LINE__));
        return false;
    }

    const QByteArray compressed = file.read(headerLength - 8);
    QByteArray rest = file.readAll();
    if (compressed.size() != qsizetype(headerLength - 8) || rest.size() != fileLength - qint64(headerLength)) {
        m_readError = QStringLiteral("the file could not be read completely");
        Log::Write(QStringLiteral("Error opening recorded game file: %1\r\n").arg(filePath)
                   + Log::CodeFile(kUnit, __LINE__));
        return false;
    }
    header = InflateHeader(compressed, kMaxInflatedHeader);
    // The Age of Kings writes the header length alone before the compressed
    // header, which so starts four bytes earlier. Tried only when the usual
    // place does not give a versioned header, and kept only when it does.
    if (!header.startsWith(kVersionTag)) {
        QByteArray early = InflateHeader(QByteArray(prefix + 4, 4) + compressed, kMaxInflatedHeader);
        if (early.startsWith(kVersionTag))
            header = std::move(early);
    }
    body = std::move(rest);
    return true;
}
