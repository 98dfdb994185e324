#include "explorer/ArchiveReader.h"

#include "app/ArchiveStrings.h"
#include "app/Log.h"
#include "app/TextFormat.h"
#include "explorer/ExtractionTarget.h"
#include "explorer/WorkDirectory.h"
#include "explorer/ZipResult.h"
#include "recgame/RecordingFiles.h"

#include <QDir>
#include <QFileInfo>

#include <minizip/unzip.h>

#include <memory>
#include <vector>

namespace ArchiveReader {
namespace {

struct UnzipCloser
{
    void operator()(void *handle) const { unzClose(handle); }
};
using UnzipHandle = std::unique_ptr<void, UnzipCloser>;

int zipCode(int unzipResult)
{
    switch (unzipResult) {
    case UNZ_OK:
        return ZipResult::Ok;
    case UNZ_ERRNO:
        return ZipResult::Read;
    case UNZ_PARAMERROR:
        return ZipResult::Args;
    case UNZ_INTERNALERROR:
        return ZipResult::Flate;
    case UNZ_END_OF_LIST_OF_FILE:
        return ZipResult::NotFound;
    default: // bad archive, CRC mismatch
        return ZipResult::Corrupt;
    }
}

int zipCode(CExtractionTarget::Status status)
{
    return status == CExtractionTarget::Status::CreateFailed ? ZipResult::NoFile : ZipResult::Write;
}

bool isLimit(CExtractionTarget::Status status)
{
    return status == CExtractionTarget::Status::TooManyEntries || status == CExtractionTarget::Status::EntryTooLarge
        || status == CExtractionTarget::Status::TotalTooLarge;
}

// Zip names are UTF-8 when the archive says so (flag bit 11) and in practice
// often without saying; older tools wrote the DOS code page.
QString entryName(const QByteArray &raw, unsigned long flags)
{
    const QString utf8 = QString::fromUtf8(raw);
    if ((flags & 0x800) || utf8.toUtf8() == raw)
        return utf8;
    return QString::fromLatin1(raw);
}

// minizip refuses a zip without entries (its end record at offset 0),
// though it is a valid archive that simply holds no recordings.
bool isEmptyZip(const QString &archivePath)
{
    QFile file(archivePath);
    if (file.size() != 22 || !file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll() == QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');
}

Result invalidZip(const QString &archivePath)
{
    Log::Write(QStringLiteral("Error Opening Zip File\r\nZip-File: %1\r\nError: Invalid Zip File").arg(archivePath));
    return { false, QStringLiteral("Invalid Zip File"), {} };
}

Result unzipFailure(const QString &archivePath, const QString &entry, const QString &text, CExtractionTarget &target)
{
    target.Abort();
    Log::Write(
        QStringLiteral("Error unziping\r\nZip-File: %1\r\nZiped-File: %2\r\nError: %3").arg(archivePath, entry, text));
    return { false, text, target.Extracted() };
}

// Writes the current entry of zip through target.
CExtractionTarget::Status copyEntry(unzFile zip, CExtractionTarget &target, int *unzipResult)
{
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const int n = unzReadCurrentFile(zip, buffer.data(), unsigned(buffer.size()));
        if (n < 0) {
            *unzipResult = n;
            return CExtractionTarget::Status::Ok;
        }
        if (n == 0)
            break;
        if (const auto status = target.Write(buffer.data(), n); status != CExtractionTarget::Status::Ok)
            return status;
    }
    *unzipResult = UNZ_OK;
    return CExtractionTarget::Status::Ok;
}

} // namespace

Kind KindOf(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        return Kind::Zip;
    if (fileName.endsWith(QLatin1String(".rar"), Qt::CaseInsensitive))
        return Kind::Rar;
    return Kind::None;
}

QString TargetName(const QString &entryName, const QSet<QString> &taken)
{
    QString name = entryName.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('_');
    }
    name = name.trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    if (!taken.contains(name.toLower()))
        return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(extension);
        if (!taken.contains(candidate.toLower()))
            return candidate;
    }
}

Result ExtractZip(const QString &archivePath, const QString &targetFolder, const Limits &limits)
{
    if (isEmptyZip(archivePath))
        return {};
    const QByteArray path = QFile::encodeName(archivePath);
    UnzipHandle zip(unzOpen64(path.constData()));
    unz_global_info64 global {};
    if (!zip || unzGetGlobalInfo64(zip.get(), &global) != UNZ_OK)
        return invalidZip(archivePath);
    // A zip whose end record is cut short may open with no entries at all.
    const int first = unzGoToFirstFile(zip.get());
    if (first != UNZ_OK)
        return invalidZip(archivePath);

    CExtractionTarget target(targetFolder, limits);
    if (global.number_entry > ZPOS64_T(limits.maxEntries))
        return unzipFailure(
            archivePath, QString(), target.LimitText(CExtractionTarget::Status::TooManyEntries), target);
    QByteArray rawName(0x10000, '\0');
    for (int next = first; next == UNZ_OK; next = unzGoToNextFile(zip.get())) {
        if (const auto status = target.CountEntry(); status != CExtractionTarget::Status::Ok)
            return unzipFailure(archivePath, QString(), target.LimitText(status), target);
        unz_file_info64 info {};
        const int got
            = unzGetCurrentFileInfo64(zip.get(), &info, rawName.data(), uLong(rawName.size()), nullptr, 0, nullptr, 0);
        if (got != UNZ_OK)
            return unzipFailure(archivePath, QString(), ZipResult::Text(zipCode(got)), target);
        const QString name
            = entryName(QByteArray(rawName.constData(), int(qMin<uLong>(info.size_filename, 0xffff))), info.flag);
        if (name.endsWith(QLatin1Char('/')) || !RecordingFiles::IsRecordingName(name))
            continue;
        if (info.flag & 1)
            return unzipFailure(archivePath, name, ZipResult::Text(ZipResult::Password), target);

        auto status = target.Begin(name, qint64(qMin<ZPOS64_T>(info.uncompressed_size, ZPOS64_T(1) << 62)));
        if (isLimit(status))
            return unzipFailure(archivePath, name, target.LimitText(status), target);
        if (status != CExtractionTarget::Status::Ok)
            return unzipFailure(archivePath, name, ZipResult::Text(zipCode(status)), target);
        if (const int opened = unzOpenCurrentFile(zip.get()); opened != UNZ_OK)
            return unzipFailure(archivePath, name, ZipResult::Text(zipCode(opened)), target);
        int unzipResult = UNZ_OK;
        status = copyEntry(zip.get(), target, &unzipResult);
        // Closing checks the CRC once the whole entry was read.
        const int closed = unzCloseCurrentFile(zip.get());
        if (isLimit(status))
            return unzipFailure(archivePath, name, target.LimitText(status), target);
        if (status != CExtractionTarget::Status::Ok)
            return unzipFailure(archivePath, name, ZipResult::Text(zipCode(status)), target);
        if (unzipResult != UNZ_OK || closed != UNZ_OK)
            return unzipFailure(
                archivePath, name, ZipResult::Text(zipCode(unzipResult != UNZ_OK ? unzipResult : closed)), target);
        const tm_unz &t = info.tmu_date;
        const QDateTime modified(QDate(int(t.tm_year), int(t.tm_mon) + 1, int(t.tm_mday)),
            QTime(int(t.tm_hour), int(t.tm_min), int(t.tm_sec)));
        if (status = target.Finish(modified); status != CExtractionTarget::Status::Ok)
            return unzipFailure(archivePath, name, ZipResult::Text(zipCode(status)), target);
    }
    return { true, QString(), target.Extracted() };
}

Result Extract(const QString &archivePath, const QString &targetFolder, const Limits &limits)
{
    switch (KindOf(archivePath)) {
    case Kind::Zip:
        return ExtractZip(archivePath, targetFolder, limits);
    case Kind::Rar:
        return ExtractRar(archivePath, targetFolder, limits);
    case Kind::None:
        break;
    }
    return { false, QStringLiteral("Unknown archive format"), {} };
}

OpenResult OpenIntoWorkDirectory(const QString &archivePath, const QString &workDirectory)
{
    OpenResult open;
    const int format = KindOf(archivePath) == Kind::Rar ? StringId::RarReadError : StringId::ZipReadError;
    const QString name = QFileInfo(archivePath).fileName();
    const WorkDirectory::Status prepared = WorkDirectory::Prepare(workDirectory, archivePath);
    if (!prepared) {
        open.message = FormatText(LoadString(format), { name, prepared.message });
        return open;
    }
    const Result result = Extract(archivePath, workDirectory);
    open.ok = result.ok;
    open.extracted = result.extracted;
    if (!result.ok)
        open.message = FormatText(LoadString(format), { name, result.error });
    return open;
}

} // namespace ArchiveReader
