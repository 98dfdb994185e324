#pragma once

#include <QString>

// One player slot of a recorded game. Co-operating players who control one
// civilization share a player number; only the first of their slots is active.
class CPlayer
{
public:
    virtual ~CPlayer() = default;

    QString name;
    int number = 0;        // 1..8, 0 for an empty slot
    int civilization = 0;  // 1..18 in The Conquerors, up to 31 in later versions
    int colour = 0;        // 0..7
    int team = 0;          // 0 none, 1..4, 10 for the recording player of a 1 vs 1
    int rating = 0;
    int country = 0;
    int catalogueId = 0;   // Id_Player in the catalogue
    int feudalTime = 0;    // milliseconds of game time, 0 for never
    bool firstFeudal = false;
    int castleTime = 0;
    bool firstCastle = false;
    int imperialTime = 0;
    bool firstImperial = false;
    bool active = false;
    bool resignReported = false;
};
