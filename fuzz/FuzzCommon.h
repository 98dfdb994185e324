#pragma once

#include "app/Settings.h"
#include "recgame/Minimap.h"
#include "recgame/RecordedGame.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>
#include <cstdlib>

// What both fuzz targets share: a private data directory, and the settings
// that change the parser's path, taken from bytes the reader itself ignores
// (the second int32 of a recording's prefix), so that every input, real
// recordings included, stays a meaningful seed.
namespace FuzzCommon {

inline QString PrivateHome()
{
    static const QString home = [] {
        char pattern[] = "/tmp/vellumcast-fuzz-XXXXXX";
        const char *dir = mkdtemp(pattern);
        const QString path = QString::fromLocal8Bit(dir ? dir : "/tmp");
        qputenv("VELLUMCAST_HOME", path.toLocal8Bit());
        CSettings::Instance().ResetToDefaults();
        return path;
    }();
    return home;
}

inline void ApplySettings(std::uint8_t flags, std::uint8_t codePage)
{
    static const char *const kCodePages[] = {"windows-1252", "GBK", "Big5", "Shift_JIS", "EUC-KR", "windows-1251",
                                             "UTF-8", "no-such-code-page"};
    CSettings &settings = CSettings::Instance();
    // Bits set mean "off", so that zero bytes give the defaults.
    settings.showResign = !(flags & 1);
    settings.showChatTimes = !(flags & 2);
    settings.analyzeScenario = !(flags & 4);
    // Opening a decoder by name is slow; do it only when the choice changes.
    static int current = -1;
    if (current != codePage % 8) {
        current = codePage % 8;
        settings.SetCodePage(QString::fromLatin1(kCodePages[current]));
    }
}

// Everything a caller does with a freshly read record, then what the
// catalogue does with a stored one: a second read and the re-analysis.
// Drawing the minimap costs more than the rest together; a target that
// wants many runs a second may draw only now and then.
inline void Exercise(CRecordedGame &game, bool readTerrain, bool scanAgain, bool drawMinimap = true)
{
    game.Analyze(readTerrain);
    game.BuildTeamLabels();
    (void)game.GetMapName(true);
    (void)game.GetMapName(false);
    (void)game.GetMatchSizeLabel();
    // The labels the analyse command prints for every slot.
    (void)CRecordedGame::GameTypeName(game.gameType);
    (void)CRecordedGame::MatchSizeLabel(game.matchSize);
    for (const CPlayer &player : game.players)
        (void)CRecordedGame::CivilizationName(player.civilization);
    (void)CRecordedGame::FormatGameTime(game.povPlayer.feudalTime);
    if (drawMinimap)
        (void)Minimap::Render(game, 0xFFFFFFFFu);
    game.Reanalyze(scanAgain);
}

} // namespace FuzzCommon
