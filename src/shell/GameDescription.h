#pragma once

#include <QString>

class CRecordedGame;

// The short text of a game that goes to the clipboard: an optional map
// line, then one line per side with the team label, the side's rating and
// its players joined by the union text. The window's dialog and
// "vellumcast-cli describe" both print it from here.
struct CDescriptionOptions
{
    enum RatingMode { NoRating = 0, FullRating = 1, ShortRating = 2 };
    enum CivilizationMode { NoCivilization = 0, FullCivilization = 1, ShortCivilization = 2 };

    int rating = ShortRating;
    int civilizations = ShortCivilization;
    bool teamNames = true;
    bool mapName = true;
    QString unionText = DefaultUnion();

    static constexpr int kUnionMaxLength = 4;
    static QString DefaultUnion();
};

namespace GameDescription {

// The description of game with options. The game's team labels must be
// built (CRecordedGame::BuildTeamLabels). Lines end in "\n"; the clipboard
// turns them into the platform's line ends.
QString BuildDescription(const CRecordedGame &game, const CDescriptionOptions &options);

// A side's rating as the description shows it: " (1816)" in full, " (18++)"
// short, nothing without players or with the rating off.
QString RatingText(int ratingSum, int players, int mode);

// Loads the stored game the description is made of: by its catalogue id,
// with its players and their current ratings, team labels built. folder is
// the recording's folder (with a trailing "/"). False when it is not stored.
bool LoadStoredGame(int id, const QString &folder, CRecordedGame &game);

} // namespace GameDescription
