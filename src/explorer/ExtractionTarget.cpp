#include "explorer/ExtractionTarget.h"

#include "app/ArchiveStrings.h"
#include "app/Paths.h"
#include "app/TextFormat.h"
#include "explorer/FileSystem.h"

#include <QDir>

CExtractionTarget::CExtractionTarget(const QString &folder, const ArchiveReader::Limits &limits)
    : m_folder(Paths::WithSlash(folder))
    , m_limits(limits)
{
    QDir().mkpath(m_folder);
}

CExtractionTarget::~CExtractionTarget()
{
    Abort();
}

CExtractionTarget::Status CExtractionTarget::CountEntry()
{
    return ++m_entries > m_limits.maxEntries ? Status::TooManyEntries : Status::Ok;
}

CExtractionTarget::Status CExtractionTarget::Begin(const QString &entryName, qint64 declaredSize)
{
    Abort();
    m_entryName = entryName;
    m_entryBytes = 0;
    if (declaredSize > m_limits.maxEntrySize)
        return Status::EntryTooLarge;
    if (declaredSize > 0 && m_totalBytes + declaredSize > m_limits.maxTotalSize)
        return Status::TotalTooLarge;
    // A name may be taken on disk by something this archive did not write
    // (the folder's marker, a file of an earlier run): never open it.
    QString name;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        name = ArchiveReader::TargetName(entryName, m_taken);
        if (name.isEmpty())
            return Status::CreateFailed;
        m_taken.insert(name.toLower());
        if (FileSystem::Exists(m_folder + name))
            continue;
        m_file.setFileName(m_folder + name);
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_name = name;
            return Status::Ok;
        }
        return Status::CreateFailed;
    }
    return Status::CreateFailed;
}

CExtractionTarget::Status CExtractionTarget::Write(const char *data, qint64 size)
{
    m_entryBytes += size;
    m_totalBytes += size;
    if (m_entryBytes > m_limits.maxEntrySize)
        return Status::EntryTooLarge;
    if (m_totalBytes > m_limits.maxTotalSize)
        return Status::TotalTooLarge;
    return m_file.write(data, size) == size ? Status::Ok : Status::WriteFailed;
}

CExtractionTarget::Status CExtractionTarget::Finish(const QDateTime &modified)
{
    const bool flushed = m_file.flush();
    // The list shows a file's date: the one the archive kept, not the
    // moment of extraction.
    if (flushed && modified.isValid()) {
        m_file.setFileTime(modified, QFileDevice::FileModificationTime);
        m_file.setFileTime(modified, QFileDevice::FileAccessTime);
    }
    m_file.close();
    if (!flushed || m_file.error() != QFileDevice::NoError) {
        Abort();
        return Status::WriteFailed;
    }
    m_extracted << m_name;
    m_name.clear();
    return Status::Ok;
}

void CExtractionTarget::Abort()
{
    if (m_name.isEmpty())
        return;
    m_file.close();
    m_file.remove();
    m_name.clear();
}

QString CExtractionTarget::LimitText(Status status) const
{
    constexpr int kMegabyte = 1 << 20;
    switch (status) {
    case Status::TooManyEntries:
        return FormatText(LoadString(StringId::ArchiveTooManyEntries), { m_limits.maxEntries });
    case Status::EntryTooLarge:
        return FormatText(
            LoadString(StringId::ArchiveEntryTooLarge), { m_entryName, int(m_limits.maxEntrySize / kMegabyte) });
    case Status::TotalTooLarge:
        return FormatText(LoadString(StringId::ArchiveTooLarge), { int(m_limits.maxTotalSize / kMegabyte) });
    default:
        return QString();
    }
}
