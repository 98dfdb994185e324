#pragma once

#include "TestEnv.h"

#include "recgame/RecordedGame.h"

// A recording of the shared corpus read and analysed as the window does,
// team labels included.
inline CRecordedGame AnalyzedCorpusGame(const QString &name)
{
    CRecordedGame game;
    game.SetFile(TestEnv::corpusFile(name));
    if (!game.ReadFile())
        qWarning("could not read %s", qPrintable(name));
    game.Analyze(true);
    game.BuildTeamLabels();
    return game;
}
