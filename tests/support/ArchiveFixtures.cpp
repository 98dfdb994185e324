#include "ArchiveFixtures.h"

#include <QFile>

#include <minizip/unzip.h>
#include <minizip/zip.h>
#include <zlib.h>

namespace ArchiveFixtures {
namespace {

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, int(v & 0xffff));
    put16(b, int(v >> 16));
}

// One block: CRC16 (the low half of the CRC32 of everything after it),
// type, flags, size, then the rest of the header.
QByteArray block(int type, int flags, const QByteArray &rest)
{
    QByteArray header;
    header.append(char(type));
    put16(header, flags);
    put16(header, 7 + int(rest.size()));
    header.append(rest);
    QByteArray out;
    put16(out, int(crc32(0, reinterpret_cast<const Bytef *>(header.constData()), uInt(header.size())) & 0xffff));
    return out + header;
}

quint32 crcOf(const QByteArray &bytes)
{
    return quint32(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size())));
}

// RAR5's variable-length integer: seven bits a byte, low first, the high bit
// set on every byte but the last.
void putVint(QByteArray &b, quint64 v)
{
    do {
        quint8 byte = v & 0x7f;
        v >>= 7;
        if (v)
            byte |= 0x80;
        b.append(char(byte));
    } while (v);
}

// One RAR5 header: the CRC32 of everything after it, the size of the fields,
// then the fields (type, header flags and the rest).
QByteArray header5(const QByteArray &fields)
{
    QByteArray sized;
    putVint(sized, quint64(fields.size()));
    sized += fields;
    QByteArray out;
    put32(out, crcOf(sized));
    return out + sized;
}

} // namespace

QByteArray Rar5(const QList<Entry> &entries)
{
    QByteArray out("Rar!\x1a\x07\x01\x00", 8);
    QByteArray main;
    putVint(main, 1); // main archive header
    putVint(main, 0); // no extra area, no data
    putVint(main, 0); // not a volume, not solid
    out += header5(main);
    for (const Entry &e : entries) {
        QByteArray file;
        putVint(file, 2);      // file header
        putVint(file, 0x0002); // a data area follows
        putVint(file, quint64(e.data.size()));
        putVint(file, 0x0002 | 0x0004); // modification time and CRC32 present
        putVint(file, quint64(e.data.size()));
        putVint(file, 0100644);     // Unix attributes
        put32(file, 1704110400);    // 2024-01-01 12:00 UTC: that day in every time zone
        put32(file, crcOf(e.data)); // of the unpacked data
        putVint(file, 0);           // compression: version 0, stored
        putVint(file, 1);           // Unix
        putVint(file, quint64(e.name.size()));
        file += e.name;
        out += header5(file) + e.data;
    }
    QByteArray end;
    putVint(end, 5); // end of archive
    putVint(end, 0);
    putVint(end, 0); // last volume
    out += header5(end);
    return out;
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

bool WriteZip(const QString &path, const QList<Entry> &entries, bool store)
{
    const QByteArray encoded = QFile::encodeName(path);
    zipFile zip = zipOpen64(encoded.constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const Entry &e : entries) {
        zip_fileinfo info {};
        info.tmz_date = { 0, 0, 12, 1, 0, 2024 };
        ok = ok
            && zipOpenNewFileInZip64(zip, e.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                   store ? 0 : Z_DEFLATED, store ? 0 : Z_BEST_COMPRESSION, 0)
                == ZIP_OK
            && zipWriteInFileInZip(zip, e.data.constData(), unsigned(e.data.size())) == ZIP_OK
            && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

QList<Entry> ReadZip(const QString &path)
{
    QList<Entry> entries;
    const QByteArray encoded = QFile::encodeName(path);
    unzFile zip = unzOpen64(encoded.constData());
    if (!zip)
        return entries;
    for (int r = unzGoToFirstFile(zip); r == UNZ_OK; r = unzGoToNextFile(zip)) {
        char name[1024];
        unz_file_info64 info {};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK
            || unzOpenCurrentFile(zip) != UNZ_OK)
            break;
        Entry e { QByteArray(name), QByteArray(int(info.uncompressed_size), '\0') };
        const int n = unzReadCurrentFile(zip, e.data.data(), unsigned(e.data.size()));
        unzCloseCurrentFile(zip);
        if (n != e.data.size())
            break;
        entries << e;
    }
    unzClose(zip);
    return entries;
}

QByteArray Rar4(const QList<Entry> &entries)
{
    QByteArray out("Rar!\x1a\x07\x00", 7);
    out += block(0x73, 0, QByteArray(6, '\0'));
    for (const Entry &e : entries) {
        QByteArray rest;
        put32(rest, quint32(e.data.size())); // packed size: stored
        put32(rest, quint32(e.data.size()));
        rest.append(char(3)); // Unix
        put32(rest, quint32(crc32(0, reinterpret_cast<const Bytef *>(e.data.constData()), uInt(e.data.size()))));
        put32(rest, 0x58210000); // 2024-01-01 00:00, DOS time
        rest.append(char(20)); // version 2.0 to extract
        rest.append(char(0x30)); // stored
        put16(rest, int(e.name.size()));
        put32(rest, 0100644);
        rest.append(e.name);
        out += block(0x74, 0x8000, rest);
        out += e.data;
    }
    out += block(0x7b, 0x4000, QByteArray());
    return out;
}

} // namespace ArchiveFixtures
