#pragma once

#include <QList>
#include <QString>

class CDbSQLite;

// The "CollisionExt" text that numbers a name already taken: " Game %d"
// makes "Arabia.mgx" into "Arabia Game 1.mgx". The number is put in as
// text, never through printf.
namespace CollisionText {

// Usable: exactly one "%d", no other "%", and nothing a file name cannot hold.
bool IsValid(const QString &text);
// The setting, or the default when the stored text is not usable (logged).
QString Current();
// base + text with n in place of "%d" + extension.
QString Numbered(const QString &base, const QString &text, int n, const QString &extension);

} // namespace CollisionText

// One file of a batch: its name in the folder, the name it should get
// (with a recording extension; ".mgx" is added when it has none) and its
// catalogue id (0 when not stored).
struct CRenameEntry
{
    QString currentName;
    QString wantedName;
    int catalogueId = 0;
};

// One file rename of a batch and how its catalogue entry follows: by id when
// the file is a known stored game, else by name and size.
struct CRenameStep
{
    QString from;
    QString to;
    int catalogueId = 0;
    qint64 catalogueSize = 0; // for the update by name
};

// Renames the files of one folder to their wanted names. A wanted name
// already taken is resolved with numbered names: the file holding it moves
// to the next free number, and the entry takes the number after it; a
// name that joins an existing numbered series takes the next free number.
// Names are compared exactly, as the file system does.
class CRenameBatch
{
public:
    enum Result { Failed = 0, InvalidName = 1, Done = 2 };

    struct Outcome
    {
        int result = Failed;
        QString message; // for the user when not Done
        QList<CRenameStep> planned;
        QList<CRenameStep> done; // renamed on disk and in the catalogue
    };

    // folder ends with "/" (added when missing).
    CRenameBatch(const QString &folder, const QList<CRenameEntry> &entries, const QString &collisionText);
    virtual ~CRenameBatch();

    // The renames the batch would make, worked out on the folder's listing
    // without touching anything. InvalidName when a wanted name may not
    // reach the file system; Failed when a file is missing or no number is
    // free. Nothing is ever renamed unless the whole plan succeeds.
    Outcome Plan() const;

    // Plans and runs. Each file rename is followed by its catalogue update;
    // when that update fails the file goes back to its old name. The first
    // failure stops the batch: the files renamed before keep their new
    // names and their entries, and the outcome lists them.
    Outcome Run(CDbSQLite *db = nullptr);

    // A wanted name as the batch uses it: ".mgx" added without a recording extension.
    static QString CompleteName(const QString &wanted);
    // The name a file gets from a name made by a format: formats end in
    // ".mgx", but a recording keeps its own recording extension (".mgz",
    // ".mgl"...), which tells the game which version wrote it.
    static QString TargetFor(const QString &currentName, const QString &wanted);

private:
    QString m_folder;
    QList<CRenameEntry> m_entries;
    QString m_collisionText;
};
