#pragma once

#include <QList>
#include <QString>

class CRecordedGame;
class QSettings;
struct RenamePlayerTexts;

// One rename format: a title, a template whose tags in braces stand for facts
// of a game, and the kind of game it is meant for.
struct CRenameFormat
{
    QString title;
    QString format;
    int type = 0; // 0 team game, 1..4 "n vs n"

    bool operator==(const CRenameFormat &) const = default;
};

// One name produced by Expand: the final name, the name before the team,
// country, map and round tags were replaced (the single rename dialog puts
// its own values there), and the format it came from.
struct CRenameResult
{
    QString name;
    QString partial;
    int formatIndex = -1;
};

// The rename formats of the settings and their expansion for one game.
// Results are appended by every Expand; ClearResults() before reusing the
// object for another game.
class CRenamer
{
public:
    // The expansion's view of the settings; taken from the process-wide
    // settings when the object is made.
    struct Options
    {
        bool englishMaps = true;
        QString customDate;
    };

    CRenamer();
    explicit CRenamer(const Options &options);
    virtual ~CRenamer();

    const Options &ExpandOptions() const { return m_options; }
    QString RepeatText() const { return m_repeatText; }

    // The format store in the settings section "RenameFormats".
    void LoadFormats();
    void LoadFormats(const QSettings &store);
    void SaveFormats() const;
    void SaveFormats(QSettings &store) const;
    void AddFormat(const QString &title, const QString &format, int type);
    void ClearFormats() { m_formats.clear(); }
    const QList<CRenameFormat> &Formats() const { return m_formats; }

    // Writes the formats of the default formats file into the store: one
    // line "title;type;format" each, up to the first empty line. Only the
    // first two ";" split a line, so a format may hold ";". False, with
    // nothing written, when the file cannot be read.
    static bool StoreDefaultFormats(const QString &path, QSettings &store);
    // The shipped file and the process-wide store.
    static bool StoreDefaultFormats();
    static QString DefaultFormatsPath();
    // Whether the store holds a format count (the formats were seeded once).
    static bool HasStoredFormats(const QSettings &store);

    // Whether a format of type applies to a game of the match size code:
    // team formats to every game but a 1 vs 1, "n vs n" formats to n vs n.
    static bool Applies(int type, int matchSize);

    // Expands every applicable format, in list order, for the game and
    // appends the results. The team labels of the game are built first.
    void Expand(CRecordedGame &game, const QString &round);
    void ClearResults() { m_results.clear(); }
    const QList<CRenameResult> &Results() const { return m_results; }
    int ResultCount() const { return int(m_results.size()); }
    QString GetResult(int i) const;
    QString GetPartialResult(int i) const;

    // Expands one format for the game whatever its type (a pattern typed
    // on the command line).
    QString ExpandFormat(CRecordedGame &game, const QString &format, const QString &round) const;

    // The last step of an expansion on a partial name: the team countries,
    // map, round and team labels. The single rename dialog calls it with
    // the values its fields hold.
    struct FinalValues
    {
        QString nationA;
        QString nationB;
        QString map;
        QString round;
        QString teamA;
        QString teamB;
    };
    static QString Finish(QString partial, const FinalValues &values);
    // The final values of a game as Expand uses them.
    FinalValues GameValues(CRecordedGame &game, const QString &round) const;

    // The check of an entry of the formats dialog: title and format trimmed,
    // ".mgx" appended to a format without it. Empty when the entry may be
    // kept, else the text to show; errorCaption tells "Error" from "Atention".
    static QString CheckEntry(CRenameFormat &entry, bool *errorCaption = nullptr);
    // "Team Game" for type 0, "Game: n vs n" for the others.
    static QString TypeDescription(int type);

    // A value put into a name: characters a file name cannot hold (path
    // separators, reserved and control characters) become "_".
    static QString NameSafe(const QString &value);

private:
    struct GameTexts;
    GameTexts gameTexts(CRecordedGame &game, const QString &round) const;
    static CRenameResult expandOne(const QString &format, const GameTexts &g);

    Options m_options;
    QString m_repeatText;
    QList<CRenameFormat> m_formats;
    QList<CRenameResult> m_results;
};
