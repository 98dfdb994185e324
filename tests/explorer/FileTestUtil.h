#pragma once

#include "FixtureWriter.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/SqlStatement.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Small helpers of the file operation tests: recordings written and stored,
// file contents, catalogue counts.
namespace FileTest {

inline QByteArray recording(const QByteArray &a, const QByteArray &b, int minutes = 20)
{
    return Fixture::Recording(HeaderBuilder::Duel(a, b).build(), BodyBuilder().timeStep(minutes * 60000).build());
}

inline QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    return Fixture::Write(path, bytes);
}

// Stores the recording at path (written before) and returns its id, 0 on failure.
inline int store(const QString &path)
{
    CRecordedGame game;
    if (!RowAnalysis::AnalyzeFile(path, game))
        return 0;
    auto db = Catalogue::OpenCatalogue();
    if (!db || !Catalogue::StoreInCatalogue(game, *db, 1))
        return 0;
    return game.catalogueId;
}

inline int count(const QString &sql)
{
    auto db = Catalogue::OpenCatalogue();
    auto s = db->CreateStatement(sql);
    return s->NextRow() ? s->ColumnInt(0) : -1;
}

inline int gamesWithId(int id)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM recgame WHERE Id_Rec_Game = %1").arg(id));
}

inline int playerRowsOf(int id)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM recgame_players WHERE Id_Rec_Game = %1").arg(id));
}

inline QString storedName(int id)
{
    auto db = Catalogue::OpenCatalogue();
    auto s = db->CreateStatement(QStringLiteral("SELECT File_Name FROM recgame WHERE Id_Rec_Game = ?1"));
    s->BindInt(1, id);
    return s->NextRow() ? s->ColumnText(0) : QString();
}

inline QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace FileTest
