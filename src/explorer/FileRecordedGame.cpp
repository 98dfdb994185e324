#include "explorer/FileRecordedGame.h"

#include "app/FileStrings.h"
#include "app/Log.h"
#include "app/TextFormat.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/FileNames.h"
#include "explorer/FileOperations.h"
#include "explorer/FileSystem.h"
#include "explorer/FolderListing.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>

#include <memory>

namespace {

// The catalogue connection of one operation: the caller's, or one opened
// the first time it is needed.
class CatalogueAccess
{
public:
    explicit CatalogueAccess(CDbSQLite *db)
        : m_db(db)
    {
    }
    CDbSQLite *Get()
    {
        if (!m_db) {
            m_own = Catalogue::OpenCatalogue();
            m_db = m_own.get();
        }
        return m_db;
    }

private:
    CDbSQLite *m_db;
    std::unique_ptr<CDbSQLite> m_own;
};

QString suffixOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? fileName.mid(dot) : QString();
}

} // namespace

CFileRecordedGame::CFileRecordedGame(const QString &folder, const QString &fileName, int catalogueId)
    : m_folder(folder)
    , m_fileName(fileName)
    , m_catalogueId(catalogueId)
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

CFileRecordedGame::~CFileRecordedGame() = default;

QString CFileRecordedGame::CompleteName(const QString &newName) const
{
    if (FolderListing::IsRecordingName(newName))
        return newName;
    // A ".mgz" stays a ".mgz": the extension tells the game which version wrote it.
    const QString own = suffixOf(m_fileName);
    return newName + (FolderListing::IsRecordingName(own) ? own : QStringLiteral(".mgx"));
}

CFileRecordedGame::Result CFileRecordedGame::failure(const QString &message) const
{
    Result r;
    r.outcome = Outcome::Failed;
    r.message = message;
    r.newName = m_fileName;
    return r;
}

CFileRecordedGame::Result CFileRecordedGame::Rename(
    const QString &newName, const OverwriteQuestion &question, CDbSQLite *db)
{
    Result result;
    result.newName = m_fileName;
    const QString target = CompleteName(newName);
    if (newName == m_fileName || target == m_fileName || !FileNames::IsValid(newName) || !FileNames::IsValid(target)) {
        result.outcome = Outcome::InvalidName;
        result.message = LoadString(StringId::InvalidRecordingName);
        return result;
    }

    const QString source = Path();
    const QString destination = m_folder + target;
    bool replacing = false;
    qint64 replacedSize = 0;
    if (FileSystem::Exists(destination)) {
        switch (question ? question(destination) : OverwriteAnswer::No) {
        case OverwriteAnswer::No:
            result.outcome = Outcome::Declined;
            return result;
        case OverwriteAnswer::Cancel:
            result.outcome = Outcome::Cancelled;
            return result;
        case OverwriteAnswer::Yes:
        case OverwriteAnswer::YesToAll:
            break;
        }
        replacing = true;
        replacedSize = QFileInfo(destination).size();
    }

    // The other file is replaced by the rename itself, never deleted first:
    // a rename that fails leaves both files as they were.
    const FileSystem::Status status
        = replacing ? FileSystem::RenameReplace(source, destination) : FileSystem::RenameNoReplace(source, destination);
    if (!status) {
        Log::Write(QStringLiteral("Error renaming file\r\nSrc: %1\r\n Dst: %2\r\nError: %3")
                       .arg(source, destination, status.text));
        return failure(FormatText(LoadString(StringId::RenameFilesError), { status.text }));
    }
    m_fileName = target;
    result.outcome = Outcome::Done;
    result.newName = target;

    if (!replacing && m_catalogueId <= 0)
        return result;
    CatalogueAccess catalogue(db);
    CDbSQLite *connection = catalogue.Get();
    if (replacing && connection) {
        CRecordedGame replaced;
        if (CSummaryLookup(*connection).Load(replaced, target, replacedSize) && replaced.catalogueId != m_catalogueId
            && replaced.catalogueId > 0) {
            if (Catalogue::DeleteFromCatalogue(replaced.catalogueId, *connection))
                result.replacedId = replaced.catalogueId;
            else
                Log::Write(QStringLiteral("Error deleting the replaced recorded game from the catalogue\r\nId: %1\r\n"
                                          "File: %2")
                               .arg(replaced.catalogueId)
                               .arg(destination));
        }
    }
    if (m_catalogueId > 0 && !(connection && Catalogue::RenameById(*connection, target, m_catalogueId))) {
        // The file has its new name; its entry keeps the old one until the
        // game is analysed again.
        result.catalogueUpdated = false;
        Log::Write(QStringLiteral("Error renaming recorded game in the catalogue\r\nId: %1\r\nSrc: %2\r\n Dst: %3")
                       .arg(m_catalogueId)
                       .arg(source, destination));
    }
    return result;
}

CFileRecordedGame::Result CFileRecordedGame::Delete(DeleteMode mode, CDbSQLite *db)
{
    const QString path = Path();
    QString error;
    if (!FileOperations::DeletePath(path, mode == DeleteMode::Trash, &error))
        return failure(FormatText(LoadString(StringId::DeleteError), { error }));
    Result result;
    result.outcome = Outcome::Done;
    result.newName = m_fileName;
    if (m_catalogueId > 0) {
        CatalogueAccess catalogue(db);
        CDbSQLite *connection = catalogue.Get();
        if (!connection || !Catalogue::DeleteFromCatalogue(m_catalogueId, *connection)) {
            result.catalogueUpdated = false;
            Log::Write(QStringLiteral("Error deleting recorded game from the catalogue\r\nId: %1\r\nFile: %2")
                           .arg(m_catalogueId)
                           .arg(path));
        } else {
            m_catalogueId = 0;
        }
    }
    return result;
}
