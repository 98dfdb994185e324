#pragma once

#include <QList>
#include <QString>

class CRecordedGame;

// What the detail pane shows of one recorded game, decided here so that the
// pane only lays it out.
struct CGameDetails
{
    struct PlayerLine
    {
        int slot = 0;
        QString name;
        QString line; // " Franks - Rating: 1650" or " Franks"
        int civilization = 0; // a known id draws a badge; other values draw none
        int colour = 0;
        int country = 0;
        QString tooltip; // the tooltip text with its leading marks line
        bool firstFeudal = false;
        bool firstCastle = false;
        bool firstImperial = false;
    };

    QString chat; // pre-game chat followed by the game chat
    QString type;
    QString map;
    QString players;
    QString duration;
    QString version;    // "UserPatch 1.5 (save 11.76)"; empty when unknown
    QString spectators; // names joined by ", "; empty without spectators
    int platform = 0;
    QString platformText;
    QString viewName;
    int viewCountry = 0;
    QString viewCountryName; // empty for "No Flag"
    QString ratingAverage;
    QList<PlayerLine> teamA;
    QList<PlayerLine> teamB;
    bool hasTerrain = false; // a scenario shows no minimap

    static CGameDetails Describe(const CRecordedGame &game);
};
