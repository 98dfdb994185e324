#include "explorer/RarArchive.h"

#include "app/Log.h"
#include "recgame/RecordingFiles.h"

#include <archive.h>
#include <archive_entry.h>
#include <zlib.h>

#include <limits>
#include <vector>

namespace {

const QByteArray kRar4Signature("Rar!\x1a\x07\x00", 7);
const QByteArray kRar5Signature("Rar!\x1a\x07\x01\x00", 8);
constexpr int kBlockFile = 0x74;
constexpr int kBlockMain = 0x73;
constexpr int kFlagLongBlock = 0x8000;
constexpr int kFlagSplit = 0x03; // continued from or in another volume
constexpr int kMethodStore = 0x30;

quint16 u16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

quint32 u32(const QByteArray &b, int at)
{
    return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16;
}

// Whether the RAR4 main header that follows the signature is whole and its
// CRC matches; libarchive would only say so at the first entry, and then in
// the same words as for a broken file header.
bool rar4MainHeaderIntact(QFile &file)
{
    file.seek(kRar4Signature.size());
    const QByteArray head = file.read(7);
    if (head.size() < 7 || quint8(head[2]) != kBlockMain)
        return false;
    const int size = u16(head, 5);
    if (size < 13 || size > 4096)
        return false;
    const QByteArray body = head.mid(2) + file.read(size - 7);
    if (body.size() != size - 2)
        return false;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()));
    return quint16(crc & 0xffff) == u16(head, 0);
}

// RAR5's variable-length integer at *at (seven bits a byte, low first);
// false when it runs past the bytes or past ten bytes.
bool vint(const QByteArray &b, qsizetype *at, quint64 *value)
{
    *value = 0;
    for (int shift = 0; shift < 70 && *at < b.size(); shift += 7) {
        const quint8 byte = quint8(b[(*at)++]);
        *value |= quint64(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

} // namespace

CRarArchive::~CRarArchive()
{
    close();
}

void CRarArchive::close()
{
    if (m_archive)
        archive_read_free(m_archive);
    m_archive = nullptr;
    m_file.close();
}

CRarArchive::Code CRarArchive::Open(const QString &path)
{
    close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return OpenFailed;
    const QByteArray signature = m_file.read(kRar5Signature.size());
    m_rar4 = signature.startsWith(kRar4Signature);
    m_rar5 = signature == kRar5Signature;
    if (m_rar4 && !rar4MainHeaderIntact(m_file))
        return BadData;
    m_archive = archive_read_new();
    if (!m_archive)
        return NoMemory;
    archive_read_support_format_rar(m_archive);
    archive_read_support_format_rar5(m_archive);
    const QByteArray name = QFile::encodeName(path);
    if (archive_read_open_filename(m_archive, name.constData(), 64 * 1024) != ARCHIVE_OK)
        return BadArchive;
    return Success;
}

CRarArchive::Code CRarArchive::ReadHeader(Header &header)
{
    archive_entry *entry = nullptr;
    const int r = archive_read_next_header(m_archive, &entry);
    if (r == ARCHIVE_EOF)
        return EndArchive;
    if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
        return BadData;
    const char *utf8 = archive_entry_pathname_utf8(entry);
    const char *raw = archive_entry_pathname(entry);
    header.name = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(raw ? raw : "");
    header.size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
    header.regularFile = archive_entry_filetype(entry) == AE_IFREG;
    header.modified = archive_entry_mtime_is_set(entry)
        ? QDateTime::fromSecsSinceEpoch(qint64(archive_entry_mtime(entry)))
        : QDateTime();
    const qint64 position = archive_read_header_position(m_archive);
    m_checkCrc = header.regularFile
        && ((m_rar4 && storedCrc(position, &m_expectedCrc)) || (m_rar5 && rar5Crc(position, &m_expectedCrc)));
    return Success;
}

qint64 CRarArchive::afterSignature(qint64 position, const QByteArray &signature)
{
    if (!m_file.seek(position))
        return -1;
    return m_file.read(signature.size()) == signature ? position + signature.size() : position;
}

bool CRarArchive::storedCrc(qint64 position, quint32 *crc)
{
    // libarchive reports where it began reading this entry: before any
    // blocks it passed over (and before the signature and main header for
    // the first one). Walk those blocks to the file header.
    qint64 pos = afterSignature(position, kRar4Signature);
    if (pos < 0)
        return false;
    for (int blocks = 0; blocks < 64; ++blocks) {
        if (!m_file.seek(pos))
            return false;
        const QByteArray head = m_file.read(32);
        if (head.size() < 7)
            return false;
        const int type = quint8(head[2]);
        const int flags = u16(head, 3);
        const int size = u16(head, 5);
        if (size < 7)
            return false;
        if (type == kBlockFile) {
            if (head.size() < 32 || (flags & kFlagSplit))
                return false;
            *crc = u32(head, 16);
            return quint8(head[25]) == kMethodStore;
        }
        qint64 extra = 0;
        if ((flags & kFlagLongBlock) && size >= 11 && head.size() >= 11)
            extra = u32(head, 7);
        pos += size + extra;
    }
    return false;
}

bool CRarArchive::rar5Crc(qint64 position, quint32 *crc)
{
    // As for RAR4: walk from where libarchive began reading this entry to
    // its file header. A header is its CRC32, its size, then the fields
    // (type, flags, the sizes of its extra and data areas when present);
    // its data area follows it.
    constexpr quint64 kTypeFile = 2;
    constexpr quint64 kHasExtra = 0x0001;
    constexpr quint64 kHasData = 0x0002;
    constexpr quint64 kSplit = 0x0008 | 0x0010; // continued from or in another volume
    constexpr quint64 kHasTime = 0x0002;
    constexpr quint64 kHasCrc = 0x0004;
    constexpr quint64 kMaxHeader = 2 * 1024 * 1024;
    qint64 pos = afterSignature(position, kRar5Signature);
    if (pos < 0)
        return false;
    for (int headers = 0; headers < 64; ++headers) {
        if (!m_file.seek(pos))
            return false;
        const QByteArray start = m_file.read(7);
        qsizetype at = 4;
        quint64 size = 0;
        if (!vint(start, &at, &size) || size == 0 || size > kMaxHeader)
            return false;
        const qint64 fieldsAt = pos + at;
        if (!m_file.seek(fieldsAt))
            return false;
        const QByteArray fields = m_file.read(qint64(size));
        if (quint64(fields.size()) != size)
            return false;
        at = 0;
        quint64 type = 0, flags = 0, extraSize = 0, dataSize = 0;
        if (!vint(fields, &at, &type) || !vint(fields, &at, &flags))
            return false;
        if ((flags & kHasExtra) && !vint(fields, &at, &extraSize))
            return false;
        if ((flags & kHasData) && !vint(fields, &at, &dataSize))
            return false;
        if (type == kTypeFile) {
            quint64 fileFlags = 0, unpacked = 0, attributes = 0;
            if ((flags & kSplit) || !vint(fields, &at, &fileFlags) || !vint(fields, &at, &unpacked)
                || !vint(fields, &at, &attributes) || !(fileFlags & kHasCrc))
                return false;
            if (fileFlags & kHasTime)
                at += 4;
            if (at + 4 > fields.size())
                return false;
            *crc = u32(fields, int(at));
            return true;
        }
        if (dataSize > quint64(std::numeric_limits<qint64>::max() - fieldsAt - qint64(size)))
            return false;
        pos = fieldsAt + qint64(size) + qint64(dataSize);
    }
    return false;
}

CRarArchive::Code CRarArchive::Skip()
{
    archive_read_data_skip(m_archive);
    return Success;
}

CRarArchive::Code CRarArchive::Extract(CExtractionTarget &target, CExtractionTarget::Status *limit)
{
    std::vector<char> buffer(64 * 1024);
    uLong crc = crc32(0, nullptr, 0);
    for (;;) {
        const la_ssize_t n = archive_read_data(m_archive, buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0) {
            const char *error = archive_error_string(m_archive);
            return error && QByteArray(error).contains("CRC") ? BadData : ReadFailed;
        }
        crc = crc32(crc, reinterpret_cast<const Bytef *>(buffer.data()), uInt(n));
        const CExtractionTarget::Status status = target.Write(buffer.data(), n);
        if (status == CExtractionTarget::Status::WriteFailed)
            return WriteFailed;
        if (status != CExtractionTarget::Status::Ok) {
            *limit = status;
            return ReadFailed;
        }
    }
    if (m_checkCrc && quint32(crc) != m_expectedCrc)
        return BadData;
    return Success;
}

QString CRarArchive::OpenText(int code)
{
    switch (code) {
    case NoMemory:
        return QStringLiteral("Not enough memory");
    case BadData:
        return QStringLiteral("Archive header broken");
    case BadArchive:
        return QStringLiteral("is not RAR archive");
    case OpenFailed:
        return QStringLiteral("Cannot open");
    case Unknown:
        return QStringLiteral("Unknown error");
    default:
        return QString();
    }
}

QString CRarArchive::ProcessText(int code)
{
    switch (code) {
    case BadData:
        return QStringLiteral("CRC error");
    case BadArchive:
        return QStringLiteral("Bad volume");
    case UnknownFormat:
        return QStringLiteral("Unknown archive format");
    case OpenFailed:
        return QStringLiteral("Volume open error");
    case CreateFailed:
        return QStringLiteral("File create error");
    case CloseFailed:
        return QStringLiteral("File close error");
    case ReadFailed:
        return QStringLiteral("Read error");
    case WriteFailed:
        return QStringLiteral("Write error");
    case Unknown:
        return QStringLiteral("Unknown error");
    default:
        return QString();
    }
}

namespace ArchiveReader {

Result ExtractRar(const QString &archivePath, const QString &targetFolder, const Limits &limits)
{
    CRarArchive rar;
    if (const int opened = rar.Open(archivePath); opened != CRarArchive::Success) {
        const QString text = CRarArchive::OpenText(opened);
        Log::Write(QStringLiteral("Error Opening File: %1\r\nError: %2").arg(archivePath, text));
        return { false, text, {} };
    }
    CExtractionTarget target(targetFolder, limits);
    const auto fail = [&](const QString &entry, const QString &text) {
        target.Abort();
        Log::Write(QStringLiteral("Error UnRaring... RAR-File: %1\r\nRared-File: %2\r\nError: %3")
                       .arg(archivePath, entry, text));
        return Result { false, text, target.Extracted() };
    };
    CRarArchive::Header header;
    int read = CRarArchive::Success;
    while ((read = rar.ReadHeader(header)) == CRarArchive::Success) {
        if (const auto counted = target.CountEntry(); counted != CExtractionTarget::Status::Ok)
            return fail(header.name, target.LimitText(counted));
        if (!header.regularFile || !RecordingFiles::IsRecordingName(header.name)) {
            rar.Skip();
            continue;
        }
        const CExtractionTarget::Status begun = target.Begin(header.name, header.size);
        if (begun == CExtractionTarget::Status::CreateFailed)
            return fail(header.name, CRarArchive::ProcessText(CRarArchive::CreateFailed));
        if (begun != CExtractionTarget::Status::Ok)
            return fail(header.name, target.LimitText(begun));
        CExtractionTarget::Status limit = CExtractionTarget::Status::Ok;
        if (const int done = rar.Extract(target, &limit); done != CRarArchive::Success)
            return fail(header.name,
                limit != CExtractionTarget::Status::Ok ? target.LimitText(limit) : CRarArchive::ProcessText(done));
        if (target.Finish(header.modified) != CExtractionTarget::Status::Ok)
            return fail(header.name, CRarArchive::ProcessText(CRarArchive::WriteFailed));
    }
    if (read != CRarArchive::EndArchive) {
        Log::Write(QStringLiteral("Error UnRaring... RAR-File: %1\r\nError: File header broken").arg(archivePath));
        return { false, QStringLiteral("File header broken"), target.Extracted() };
    }
    return { true, QString(), target.Extracted() };
}

} // namespace ArchiveReader
