#include "shell/GameDescription.h"

#include "app/StringTable.h"
#include "app/TextFormat.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "recgame/RecordedGame.h"

namespace {

constexpr int kUnionString = 1301;
constexpr int kMapLineString = 1302;

// Strips from both ends of text every character that occurs in chars.
QString trimChars(const QString &text, const QString &chars)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && chars.contains(text[begin]))
        ++begin;
    while (end > begin && chars.contains(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

struct Side
{
    QString players;
    int ratingSum = 0;
    int count = 0;
};

QString civilizationText(int civilization, int mode)
{
    if (mode == CDescriptionOptions::NoCivilization)
        return QString();
    QString name = CRecordedGame::CivilizationName(civilization);
    if (mode == CDescriptionOptions::ShortCivilization)
        name = name.left(3);
    return QLatin1Char('(') + name + QLatin1Char(')');
}

} // namespace

QString CDescriptionOptions::DefaultUnion()
{
    return LoadString(kUnionString);
}

namespace GameDescription {

QString RatingText(int ratingSum, int players, int mode)
{
    if (players <= 0 || mode == CDescriptionOptions::NoRating)
        return QString();
    const int average = ratingSum / players;
    if (mode == CDescriptionOptions::FullRating)
        return QStringLiteral(" (%1)").arg(average);
    // The hundreds: 1816 is "18++", and 950 "9++" rather than a misleading
    // "95++".
    return QStringLiteral(" (%1++)").arg(average / 100);
}

QString BuildDescription(const CRecordedGame &game, const CDescriptionOptions &options)
{
    // The side of slot 1 is the first line, whether or not slot 1 plays.
    const int reference = game.players[1].team;
    Side a;
    Side b;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number == 0)
            continue;
        Side &side = p.team == reference ? a : b;
        side.ratingSum += p.rating;
        ++side.count;
        side.players += p.name + civilizationText(p.civilization, options.civilizations) + options.unionText;
    }

    QStringList lines;
    if (options.mapName)
        lines << FormatText(LoadString(kMapLineString), { game.GetMapName(false) });
    const bool colon = options.teamNames || options.rating != CDescriptionOptions::NoRating;
    const auto line = [&](const Side &side, const QString &label) {
        QString text = (options.teamNames ? label : QString()) + RatingText(side.ratingSum, side.count, options.rating);
        if (colon)
            text += QStringLiteral(": ");
        return text + trimChars(side.players, options.unionText);
    };
    // A side without players has no line: a game of one side is one line.
    if (a.count > 0 || b.count == 0)
        lines << line(a, game.TeamLabelA());
    if (b.count > 0)
        lines << line(b, game.TeamLabelB());
    return lines.join(QLatin1Char('\n'));
}

bool LoadStoredGame(int id, const QString &folder, CRecordedGame &game)
{
    if (id <= 0)
        return false;
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db || !Catalogue::LoadById(game, id, *db, false, folder))
        return false;
    game.BuildTeamLabels();
    return true;
}

} // namespace GameDescription
