#pragma once

#include <QString>

class CDbSQLite;
class CRecordedGame;

// The record a rename expands: the stored game of a recording, loaded as the
// catalogue holds it (teams, ratings and countries of the catalogue, the
// file's date). A recording the catalogue does not know yet is analysed and
// stored first, under the default platform of its game type, so that its
// entry follows the rename.
namespace RenameGames {

// folder ends with "/". Fills game and returns its catalogue id; 0, with the
// reason, when the file cannot be read or stored.
int LoadOrStore(const QString &folder, const QString &fileName, CDbSQLite &db, CRecordedGame &game,
    QString *reason = nullptr);

} // namespace RenameGames
