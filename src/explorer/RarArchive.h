#pragma once

#include "explorer/ExtractionTarget.h"

#include <QDateTime>
#include <QFile>
#include <QString>

struct archive;

// Reading of rar archives (RAR4 and RAR5) through libarchive, in four steps
// with the result codes the rar messages map: open, read the next header,
// skip or extract its entry, close (the destructor). libarchive leaves the
// CRC of stored RAR4 entries unchecked, so this layer reads those entries'
// CRC from their headers itself and compares it.
class CRarArchive
{
public:
    enum Code {
        Success = 0,
        EndArchive = 10,
        NoMemory = 11,
        BadData = 12, // a broken header, or a CRC error while extracting
        BadArchive = 13,
        UnknownFormat = 14,
        OpenFailed = 15,
        CreateFailed = 16,
        CloseFailed = 17,
        ReadFailed = 18,
        WriteFailed = 19,
        Unknown = 21,
    };

    struct Header
    {
        QString name; // as stored, folders included
        qint64 size = -1; // -1 when the archive does not say
        bool regularFile = true;
        QDateTime modified; // invalid when the archive does not say
    };

    CRarArchive() = default;
    ~CRarArchive();
    CRarArchive(const CRarArchive &) = delete;
    CRarArchive &operator=(const CRarArchive &) = delete;

    Code Open(const QString &path);
    Code ReadHeader(Header &header);
    Code Skip();
    // Extracts the current entry through target. A limit of the target ends
    // it with ReadFailed and *limit set to that status.
    Code Extract(CExtractionTarget &target, CExtractionTarget::Status *limit);

    // The texts of the open and the extraction codes; empty for others.
    static QString OpenText(int code);
    static QString ProcessText(int code);

private:
    void close();
    // Where the walk to an entry's file header starts: position, or past the
    // signature when the archive's first entry is read from its start; -1
    // when the file cannot be read there.
    qint64 afterSignature(qint64 position, const QByteArray &signature);
    // The CRC of a stored entry's data from the RAR4 file header at or after
    // position (libarchive does not check it).
    bool storedCrc(qint64 position, quint32 *crc);
    // The data CRC32 of the RAR5 file header at or after position, whatever
    // the method (libarchive checks none of a stored entry's).
    bool rar5Crc(qint64 position, quint32 *crc);

    archive *m_archive = nullptr;
    QFile m_file; // the same archive, for the header checks
    bool m_rar4 = false;
    bool m_rar5 = false;
    bool m_checkCrc = false;
    quint32 m_expectedCrc = 0;
};
