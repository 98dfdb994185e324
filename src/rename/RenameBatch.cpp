#include "rename/RenameBatch.h"

#include "app/FileStrings.h"
#include "app/Log.h"
#include "app/Settings.h"
#include "app/TextFormat.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/FileNames.h"
#include "explorer/FileSystem.h"
#include "explorer/FolderListing.h"
#include "rename/RenameStrings.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cerrno>
#include <memory>

namespace {

const QString kNumber = QStringLiteral("%d");
// A folder never holds this many numbered copies of one name; the bound
// keeps a search through a strange folder finite.
constexpr int kMaxNumber = 100000;

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot) : QString();
}

// The folder as the batch changes it, before anything is touched: which
// names are taken, which are files, where each entry's file went and which
// catalogue id the file at a name has.
class FolderView
{
public:
    explicit FolderView(const QString &folder)
    {
        const QDir dir(folder);
        const QFileInfoList list
            = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &info : list) {
            m_taken.insert(info.fileName());
            if (info.isFile())
                m_sizes.insert(info.fileName(), info.size());
        }
    }

    bool IsTaken(const QString &name) const { return m_taken.contains(name); }
    bool IsFile(const QString &name) const { return m_sizes.contains(name); }
    qint64 SizeOf(const QString &name) const { return m_sizes.value(name); }
    int IdAt(const QString &name) const { return m_ids.value(name); }
    void SetId(const QString &name, int id)
    {
        if (id > 0)
            m_ids.insert(name, id);
    }
    // Where the file first seen under name is now.
    QString Location(const QString &name) const { return m_location.value(name, name); }

    void Move(const QString &from, const QString &to)
    {
        m_taken.remove(from);
        m_taken.insert(to);
        if (m_sizes.contains(from))
            m_sizes.insert(to, m_sizes.take(from));
        if (m_ids.contains(from))
            m_ids.insert(to, m_ids.take(from));
        const QString origin = m_origin.contains(from) ? m_origin.take(from) : from;
        m_origin.insert(to, origin);
        m_location.insert(origin, to);
    }

private:
    QSet<QString> m_taken;
    QHash<QString, qint64> m_sizes;
    QHash<QString, int> m_ids;
    QHash<QString, QString> m_origin; // current name -> first name
    QHash<QString, QString> m_location; // first name -> current name
};

QString renamedList(const QList<CRenameStep> &steps)
{
    QStringList lines;
    for (const CRenameStep &s : steps)
        lines.append(s.from + QStringLiteral(" -> ") + s.to);
    return lines.join(QStringLiteral("\r\n"));
}

CRenameBatch::Outcome failed(int result, const QString &message)
{
    CRenameBatch::Outcome out;
    out.result = result;
    out.message = message;
    return out;
}

} // namespace

namespace CollisionText {

bool IsValid(const QString &text)
{
    if (text.count(QLatin1Char('%')) != 1 || text.count(kNumber) != 1)
        return false;
    const QString sample = QString(text).replace(kNumber, QStringLiteral("1"));
    for (QChar c : sample)
        if (FileNames::IsForbiddenCharacter(c))
            return false;
    return true;
}

QString Current()
{
    const QString text = CSettings::Instance().CollisionText();
    if (IsValid(text))
        return text;
    Log::Write(QStringLiteral("The collision text \"%1\" is not usable; \"%2\" is used instead")
                   .arg(text, QString::fromLatin1(SettingsDefault::CollisionExt)));
    return QString::fromLatin1(SettingsDefault::CollisionExt);
}

QString Numbered(const QString &base, const QString &text, int n, const QString &extension)
{
    return base + QString(text).replace(kNumber, QString::number(n)) + extension;
}

} // namespace CollisionText

CRenameBatch::CRenameBatch(const QString &folder, const QList<CRenameEntry> &entries, const QString &collisionText)
    : m_folder(folder)
    , m_entries(entries)
    , m_collisionText(CollisionText::IsValid(collisionText) ? collisionText
                                                            : QString::fromLatin1(SettingsDefault::CollisionExt))
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

CRenameBatch::~CRenameBatch() = default;

QString CRenameBatch::CompleteName(const QString &wanted)
{
    return FolderListing::IsRecordingName(wanted) ? wanted : wanted + QStringLiteral(".mgx");
}

QString CRenameBatch::TargetFor(const QString &currentName, const QString &wanted)
{
    const QString complete = CompleteName(wanted);
    const QString own = extensionOf(currentName);
    if (complete.endsWith(QStringLiteral(".mgx"), Qt::CaseInsensitive) && FolderListing::IsRecordingName(currentName)
        && own.compare(QStringLiteral(".mgx"), Qt::CaseInsensitive) != 0)
        return complete.chopped(4) + own;
    return complete;
}

CRenameBatch::Outcome CRenameBatch::Plan() const
{
    // Every wanted name is checked before anything is planned: one bad
    // name leaves the whole folder as it is.
    for (const CRenameEntry &e : m_entries) {
        const QString wanted = CompleteName(e.wantedName);
        // A name that is nothing but an extension would make a hidden file.
        const QString base = wanted.left(wanted.lastIndexOf(QLatin1Char('.')));
        if (!FileNames::IsValid(e.wantedName) || !FileNames::IsValid(wanted) || base.trimmed().isEmpty())
            return failed(InvalidName,
                FormatText(LoadString(StringId::InvalidBatchName), { e.currentName, e.wantedName }));
    }

    FolderView view(m_folder);
    for (const CRenameEntry &e : m_entries)
        view.SetId(e.currentName, e.catalogueId);

    Outcome out;
    QString problem;
    auto freeName = [&](const QString &base, const QString &extension) -> QString {
        for (int n = 1; n <= kMaxNumber; ++n) {
            const QString name = CollisionText::Numbered(base, m_collisionText, n, extension);
            if (!view.IsTaken(name)) {
                if (!FileNames::IsValid(name))
                    problem = FormatText(LoadString(StringId::InvalidBatchName), { base + extension, name });
                return name;
            }
        }
        problem = FormatText(LoadString(StringId::RenameFilesError),
            { FileSystem::Status::Failure(EEXIST).text + QStringLiteral(": ") + base + extension });
        return QString();
    };
    auto move = [&](const QString &from, const QString &to) {
        out.planned.append({ from, to, view.IdAt(from), Catalogue::CatalogueFileSize(view.SizeOf(from)) });
        view.Move(from, to);
    };

    for (const CRenameEntry &e : m_entries) {
        const QString source = view.Location(e.currentName);
        if (!view.IsFile(source))
            return failed(Failed,
                FormatText(LoadString(StringId::RenameFilesError),
                    { FileSystem::Status::Failure(ENOENT).text + QStringLiteral(": ") + e.currentName }));
        const QString wanted = CompleteName(e.wantedName);
        const QString extension = extensionOf(wanted);
        const QString base = wanted.chopped(extension.size());

        if (view.IsFile(wanted)) {
            // The file holding the name moves to the next free number first.
            const QString occupantTo = freeName(base, extension);
            if (occupantTo.isEmpty() || !problem.isEmpty())
                return failed(occupantTo.isEmpty() ? Failed : InvalidName, problem);
            move(wanted, occupantTo);
            if (source == wanted)
                continue;
        }
        // A free plain name is taken as it is; a name whose numbered series
        // exists, or that a folder holds, joins the series.
        const QString first = CollisionText::Numbered(base, m_collisionText, 1, extension);
        const QString target = !view.IsTaken(wanted) && !view.IsTaken(first) ? wanted : freeName(base, extension);
        if (target.isEmpty() || !problem.isEmpty())
            return failed(target.isEmpty() ? Failed : InvalidName, problem);
        move(source, target);
    }
    out.result = Done;
    return out;
}

CRenameBatch::Outcome CRenameBatch::Run(CDbSQLite *db)
{
    Outcome out = Plan();
    if (out.result != Done || out.planned.isEmpty())
        return out;
    std::unique_ptr<CDbSQLite> own;
    if (!db) {
        own = Catalogue::OpenCatalogue();
        db = own.get();
    }
    if (!db)
        return failed(Failed, LoadString(StringId::CatalogueUnavailable));

    auto stop = [&](const QString &message) {
        out.result = Failed;
        out.message = message;
        if (!out.done.isEmpty())
            out.message += QStringLiteral("\r\n\r\n")
                + FormatText(LoadString(StringId::BatchStopped), { renamedList(out.done) });
        return out;
    };
    for (const CRenameStep &step : std::as_const(out.planned)) {
        const QString from = m_folder + step.from;
        const QString to = m_folder + step.to;
        const FileSystem::Status status = FileSystem::RenameNoReplace(from, to);
        if (!status) {
            Log::Write(QStringLiteral("Error renaming file\r\nSrc: %1\r\n Dst: %2\r\nError: %3").arg(from, to, status.text));
            return stop(FormatText(LoadString(StringId::RenameFilesError), { status.text }));
        }
        const bool followed = step.catalogueId > 0 ? Catalogue::RenameById(*db, step.to, step.catalogueId)
                                                   : Catalogue::RenameByName(*db, step.from, step.catalogueSize, step.to);
        if (!followed) {
            // A file whose entry keeps the old name would look unknown; put
            // the name back so file and catalogue agree.
            const FileSystem::Status back = FileSystem::RenameNoReplace(to, from);
            Log::Write(QStringLiteral("Error renaming recorded game in the catalogue\r\nId: %1\r\nSrc: %2\r\n Dst: %3%4")
                           .arg(step.catalogueId)
                           .arg(from, to, back ? QString() : QStringLiteral("\r\nThe file keeps the new name: ") + back.text));
            if (!back)
                out.done.append(step);
            return stop(LoadString(StringId::CatalogueUnavailable));
        }
        out.done.append(step);
    }
    out.result = Done;
    return out;
}
