// Reading a recording: an 8-byte prefix, a raw deflate header and the body.
// The header is inflated in memory so that reads on several threads never
// share a temporary file.

#include "recgame/RecordedGame.h"

#include "app/Log.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

namespace {

constexpr const char *kUnit = "RecordedGame";
constexpr int kChunk = 131072;
// Ceilings for hostile input: real headers inflate to a few MiB and real
// files stay far below these.
constexpr qint64 kMaxInflatedHeader = 256LL * 1024 * 1024;
constexpr qint64 kMaxFileSize = 1024LL * 1024 * 1024;

quint32 le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}

// Raw inflate in 128 KiB steps with Z_SYNC_FLUSH; on an error or a stream
// that ends early the bytes produced so far are kept.
QByteArray inflateHeader(const QByteArray &compressed)
{
    QByteArray out;
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    if (inflateInit2(&stream, -15) != Z_OK) {
        inflateEnd(&stream);
        return out;
    }
    qsizetype size = 0;
    out.resize(std::max<qsizetype>(kChunk, std::min<qsizetype>(compressed.size() * 4, 64 * 1024 * 1024)));
    while (stream.avail_out == 0) {
        if (out.size() - size < kChunk)
            out.resize(out.size() * 2);
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + size);
        stream.avail_out = kChunk;
        const int rc = inflate(&stream, Z_SYNC_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        size += kChunk - stream.avail_out;
        if (rc == Z_STREAM_END || size >= kMaxInflatedHeader)
            break;
    }
    inflateEnd(&stream);
    out.truncate(std::min<qint64>(size, kMaxInflatedHeader));
    out.squeeze();
    return out;
}

} // namespace

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

    const QFileInfo info(filePath);
    const QDateTime written = info.lastModified();
    const QDateTime accessed = info.fileTime(QFileDevice::FileAccessTime);
    date = (accessed.isValid() && written > accessed ? accessed : written).toSecsSinceEpoch();

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
    header = inflateHeader(compressed);
    body = std::move(rest);
    return true;
}
