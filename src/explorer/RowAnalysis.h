#pragma once

#include "explorer/GameRow.h"

#include <QString>

class CDbSQLite;
class CRecordedGame;

// What the game list does with one selected row, and the re-analysis
// command. Runs on the calling thread with its own catalogue connection.
namespace RowAnalysis {

enum class Outcome {
    Loaded, // a stored game was loaded by its id
    Stored, // an unknown recording was analysed and stored
    Failed, // the recording could not be read (or loaded)
    NotRecording // folders and archives: nothing to show
};

// Reads and analyses a recording file. False (with the reason) when it
// cannot be read or holds no recorded game header.
bool AnalyzeFile(const QString &path, CRecordedGame &game, QString *reason = nullptr, bool readTerrain = false);

// The analysis on selection. A known row is loaded by its catalogue id with
// details (terrain, chat, age times); an unknown recording is read, stored
// under the default platform of its game type, and the row takes the new
// catalogue columns. folder ends with "/".
Outcome AnalyzeSelection(const QString &folder, CGameRow &row, CRecordedGame &game);

// "Re-Analyze": deletes the stored game and stores the file anew under the
// default platform of its game type. When the file cannot be read the row
// is left unanalysed (its catalogue columns emptied) and false is returned.
bool Reanalyze(const QString &folder, CGameRow &row, CRecordedGame &game);

// Deletes the stored game of row and stores its file anew under platform
// (-1: the default platform of its game type), so that everything read from
// the file (names under a new code page, for one) follows. False, with the
// row unanalysed, when the file cannot be read.
bool Reread(const QString &folder, CGameRow &row, CRecordedGame &game, CDbSQLite &db, int platform);

// Stores a game analysed with AnalyzeFile under platform (-1: the default
// platform of its game type) and gives row its catalogue columns.
bool StoreAnalysed(CGameRow &row, CRecordedGame &game, CDbSQLite &db, int platform, QString *reason = nullptr);

// Analyses the file of row and stores it under platform on db.
bool AnalyzeAndStore(
    const QString &folder, CGameRow &row, CRecordedGame &game, CDbSQLite &db, int platform, QString *reason = nullptr);

} // namespace RowAnalysis
