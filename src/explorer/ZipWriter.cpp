#include "explorer/ZipWriter.h"

#include "app/ArchiveStrings.h"
#include "app/Log.h"
#include "explorer/FileSystem.h"
#include "explorer/ZipResult.h"
#include "recgame/RecordingFiles.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <minizip/zip.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace ZipWriter {
namespace {

constexpr qint64 kBlock = 256 * 1024;

struct Failure
{
    int code = ZipResult::Ok;
    bool cancelled = false;
};

bool stopRequested(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load();
}

zip_fileinfo fileInfo(const QFileInfo &source)
{
    zip_fileinfo info {};
    QDateTime time = source.lastModified();
    // DOS dates start in 1980.
    if (!time.isValid() || time.date().year() < 1980)
        time = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    info.tmz_date.tm_sec = uInt(time.time().second());
    info.tmz_date.tm_min = uInt(time.time().minute());
    info.tmz_date.tm_hour = uInt(time.time().hour());
    info.tmz_date.tm_mday = uInt(time.date().day());
    info.tmz_date.tm_mon = uInt(time.date().month() - 1);
    info.tmz_date.tm_year = uInt(time.date().year());
    return info;
}

// Adds one file; the name is UTF-8, flagged as such when it is not ASCII.
Failure addFile(zipFile zip, const Source &source, const std::atomic<bool> *cancel)
{
    QFile file(source.path);
    if (!file.open(QIODevice::ReadOnly))
        return { ZipResult::NoFile };
    const QFileInfo info(file);
    const zip_fileinfo zipInfo = fileInfo(info);
    const QByteArray name = source.name.toUtf8();
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
    const int opened = zipOpenNewFileInZip4_64(zip, name.constData(), &zipInfo, nullptr, 0, nullptr, 0, nullptr,
        Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0, 0, ascii ? 0 : 0x800,
        info.size() >= 0xffffffffLL ? 1 : 0);
    if (opened != ZIP_OK)
        return { opened == ZIP_PARAMERROR ? int(ZipResult::Args) : int(ZipResult::Write) };
    std::vector<char> buffer(kBlock);
    Failure failure;
    for (;;) {
        if (stopRequested(cancel)) {
            failure.cancelled = true;
            break;
        }
        const qint64 n = file.read(buffer.data(), kBlock);
        if (n < 0) {
            failure.code = ZipResult::Read;
            break;
        }
        if (n == 0)
            break;
        if (zipWriteInFileInZip(zip, buffer.data(), unsigned(n)) != ZIP_OK) {
            failure.code = ZipResult::Write;
            break;
        }
    }
    if (zipCloseFileInZip(zip) != ZIP_OK && failure.code == ZipResult::Ok)
        failure.code = ZipResult::Write;
    return failure;
}

void removeIncomplete(const QString &path)
{
    if (FileSystem::Exists(path) && !QFile::remove(path))
        Log::Write(QStringLiteral("Error deleting zip file\r\nfile: %1").arg(path));
}

// Writes one archive; done counts files over all tasks.
Result writeArchive(const Task &task, int *done, int total, const std::atomic<bool> *cancel, const Progress &progress)
{
    Result result;
    const QFileInfo target(task.target);
    QTemporaryFile temporary(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        result.error = true;
        result.errorText = LoadString(StringId::ZipCreateFailed);
        Log::Write(QStringLiteral("Error Ziping... Zip-File: %1\r\nError: %2").arg(task.target, result.errorText));
        return result;
    }
    const QString partPath = temporary.fileName();
    temporary.close();
    const QByteArray encoded = QFile::encodeName(partPath);
    zipFile zip = zipOpen64(encoded.constData(), APPEND_STATUS_CREATE);
    if (!zip) {
        result.error = true;
        result.errorText = LoadString(StringId::ZipCreateFailed);
        Log::Write(QStringLiteral("Error Ziping... Zip-File: %1\r\nError: %2").arg(task.target, result.errorText));
        removeIncomplete(partPath);
        return result;
    }
    for (const Source &source : task.sources) {
        if (progress)
            progress(*done, total);
        if (stopRequested(cancel)) {
            result.cancelled = true;
            break;
        }
        const Failure failure = addFile(zip, source, cancel);
        if (failure.cancelled) {
            result.cancelled = true;
            break;
        }
        if (failure.code != ZipResult::Ok) {
            result.error = true;
            result.errorText = ZipResult::Text(failure.code);
            Log::Write(QStringLiteral("Error Ziping... Zip-File: %1\r\nCurrent-File: %2\r\nError: %3")
                           .arg(task.target, source.path, result.errorText));
            break;
        }
        ++*done;
    }
    if (zipClose(zip, nullptr) != ZIP_OK && result.Succeeded()) {
        result.error = true;
        result.errorText = ZipResult::Text(ZipResult::Write);
        Log::Write(QStringLiteral("Error Ziping... Zip-File: %1\r\nError: %2").arg(task.target, result.errorText));
    }
    if (!result.Succeeded()) {
        removeIncomplete(partPath);
        return result;
    }
    // A replaced archive keeps its permissions; a new one gets the usual ones.
    const QFile::Permissions permissions = target.exists()
        ? target.permissions()
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(partPath, permissions);
    const FileSystem::Status renamed = task.replace ? FileSystem::RenameReplace(partPath, task.target)
                                                    : FileSystem::RenameNoReplace(partPath, task.target);
    if (!renamed) {
        result.error = true;
        result.errorText = ZipResult::Text(ZipResult::NoFile);
        Log::Write(QStringLiteral("Error Ziping... Zip-File: %1\r\nError: %2 (%3)")
                       .arg(task.target, result.errorText, renamed.text));
        removeIncomplete(partPath);
        return result;
    }
    result.archives = 1;
    return result;
}

} // namespace

Result Run(const QList<Task> &tasks, const std::atomic<bool> *cancel, const Progress &progress)
{
    int total = 0;
    for (const Task &task : tasks)
        total += int(task.sources.size());
    int done = 0;
    Result result;
    for (const Task &task : tasks) {
        const Result one = writeArchive(task, &done, total, cancel, progress);
        result.archives += one.archives;
        if (!one.Succeeded()) {
            result.error = one.error;
            result.cancelled = one.cancelled;
            result.errorText = one.errorText;
            break;
        }
    }
    return result;
}

QList<Source> Collect(const QStringList &paths, const QString &baseFolder, const QString &target)
{
    const QDir base(baseFolder);
    const QString targetPath = target.isEmpty() ? QString() : QFileInfo(target).absoluteFilePath();
    QSet<QString> taken;
    QList<Source> sources;
    const auto add = [&](const QString &path) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (absolute == targetPath)
            return;
        QString name = QDir::cleanPath(base.relativeFilePath(absolute));
        if (baseFolder.isEmpty() || name.startsWith(QLatin1String("../")) || name == QLatin1String("..")
            || QDir::isAbsolutePath(name))
            name = QFileInfo(absolute).fileName();
        if (taken.contains(name)) {
            const int dot = name.lastIndexOf(QLatin1Char('.'));
            const int slash = name.lastIndexOf(QLatin1Char('/'));
            const bool hasExtension = dot > slash + 1;
            for (int n = 2;; ++n) {
                const QString candidate = hasExtension
                    ? QStringLiteral("%1 (%2)%3").arg(name.left(dot)).arg(n).arg(name.mid(dot))
                    : QStringLiteral("%1 (%2)").arg(name).arg(n);
                if (!taken.contains(candidate)) {
                    name = candidate;
                    break;
                }
            }
        }
        taken.insert(name);
        sources.append({ absolute, name });
    };
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            add(path);
            continue;
        }
        QStringList files;
        QDirIterator it(
            path, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        for (const QString &file : files)
            add(file);
    }
    return sources;
}

QList<Task> IndividualTasks(const QStringList &paths, const QString &targetFolder)
{
    QList<Task> tasks;
    for (const QString &path : paths) {
        const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
        const QString target = QDir(targetFolder).filePath(ArchiveNameFor(info.fileName()));
        tasks.append({ target, Collect({ path }, info.absolutePath(), target), false });
    }
    return tasks;
}

QString ArchiveNameFor(const QString &fileName)
{
    const QString lower = fileName.toLower();
    for (const QString &extension : RecordingFiles::Extensions()) {
        if (lower.endsWith(extension) && fileName.size() > extension.size())
            return fileName.left(fileName.size() - extension.size()) + QStringLiteral(".zip");
    }
    return fileName + QStringLiteral(".zip");
}

} // namespace ZipWriter
