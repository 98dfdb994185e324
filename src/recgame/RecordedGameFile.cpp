// Reading a recording: an 8-byte prefix (4 bytes in The Age of Kings), a raw
// deflate header and the body.
// The header is inflated in memory so that reads on several threads never
// share a temporary file.

#include "recgame/RecordedGame.h"

#include "app/FileDates.h"
#include "app/Log.h"
#include "recgame/HeaderInflate.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

constexpr const char *kUnit = "RecordedGame";
// Ceilings for hostile input: real headers inflate to a few MiB and real
// files stay far below these.
constexpr qint64 kMaxInflatedHeader = 256LL * 1024 * 1024;
constexpr qint64 kMaxFileSize = 1024LL * 1024 * 1024;
constexpr char kVersionTag[] = "VER ";

// Buffers up to this capacity are kept from one file to the next; a larger
// one (a rare giant recording) is given back at once.
constexpr qsizetype kKeptCapacity = 16 * 1024 * 1024;

quint32 le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}

// Gives the buffer `size` bytes of unspecified content. When its capacity
// is too small it is replaced rather than grown, so the old bytes are not
// copied, with some room so that slightly larger files that follow fit.
void sizeForReuse(QByteArray &buffer, qint64 size)
{
    if (!buffer.isDetached() || size > buffer.capacity()) {
        buffer = QByteArray();
        buffer.reserve(qsizetype(std::min(size + size / 4, kMaxFileSize)));
    }
    buffer.resize(qsizetype(size));
}

} // namespace

void CRecordedGame::emptyForReuse(QByteArray &buffer)
{
    if (buffer.isDetached() && buffer.capacity() <= kKeptCapacity)
        buffer.resize(0);
    else
        buffer = QByteArray();
}

qint64 CRecordedGame::FileDate(const QFileInfo &info)
{
    return FileDates::OfPath(info.absoluteFilePath());
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
    // The buffers of the last file are emptied, not freed: a record read
    // again and again (a command over many files, a scan) keeps their
    // capacity instead of allocating and faulting in new pages each time.
    emptyForReuse(header);
    emptyForReuse(body);
    m_readError.clear();

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
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

    // The body's buffer first holds the compressed header, after the last
    // four bytes of the prefix so that both places the header may start at
    // are views of it; once inflated, the body is read over it. One kept
    // buffer then serves both, and the pages it has are the pages it needs.
    const qint64 compressedLength = qint64(headerLength) - 8;
    const qint64 bodyLength = fileLength - qint64(headerLength);
    sizeForReuse(body, std::max(4 + compressedLength, bodyLength));
    std::memcpy(body.data(), prefix + 4, 4);
    bool complete = file.read(body.data() + 4, compressedLength) == compressedLength;
    if (complete) {
        const QByteArrayView both(body.constData(), 4 + compressedLength);
        const QByteArrayView usual = both.sliced(4);
        InflateHeaderInto(usual, kMaxInflatedHeader, header);
        // The Age of Kings writes the header length alone before the
        // compressed header, which so starts four bytes earlier. Tried only
        // when the usual place does not give a versioned header, and kept only
        // when it does; otherwise the usual place's bytes are the header.
        if (!header.startsWith(kVersionTag)) {
            InflateHeaderInto(both, kMaxInflatedHeader, header);
            if (!header.startsWith(kVersionTag))
                InflateHeaderInto(usual, kMaxInflatedHeader, header);
        }
        body.resize(qsizetype(bodyLength));
        char beyond = 0;
        // A file that changed length since it was opened (a game still
        // writing it) is not read in part: it ends exactly where its size said.
        complete = file.read(body.data(), bodyLength) == bodyLength && file.read(&beyond, 1) == 0;
    }
    if (!complete) {
        emptyForReuse(header);
        emptyForReuse(body);
        m_readError = QStringLiteral("the file could not be read completely");
        Log::Write(QStringLiteral("Error opening recorded game file: %1\r\n").arg(filePath)
                   + Log::CodeFile(kUnit, __LINE__));
        return false;
    }
    return true;
}
