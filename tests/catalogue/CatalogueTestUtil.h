#pragma once

#include "TestEnv.h"
#include "app/Log.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DbSqlite.h"
#include "catalogue/SqlStatement.h"
#include "recgame/RecordedGame.h"

#include <QFile>
#include <QStringList>

// Helpers shared by the catalogue tests: games built in memory, counts and
// the log's text.
namespace CatTest {

struct P
{
    QString name;
    int civilization = 1;
    int colour = 0;
    int team = 1;
};

inline CRecordedGame Game(const QString &fileName, quint32 size, const QList<P> &players, int povSlot = 1,
    int mapId = 9, const QString &mapName = QString(), int gameType = 0)
{
    CRecordedGame game;
    game.filePath = QStringLiteral("/nowhere/") + fileName;
    game.fileSize = size;
    game.mapId = mapId;
    game.mapName = mapName;
    game.gameType = gameType;
    game.duration = QStringLiteral("00:25:00");
    game.povSlot = povSlot;
    game.matchSize = players.size() == 2 ? 1 : (players.size() == 4 ? 2 : 0);
    for (int i = 0; i < players.size(); ++i) {
        CPlayer &p = game.players[i + 1];
        p.name = players[i].name;
        p.number = i + 1;
        p.civilization = players[i].civilization;
        p.colour = players[i].colour >= 0 ? players[i].colour : i;
        p.team = players[i].team;
        p.active = true;
    }
    return game;
}

inline int Count(CDbSQLite &db, const QString &sql, const QVariantList &values = {})
{
    auto s = db.CreateStatement(sql);
    s->BindAll(values);
    return s->NextRow() ? s->ColumnInt(0) : -1;
}

inline QString LogText()
{
    return TestEnv::logText();
}

} // namespace CatTest
