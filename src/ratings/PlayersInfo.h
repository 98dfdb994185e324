#pragma once

#include <QList>
#include <QString>

class CDbSQLite;
class CRecordedGame;

// The players of a stored game as the "Edit Players Info" dialog edits
// them: a country per catalogue player, written back to the players table,
// so it holds for that player on that platform in every stored game.
struct CPlayerInfo
{
    QString name;
    int playerId = 0; // Id_Player of the game's platform
    int country = 0;
};

namespace PlayersInfo {

// One entry per catalogue player of the game, in slot order: co-op partners
// stored as one player give one entry, and slots without a catalogue player
// (id 0) none.
QList<CPlayerInfo> Entries(const CRecordedGame &game);

// Writes every entry's country in one transaction: all or nothing.
bool Save(const QList<CPlayerInfo> &entries, CDbSQLite &db);

} // namespace PlayersInfo
