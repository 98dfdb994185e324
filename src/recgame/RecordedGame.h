#pragma once

#include "recgame/GameVersion.h"
#include "recgame/Player.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFileInfo;

#include <array>
#include <cstdint>

// The in-memory description of one recorded game. The reader fills the file
// fields and the two byte buffers, the header parser and body scan the rest;
// the catalogue can also fill it from stored rows. Owned by its creator and
// never shared between threads.
class CRecordedGame
{
public:
    static constexpr int kSlots = 9;
    static constexpr int kTerrainSize = 57600; // 240 x 240 tiles at most
    static constexpr int kMatchSizeNone = -1;
    static constexpr int kMatchSizeFFA = 0;
    static constexpr int kTeamRecordingDuel = 10;
    static constexpr int kGameTypeScenario = 3;
    static constexpr int kMapIdScenario = 2;
    static constexpr int kLastCivilization = 31;

    CRecordedGame();
    virtual ~CRecordedGame() = default;
    CRecordedGame(const CRecordedGame &) = default;
    CRecordedGame(CRecordedGame &&) noexcept = default;
    CRecordedGame &operator=(const CRecordedGame &) = default;
    CRecordedGame &operator=(CRecordedGame &&) noexcept = default;

    // Back to the state of a new record, with the capacity of its byte
    // buffers kept for the next file read into it (see ReadFile).
    void Reset();

    // --- reading (RecordedGameFile.cpp)
    // Stores the path; when the file opens, its length (low 32 bits) too.
    void SetFile(const QString &path);
    // Reads the file: date, inflated header, body. False (and a log entry)
    // when it cannot be opened or its header length does not fit the file.
    // The buffers of the previous file are reused, up to a size; the body's
    // buffer holds the compressed header until it is inflated.
    bool ReadFile();
    // The reason of the last ReadFile failure, for callers that show it.
    QString ReadError() const { return m_readError; }
    // A recording's date: its last-write time, or its last-access time when
    // that is earlier (seconds since 1970).
    static qint64 FileDate(const QFileInfo &info);

    // --- parsing (HeaderParser.cpp, BodyScan.cpp)
    // Without readTerrain the tiles are not copied (the terrain stays filled
    // with one id); every other field is the same. For callers that never
    // draw the minimap.
    void Analyze(bool readTerrain);
    void Reanalyze(bool scanBody);

    // --- derived values
    QString GetMapName(bool english) const;
    QString GetMatchSizeLabel() const;
    static QString FormatGameTime(int milliseconds);
    void BuildTeamLabels();
    QString TeamLabelA() const { return teamLabelA; }
    QString TeamLabelB() const { return teamLabelB; }
    // The part of the file path after its last "/".
    QString FileName() const;

    static QString CivilizationName(int civilization);
    // The string id of a civilization's name; 0 for ids no version uses.
    static int CivilizationStringId(int civilization);
    static QString GameTypeName(int gameType);
    static QString MatchSizeLabel(int code);

    // Team label helpers, exposed for tests and the renamer.
    static QString TrimUnderscores(const QString &name);
    static QString DuelTag(const QString &name, const QString &suffix);
    static QString LeadingTag(const QString &name, int n);
    static QString TrailingTag(const QString &name, int n);
    QString TeamTag(int team, const QString &name, const QString &suffix) const;

    // --- fields
    std::array<std::uint8_t, kTerrainSize> terrain{};
    QString filePath;
    std::uint32_t fileSize = 0;
    int mapId = 0;
    QString mapName;
    int mapWidth = 0;
    int mapHeight = 0;
    QString duration;
    int durationSeconds = 0;
    int catalogueId = 0;
    int platform = 0;
    int povSlot = 0;
    int playerCount = 0;
    int gameType = 0;
    int matchSize = kMatchSizeNone;
    CPlayer povPlayer;
    std::array<CPlayer, kSlots> players;
    QString preGameChat;
    QString gameChat;
    qint64 date = 0;
    QString teamLabelA;
    QString teamLabelB;
    QByteArray header;
    QByteArray body;
    // Which game wrote the file; set by Analyze and Reanalyze.
    CGameVersion version;
    // Names of the lobby seats taken by spectators; they are not players.
    QStringList spectators;

private:
    void scanBody(bool setDuration);
    void setFirstToFlags();
    void completePartners(bool byFeudalTime);
    void readPreGameChat(qsizetype from);

    // Empties the buffer keeping its capacity, unless that is too large to
    // keep (16 MiB) or it is shared with a copy of the record.
    static void emptyForReuse(QByteArray &buffer);

    QString m_readError;
};
