#pragma once

#include "explorer/Overwrite.h"

#include <QString>

class CDbSQLite;

// One recording file together with its catalogue entry. The catalogue knows
// a game by file name and size, so a rename of the file renames the entry
// and a deletion drops it. Nothing here asks or shows anything: an existing
// target is put to the caller's question, and every outcome comes back as a
// value with the text to show; failures are also logged.
class CFileRecordedGame
{
public:
    enum class Outcome {
        Done, // renamed or deleted
        InvalidName, // refused before touching the file: a dialog stays open
        Declined, // the target exists and the answer was No
        Cancelled, // the target exists and the answer was Cancel
        Failed // the file operation failed; message and log say why
    };
    enum class DeleteMode { Trash, Permanent };

    struct Result
    {
        Outcome outcome = Outcome::Failed;
        QString message; // for the user (caption "Atention"); empty unless InvalidName or Failed
        QString newName; // the file's name afterwards
        int replacedId = 0; // entry of the file the rename replaced, now deleted from the catalogue
        bool catalogueUpdated = true; // false when the entry could not follow the file (logged)
        bool Succeeded() const { return outcome == Outcome::Done; }
    };

    // folder ends with "/"; catalogueId is 0 for a file the catalogue does not know.
    CFileRecordedGame(const QString &folder, const QString &fileName, int catalogueId = 0);
    virtual ~CFileRecordedGame();

    QString Folder() const { return m_folder; }
    QString FileName() const { return m_fileName; }
    QString Path() const { return m_folder + m_fileName; }
    int CatalogueId() const { return m_catalogueId; }

    // The name a rename to newName gives the file: the file's own recording
    // extension (".mgx" when it has none) is appended unless newName already
    // ends in a recording extension.
    QString CompleteName(const QString &newName) const;

    // Renames the file to CompleteName(newName) in its folder. A name equal
    // to the current one, or one that may not reach the file system, is
    // refused. An existing target is replaced only on Yes (or Yes to all),
    // in one atomic step, and its catalogue entry (same name and size) is
    // deleted. The entry of this file then takes the new name by its id.
    // db may be null: a connection is opened when the catalogue is needed.
    Result Rename(const QString &newName, const OverwriteQuestion &question, CDbSQLite *db = nullptr);

    // Deletes the file (to the trash or for good) and, only when it is
    // really gone, its catalogue entry.
    Result Delete(DeleteMode mode, CDbSQLite *db = nullptr);

private:
    Result failure(const QString &message) const;

    QString m_folder;
    QString m_fileName;
    int m_catalogueId = 0;
};
