#include "recgame/RecordedGame.h"

#include "app/StringTable.h"

namespace {

// Only the ASCII letters fold; names from recordings are compared byte-wise.
QString asciiLower(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

bool equalsAsciiNoCase(const QString &a, const char *b)
{
    return asciiLower(a) == QLatin1String(b);
}

// "[" at the start and a "]" after it: the text between.
bool bracketTag(const QString &name, QString *tag)
{
    if (!name.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = name.indexOf(QLatin1Char(']'));
    if (close <= 0)
        return false;
    *tag = name.mid(1, close - 1);
    return true;
}

QString trimmedUnderscoresAndSpace(QString label)
{
    label = CRecordedGame::TrimUnderscores(label);
    return label.trimmed();
}

} // namespace

CRecordedGame::CRecordedGame() = default;

void CRecordedGame::Reset()
{
    QByteArray keptHeader = std::move(header);
    QByteArray keptBody = std::move(body);
    *this = CRecordedGame();
    // Emptied at once: a reset record must not hand the last file's bytes
    // to an analysis.
    emptyForReuse(keptHeader);
    emptyForReuse(keptBody);
    header = std::move(keptHeader);
    body = std::move(keptBody);
}

QString CRecordedGame::FileName() const
{
    return filePath.mid(filePath.lastIndexOf(QLatin1Char('/')) + 1);
}

QString CRecordedGame::GetMapName(bool english) const
{
    if ((mapId >= 9 && mapId <= 35) || mapId == 48) {
        const int id = mapId == 48 ? 35 : mapId;
        return english ? LoadString(StringId::EnglishMapNameBase + id) : LoadString(StringId::MapNameBase + id);
    }
    // Later versions' maps; a custom map (44) keeps the name its
    // instructions give. Only a recording of a later version has those ids:
    // in the catalogue 49 and 50 are the rows of unnamed maps, and The Age
    // of Kings numbers its maps differently.
    const bool laterIds = !version.classicLayout() && version.family() != CGameVersion::Family::AgeOfKings;
    if (laterIds && mapId > 35 && mapId != 44 && mapName.isEmpty()) {
        const int id = StringId::LaterMapNameBase + mapId;
        const QString name = english ? SourceString(id) : LoadString(id);
        if (!name.isEmpty())
            return name;
    }
    return mapName;
}

QString CRecordedGame::MatchSizeLabel(int code)
{
    switch (code) {
    case kMatchSizeNone:
        return LoadString(StringId::MatchSizeNone);
    case kMatchSizeFFA:
        return LoadString(StringId::MatchSizeFFA);
    case 1:
    case 2:
    case 3:
    case 4:
        return LoadString(StringId::MatchSize1v1 + code - 1);
    default:
        return QString();
    }
}

QString CRecordedGame::GetMatchSizeLabel() const
{
    return MatchSizeLabel(matchSize);
}

int CRecordedGame::CivilizationStringId(int civilization)
{
    if (civilization >= 1 && civilization <= 18)
        return StringId::CivilizationBase + civilization;
    if (civilization >= 19 && civilization <= kLastCivilization)
        return StringId::LaterCivilizationBase + civilization;
    return 0;
}

QString CRecordedGame::CivilizationName(int civilization)
{
    const int id = CivilizationStringId(civilization);
    return id ? LoadString(id) : QString();
}

QString CRecordedGame::GameTypeName(int type)
{
    return (type >= 0 && type <= 8) ? LoadString(StringId::GameTypeBase + type) : QString();
}

QString CRecordedGame::FormatGameTime(int milliseconds)
{
    const int s = milliseconds / 1000;
    return QString::asprintf("%02d:%02d:%02d", s / 3600, (s / 60) % 60, s % 60);
}

QString CRecordedGame::TrimUnderscores(const QString &name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && name[begin] == QLatin1Char('_'))
        ++begin;
    while (end > begin && name[end - 1] == QLatin1Char('_'))
        --end;
    return name.mid(begin, end - begin);
}

QString CRecordedGame::DuelTag(const QString &name, const QString &suffix)
{
    static const struct
    {
        const char *fragment;
        const char *label;
    } community[] = {
        {"vrask", "Vrask"}, {"chile_", "Chile"}, {"k_drum", "Kadrum"}, {"nuvek_", "NuVeK"}, {"_arg", "Arg"},
    };

    const QString n = TrimUnderscores(name);
    const QString lower = asciiLower(n);
    QString label;
    bool matched = false;
    for (const auto &row : community) {
        if (lower.contains(QLatin1String(row.fragment))) {
            label = QString::fromLatin1(row.label);
            matched = true;
            break;
        }
    }
    if (!matched && !bracketTag(n, &label)) {
        const qsizetype underscore = n.indexOf(QLatin1Char('_'));
        if (underscore >= 0) {
            label = n.left(underscore);
            if (equalsAsciiNoCase(label, "iam") || equalsAsciiNoCase(label, "the"))
                label.clear();
        }
    }
    if (label.isEmpty())
        label = LoadString(StringId::Team) + suffix;
    return label;
}

QString CRecordedGame::LeadingTag(const QString &name, int n)
{
    QString tag;
    if (bracketTag(name, &tag))
        return tag;
    qsizetype first = 0;
    while (first < name.size() && name[first] == QLatin1Char('_'))
        ++first;
    return first < name.size() ? name.mid(first, n) : QString();
}

QString CRecordedGame::TrailingTag(const QString &name, int n)
{
    qsizetype last = name.size() - 1;
    while (last >= 0 && name[last] == QLatin1Char('_'))
        --last;
    if (last < 0)
        return QString();
    const qsizetype begin = std::max<qsizetype>(0, last + 1 - n);
    return name.mid(begin, last + 1 - begin);
}

QString CRecordedGame::TeamTag(int team, const QString &name, const QString &suffix) const
{
    const auto sharedByTeam = [&](const QString &candidate) {
        const QString needle = asciiLower(candidate);
        for (int s = 1; s <= 8; ++s)
            if (players[s].team == team && !asciiLower(players[s].name).contains(needle))
                return false;
        return true;
    };

    const QString trimmed = TrimUnderscores(name);
    QString label;
    bool found = false;
    for (int n = 6; n >= 2 && !found; --n) {
        const QString leading = LeadingTag(name, n);
        if (sharedByTeam(leading)) {
            label = name.startsWith(QLatin1Char('[')) ? trimmed.mid(1, leading.size()) : trimmed.left(leading.size());
            found = true;
            break;
        }
        const QString trailing = TrailingTag(name, n);
        if (sharedByTeam(trailing)) {
            label = trimmed.right(trailing.size());
            found = true;
        }
    }
    if (!found)
        return LoadString(StringId::Team) + suffix;

    label = trimmedUnderscoresAndSpace(label);
    if (equalsAsciiNoCase(label, "nuvek"))
        label = QStringLiteral("NuVeK");
    else if (equalsAsciiNoCase(label, "k_drum"))
        label = QStringLiteral("Kadrum");
    return label;
}

void CRecordedGame::BuildTeamLabels()
{
    const int t = povPlayer.team;
    QString nameA;
    QString nameB;
    int u = 0;
    bool haveA = false;
    bool haveB = false;
    for (int s = 1; s <= 8 && !(haveA && haveB); ++s) {
        if (!haveA && players[s].team == t) {
            nameA = players[s].name;
            haveA = true;
        } else if (!haveB && players[s].team != t) {
            nameB = players[s].name;
            u = players[s].team;
            haveB = true;
        }
    }
    const QString a = QStringLiteral(" A");
    const QString b = QStringLiteral(" B");
    if (matchSize == 1) {
        teamLabelA = DuelTag(nameA, a);
        teamLabelB = DuelTag(nameB, b);
    } else {
        teamLabelA = TeamTag(t, nameA, a);
        teamLabelB = TeamTag(u, nameB, b);
    }
}
