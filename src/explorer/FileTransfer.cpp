#include "explorer/FileOperations.h"

#include "app/FileStrings.h"
#include "app/Log.h"
#include "app/TextFormat.h"
#include "explorer/FileSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace FileOperations {

namespace {

constexpr qint64 kBlock = 1 << 20;

QString canonical(const QString &path)
{
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : c;
}

// A real folder: links to folders are moved and copied as links, so a walk
// never follows one (and never loops).
bool isRealDir(const QFileInfo &info)
{
    return info.isDir() && !info.isSymLink();
}

// One run of Transfer: the answers given so far, the counters and the result.
class CTransfer
{
public:
    explicit CTransfer(const TransferOptions &options)
        : m_options(options)
    {
    }

    TransferResult Run(const QStringList &sources, const QString &destinationFolder)
    {
        for (const QString &source : sources)
            count(QFileInfo(source));
        const QString destination = canonical(destinationFolder);
        for (const QString &source : sources) {
            if (stopped())
                break;
            const QFileInfo info(source);
            const QString target = destination + QLatin1Char('/') + info.fileName();
            if (isRealDir(info) && intoItself(canonical(source), destination)) {
                m_result.errors << FormatText(
                    LoadString(moving() ? StringId::MoveIntoItself : StringId::CopyIntoItself), { info.fileName() });
                continue;
            }
            if (transfer(info, target))
                ++m_result.done;
        }
        if (m_options.cancel && *m_options.cancel)
            m_result.cancelled = true;
        return m_result;
    }

private:
    bool moving() const { return m_options.mode == TransferMode::Move; }
    bool stopped() const { return m_result.cancelled || (m_options.cancel && *m_options.cancel); }

    static bool intoItself(const QString &folder, const QString &destination)
    {
        return destination == folder || destination.startsWith(folder + QLatin1Char('/'));
    }

    void count(const QFileInfo &info)
    {
        if (!isRealDir(info)) {
            ++m_progress.filesTotal;
            m_progress.bytesTotal += info.isSymLink() ? 0 : info.size();
            return;
        }
        QDirIterator it(info.absoluteFilePath(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (!isRealDir(it.fileInfo()))
                count(it.fileInfo());
        }
    }

    void report()
    {
        if (m_options.progress)
            m_options.progress(m_progress);
    }

    void filesDone(const QFileInfo &info)
    {
        if (!isRealDir(info)) {
            ++m_progress.filesDone;
            report();
            return;
        }
        QDirIterator it(info.absoluteFilePath(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (!isRealDir(it.fileInfo())) {
                ++m_progress.filesDone;
                m_progress.bytesDone += it.fileInfo().isSymLink() ? 0 : it.fileInfo().size();
            }
        }
        report();
    }

    bool fail(const QString &source, const QString &target, const QString &error)
    {
        Log::Write(QStringLiteral("%1\r\nSrc: %2\r\nDst: %3\r\nError: %4")
                       .arg(moving() ? QStringLiteral("Error moving file") : QStringLiteral("Error copying file"),
                           source, target, error));
        m_result.errors << FormatText(
            LoadString(moving() ? StringId::MoveError : StringId::CopyError), { QFileInfo(source).fileName(), error });
        return false;
    }

    // Asks about an existing target; true to replace it.
    bool mayReplace(const QString &target)
    {
        if (m_yesToAll)
            return true;
        switch (m_options.question ? m_options.question(target) : OverwriteAnswer::No) {
        case OverwriteAnswer::YesToAll:
            m_yesToAll = true;
            return true;
        case OverwriteAnswer::Yes:
            return true;
        case OverwriteAnswer::Cancel:
            m_result.cancelled = true;
            return false;
        case OverwriteAnswer::No:
            break;
        }
        m_result.skipped << QFileInfo(target).fileName();
        return false;
    }

    // Moves or copies one entry to target; true when it arrived completely.
    bool transfer(const QFileInfo &source, const QString &target)
    {
        const QString from = source.absoluteFilePath();
        if (!FileSystem::Exists(from))
            return fail(from, target, FileSystem::Status::Failure(ENOENT).text);
        const bool exists = FileSystem::Exists(target);
        if (exists && canonical(from) == canonical(target))
            return true; // already where it should go
        const QFileInfo existing(target);
        if (isRealDir(source)) {
            if (exists && !isRealDir(existing))
                return fail(from, target, LoadString(StringId::ReplaceKindMismatch));
            return transferFolder(source, target, exists);
        }
        bool replace = false;
        if (exists) {
            if (isRealDir(existing))
                return fail(from, target, LoadString(StringId::ReplaceKindMismatch));
            if (!mayReplace(target))
                return false;
            replace = true;
        }
        if (moving()) {
            const FileSystem::Status renamed
                = replace ? FileSystem::RenameReplace(from, target) : FileSystem::RenameNoReplace(from, target);
            if (renamed) {
                m_result.changed = true;
                m_progress.bytesDone += source.isSymLink() ? 0 : source.size();
                filesDone(source);
                return true;
            }
            if (!renamed.CrossDevice())
                return fail(from, target, renamed.text);
        }
        if (!copyFile(source, target, replace))
            return false;
        if (moving()) {
            const FileSystem::Status removed = FileSystem::RemovePermanently(from);
            if (!removed)
                return fail(from, target, removed.text);
        }
        filesDone(source);
        return true;
    }

    bool transferFolder(const QFileInfo &source, const QString &target, bool exists)
    {
        const QString from = source.absoluteFilePath();
        if (!exists && moving()) {
            const FileSystem::Status renamed = FileSystem::RenameNoReplace(from, target);
            if (renamed) {
                m_result.changed = true;
                filesDone(QFileInfo(target));
                return true;
            }
            if (!renamed.CrossDevice())
                return fail(from, target, renamed.text);
        }
        if (!exists) {
            const FileSystem::Status made = FileSystem::MakeDirectory(target);
            if (!made)
                return fail(from, target, made.text);
            QFile::setPermissions(target, source.permissions());
            m_result.changed = true;
        }
        bool complete = true;
        const QFileInfoList children = QDir(from).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name | QDir::DirsFirst);
        for (const QFileInfo &child : children) {
            if (stopped())
                return false;
            complete = transfer(child, target + QLatin1Char('/') + child.fileName()) && complete;
        }
        // A moved folder goes once all it held has gone; what was kept back keeps it.
        if (moving() && complete && !QDir().rmdir(from))
            return fail(from, target, qt_error_string(errno));
        return complete && !stopped();
    }

    static QByteArray digest(QIODevice &device)
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&device);
        return hash.result();
    }

    // Writes the copy under a hidden name beside target and renames it into
    // place once complete: a cancelled or failed copy leaves nothing, and a
    // replaced file stays whole until its successor is.
    bool copyFile(const QFileInfo &source, const QString &target, bool replace)
    {
        const QString from = source.absoluteFilePath();
        if (source.isSymLink())
            return copyLink(source, target, replace);
        QFile in(from);
        if (!in.open(QIODevice::ReadOnly))
            return fail(from, target, in.errorString());
        QTemporaryFile out(QFileInfo(target).absolutePath() + QStringLiteral("/.vellumcast-XXXXXX.part"));
        if (!out.open())
            return fail(from, target, out.errorString());
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QByteArray block;
        while (!in.atEnd()) {
            if (stopped())
                return false;
            block = in.read(kBlock);
            if (block.isEmpty() && in.error() != QFileDevice::NoError)
                return fail(from, target, in.errorString());
            if (out.write(block) != block.size())
                return fail(from, target, out.errorString());
            hash.addData(block);
            m_progress.bytesDone += block.size();
            report();
        }
        if (!out.flush())
            return fail(from, target, out.errorString());
        if (moving()) {
            // The original is deleted next: the copy must be on disk and equal to it.
#ifdef Q_OS_UNIX
            if (::fsync(out.handle()) != 0)
                return fail(from, target, qt_error_string(errno));
#endif
            if (!out.seek(0) || out.size() != in.size() || digest(out) != hash.result())
                return fail(from, target, LoadString(StringId::CopyVerifyFailed));
        }
        out.setPermissions(source.permissions());
        // The list shows a recording's date: keep the original's.
        out.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
        out.setFileTime(source.lastRead(), QFileDevice::FileAccessTime);
        out.close();
        const FileSystem::Status placed = replace ? FileSystem::RenameReplace(out.fileName(), target)
                                                  : FileSystem::RenameNoReplace(out.fileName(), target);
        if (!placed)
            return fail(from, target, placed.text);
        out.setAutoRemove(false);
        m_result.changed = true;
        return true;
    }

    bool copyLink(const QFileInfo &source, const QString &target, bool replace)
    {
        const QString from = source.absoluteFilePath();
        const QString temporary = target + QStringLiteral(".vellumcast-link");
        QFile::remove(temporary);
        if (!QFile::link(source.symLinkTarget(), temporary))
            return fail(from, target, qt_error_string(errno));
        const FileSystem::Status placed
            = replace ? FileSystem::RenameReplace(temporary, target) : FileSystem::RenameNoReplace(temporary, target);
        if (!placed) {
            QFile::remove(temporary);
            return fail(from, target, placed.text);
        }
        m_result.changed = true;
        return true;
    }

    const TransferOptions &m_options;
    TransferResult m_result;
    Progress m_progress;
    bool m_yesToAll = false;
};

} // namespace

TransferResult Transfer(const QStringList &sources, const QString &destinationFolder, const TransferOptions &options)
{
    return CTransfer(options).Run(sources, destinationFolder);
}

bool SameFolder(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && canonical(a) == canonical(b);
}

} // namespace FileOperations
