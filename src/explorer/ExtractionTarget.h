#pragma once

#include "explorer/ArchiveReader.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QString>

// The writing side shared by the zip and rar readers: names inside the
// target folder, new files only (an existing file or link is never opened,
// so nothing outside the folder can be reached through one), the limits of
// ArchiveReader::Limits, and removal of a file left half written.
class CExtractionTarget
{
public:
    enum class Status { Ok, CreateFailed, WriteFailed, TooManyEntries, EntryTooLarge, TotalTooLarge };

    CExtractionTarget(const QString &folder, const ArchiveReader::Limits &limits);
    ~CExtractionTarget();

    // Counts one entry of the archive, extracted or not.
    Status CountEntry();
    // Starts the file for an entry; declaredSize is what the archive says
    // (-1 when unknown) and is checked before anything is written.
    Status Begin(const QString &entryName, qint64 declaredSize);
    // The actual bytes count against the limits too: a declared size may lie.
    Status Write(const char *data, qint64 size);
    // Closes the current file, gives it the entry's time when valid, and
    // adds it to Extracted().
    Status Finish(const QDateTime &modified = QDateTime());
    // Removes the current, incomplete file.
    void Abort();

    const QStringList &Extracted() const { return m_extracted; }
    QString CurrentName() const { return m_name; }
    // The user's text for a limit status (empty for the others).
    QString LimitText(Status status) const;

private:
    QString m_folder;
    ArchiveReader::Limits m_limits;
    QSet<QString> m_taken; // lower case
    QStringList m_extracted;
    QFile m_file;
    QString m_name;
    QString m_entryName;
    qint64 m_entryBytes = 0;
    qint64 m_totalBytes = 0;
    int m_entries = 0;
};
