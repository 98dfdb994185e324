#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Archives built by the tests themselves: zips through minizip, and RAR4 and
// RAR5 archives by small writers of their own (stored entries with their
// CRC32), since no rar creator ships with the system. Every entry is a name as the
// archive stores it (folders, "../" and all) and its bytes.
namespace ArchiveFixtures {

struct Entry
{
    QByteArray name;
    QByteArray data;
};

// Writes a zip at path; stored entries when store is true, else deflated.
bool WriteZip(const QString &path, const QList<Entry> &entries, bool store = false);

// The names and contents of a zip, read back through minizip; empty on failure.
QList<Entry> ReadZip(const QString &path);

// A RAR4 archive: signature, main header, one stored file header per
// entry followed by its bytes, end block.
QByteArray Rar4(const QList<Entry> &entries);
// Where the parts of Rar4's output begin, to damage them on purpose.
inline constexpr int kRar4MainHeaderAt = 7;
inline constexpr int kRar4FirstFileHeaderAt = 20;
inline constexpr int kRar4FileHeaderSize = 32; // before the name

// A RAR5 archive: signature, main header, one stored file header per entry
// (with its time and CRC32) followed by its bytes, end of archive header.
QByteArray Rar5(const QList<Entry> &entries);

bool WriteFile(const QString &path, const QByteArray &bytes);

} // namespace ArchiveFixtures
