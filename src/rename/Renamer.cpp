#include "rename/Renamer.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "app/Settings.h"
#include "app/TextCodec.h"
#include "app/TextFormat.h"
#include "explorer/FileNames.h"
#include "explorer/GameRow.h"
#include "ratings/Countries.h"
#include "ratings/Platforms.h"
#include "recgame/RecordedGame.h"
#include "rename/RenameStrings.h"

#include <QFile>
#include <QSettings>

#include <array>

namespace {

// A hand-edited store may claim any count; no one keeps more formats.
constexpr int kMaxFormats = 1000;
// The default formats file is a few lines; anything larger is not ours.
constexpr qint64 kMaxDefaultsFile = 1 << 20;
// Per-player tags with a number up to this are emptied when no player fills them.
constexpr int kTagPlayersPerTeam = 4;

const char *const kRepeatDefault = " g%d";

QString key(const char *name)
{
    return QString::fromLatin1(SettingsKey::RenameSection) + QLatin1Char('/') + QLatin1String(name);
}

QString indexedKey(const char *name, int i)
{
    return key(name) + QString::number(i);
}

// The four fixed date forms of the date tags; the fifth is the "CustomDate" setting.
const std::array<const char *, 4> kDateFormats = { "%m-%d-%y", "%d-%m-%y", "%m-%d-%y %H'%M", "%d-%m-%y %H'%M" };
const std::array<const char *, 4> kDateTags = { "{DATE1}", "{DATE2}", "{DATE3}", "{DATE4}" };

// The eight tags of one player, in replacement order; "%1" is the team
// letter, "%2" the player's number within the team.
const std::array<const char *, 8> kPlayerTags = {
    "{PLAY-%1-%2}", "{NAT-%1-%2}", "{NAT3-%1-%2}", "{CIV-%1-%2}",
    "{CIV3-%1-%2}", "{RAT-%1-%2}", "{RAT+-%1-%2}", "{RAT++-%1-%2}",
};

} // namespace

struct RenamePlayerTexts
{
    std::array<QString, 8> values; // in the order of kPlayerTags
};

namespace {

RenamePlayerTexts playerTexts(const CPlayer &p)
{
    const QString nation = p.country > 0 ? Country::CountryName(p.country) : QString();
    const QString civ = CRecordedGame::CivilizationName(p.civilization);
    const QString rating = QString::number(p.rating);
    RenamePlayerTexts v;
    v.values = { p.name, nation, nation.left(3), civ, civ.left(3), rating, rating.left(3) + QLatin1Char('+'),
        rating.left(3) + QStringLiteral("++") };
    return v;
}

void replaceTag(QString &text, const QString &tag, const QString &value)
{
    if (text.contains(tag))
        text.replace(tag, CRenamer::NameSafe(value));
}

void replacePlayerTags(QString &text, QChar team, int n, const RenamePlayerTexts *player)
{
    for (size_t t = 0; t < kPlayerTags.size(); ++t) {
        const QString tag = QString::fromLatin1(kPlayerTags[t]).arg(team).arg(n);
        replaceTag(text, tag, player ? player->values[t] : QString());
    }
}

int commonCountry(const QList<int> &countries)
{
    if (countries.isEmpty())
        return 0;
    for (int c : countries)
        if (c != countries.first())
            return 0;
    return countries.first();
}

QString nationOf(int country, const char *suffix)
{
    if (country > 0) {
        const QString name = Country::CountryName(country);
        if (!name.isEmpty())
            return name;
    }
    return LoadString(StringId::Nation) + QLatin1String(suffix);
}

} // namespace

CRenamer::CRenamer()
{
    const CSettings &s = CSettings::Instance();
    m_options.englishMaps = s.useEnglishMaps;
    m_options.customDate = s.CustomDateFormat();
    const auto store = CSettings::OpenStore();
    m_repeatText = store->value(key("FormatRepeatGame"), QString::fromLatin1(kRepeatDefault)).toString();
}

CRenamer::CRenamer(const Options &options)
    : m_options(options)
    , m_repeatText(QString::fromLatin1(kRepeatDefault))
{
}

CRenamer::~CRenamer() = default;

void CRenamer::LoadFormats()
{
    LoadFormats(*CSettings::OpenStore());
}

void CRenamer::LoadFormats(const QSettings &store)
{
    m_formats.clear();
    const int count = qBound(0, store.value(key(SettingsKey::RenameFormatsCount), 0).toInt(), kMaxFormats);
    for (int i = 0; i < count; ++i) {
        CRenameFormat f;
        f.title = store.value(indexedKey("Name", i)).toString();
        f.format = store.value(indexedKey("Format", i)).toString();
        f.type = store.value(indexedKey("FormatType", i), 0).toInt();
        if (!f.title.isEmpty() && !f.format.isEmpty())
            m_formats.append(f);
    }
}

void CRenamer::SaveFormats() const
{
    SaveFormats(*CSettings::OpenStore());
}

void CRenamer::SaveFormats(QSettings &store) const
{
    store.setValue(key(SettingsKey::RenameFormatsCount), int(m_formats.size()));
    for (int i = 0; i < m_formats.size(); ++i) {
        store.setValue(indexedKey("Name", i), m_formats[i].title);
        store.setValue(indexedKey("Format", i), m_formats[i].format);
        store.setValue(indexedKey("FormatType", i), m_formats[i].type);
    }
}

void CRenamer::AddFormat(const QString &title, const QString &format, int type)
{
    m_formats.append({ title, format, type });
}

QString CRenamer::DefaultFormatsPath()
{
    return Paths::ResourcesDirectory() + QStringLiteral("data/rename_formats.txt");
}

bool CRenamer::HasStoredFormats(const QSettings &store)
{
    return store.contains(key(SettingsKey::RenameFormatsCount));
}

bool CRenamer::StoreDefaultFormats()
{
    const auto store = CSettings::OpenStore();
    return StoreDefaultFormats(DefaultFormatsPath(), *store);
}

bool CRenamer::StoreDefaultFormats(const QString &path, QSettings &store)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > kMaxDefaultsFile) {
        Log::Write(QStringLiteral("Exception reanding Rename Formats\r\nFile: %1").arg(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Log::Write(QStringLiteral("Exception reanding Rename Formats\r\nFile: %1").arg(path));
        return false;
    }
    const QString text = TextCodec::Decode(bytes);
    int written = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || written >= kMaxFormats)
            break;
        const qsizetype first = line.indexOf(QLatin1Char(';'));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(';'), first + 1);
        const QString title = first < 0 ? line : line.left(first);
        const QString type = first < 0 ? QString() : line.mid(first + 1, second < 0 ? -1 : second - first - 1);
        const QString format = second < 0 ? QString() : line.mid(second + 1);
        store.setValue(indexedKey("Name", written), title);
        store.setValue(indexedKey("FormatType", written), type.trimmed().toInt());
        store.setValue(indexedKey("Format", written), format);
        ++written;
    }
    store.setValue(key(SettingsKey::RenameFormatsCount), written);
    return true;
}

bool CRenamer::Applies(int type, int matchSize)
{
    if (type == 0)
        return matchSize == 0 || matchSize > 1;
    return type >= 1 && type <= 4 && type == matchSize;
}

QString CRenamer::CheckEntry(CRenameFormat &entry, bool *errorCaption)
{
    if (errorCaption)
        *errorCaption = false;
    if (entry.type < 0 || entry.type > 4) {
        if (errorCaption)
            *errorCaption = true;
        return LoadString(StringId::SelectFormatType);
    }
    entry.title = entry.title.trimmed();
    entry.format = entry.format.trimmed();
    if (entry.title.isEmpty())
        return LoadString(StringId::InvalidFormatTitle);
    if (entry.format.isEmpty())
        return LoadString(StringId::InvalidFormatText);
    if (!entry.format.right(4).endsWith(QStringLiteral(".mgx"), Qt::CaseInsensitive))
        entry.format += QStringLiteral(".mgx");
    return QString();
}

QString CRenamer::TypeDescription(int type)
{
    return type == 0 ? LoadString(StringId::FormatTypeTeamGame)
                     : FormatText(LoadString(StringId::FormatTypeGame), { type, type });
}

QString CRenamer::NameSafe(const QString &value)
{
    QString safe = value;
    for (QChar &c : safe)
        if (FileNames::IsForbiddenCharacter(c))
            c = QLatin1Char('_');
    return safe;
}

CRenamer::FinalValues CRenamer::GameValues(CRecordedGame &game, const QString &round) const
{
    game.BuildTeamLabels();
    const int povTeam = game.povPlayer.team;
    QList<int> countriesA;
    QList<int> countriesB;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number > 0)
            (p.team == povTeam ? countriesA : countriesB).append(p.country);
    }
    FinalValues v;
    v.nationA = nationOf(commonCountry(countriesA), " A");
    v.nationB = nationOf(commonCountry(countriesB), " B");
    v.map = game.GetMapName(m_options.englishMaps);
    v.round = round;
    v.teamA = game.TeamLabelA();
    v.teamB = game.TeamLabelB();
    return v;
}

QString CRenamer::Finish(QString partial, const FinalValues &v)
{
    replaceTag(partial, QStringLiteral("{NAT-A}"), v.nationA);
    replaceTag(partial, QStringLiteral("{NAT-B}"), v.nationB);
    replaceTag(partial, QStringLiteral("{MAP}"), v.map);
    replaceTag(partial, QStringLiteral("{ROUND}"), v.round);
    replaceTag(partial, QStringLiteral("{TEAM-A}"), v.teamA);
    replaceTag(partial, QStringLiteral("{TEAM-B}"), v.teamB);
    return partial;
}

struct CRenamer::GameTexts
{
    QString mode;
    QString size;
    QString platform;
    QString ratingPlus;
    QString ratingPlusPlus;
    QString time;
    QString view;
    std::array<QString, 5> dates;
    QList<RenamePlayerTexts> teamA;
    QList<RenamePlayerTexts> teamB;
    FinalValues final;
};

CRenamer::GameTexts CRenamer::gameTexts(CRecordedGame &game, const QString &round) const
{
    GameTexts g;
    g.mode = CRecordedGame::GameTypeName(game.gameType);
    g.size = QString::number(game.matchSize);
    g.platform = Platform::PlatformLabel(game.platform);

    const int povTeam = game.povPlayer.team;
    float sum = 0;
    int counted = 0;
    for (int s = 1; s <= 8; ++s) {
        const CPlayer &p = game.players[s];
        if (p.number <= 0)
            continue;
        sum += float(p.rating);
        ++counted;
        (p.team == povTeam ? g.teamA : g.teamB).append(playerTexts(p));
    }
    if (counted == 0 || game.platform == Platform::Ip) {
        g.ratingPlus = g.ratingPlusPlus = LoadString(StringId::NoRating);
    } else {
        const QString average = QString::asprintf("%f", double(sum / float(counted)));
        g.ratingPlus = average.left(3) + QLatin1Char('+');
        g.ratingPlusPlus = average.left(2) + QStringLiteral("++");
    }
    g.time = QString(game.duration).replace(QLatin1Char(':'), QLatin1Char('\''));
    g.view = game.povPlayer.name;
    for (size_t i = 0; i < kDateFormats.size(); ++i)
        g.dates[i] = FormatRowDate(game.date, QString::fromLatin1(kDateFormats[i]));
    g.dates[4] = FormatRowDate(game.date, m_options.customDate);
    g.final = GameValues(game, round);
    return g;
}

CRenameResult CRenamer::expandOne(const QString &format, const GameTexts &g)
{
    QString text = format;
    replaceTag(text, QStringLiteral("{MODE}"), g.mode);
    replaceTag(text, QStringLiteral("{P}"), g.size);
    replaceTag(text, QStringLiteral("{PLAT}"), g.platform);
    replaceTag(text, QStringLiteral("{RATING+}"), g.ratingPlus);
    replaceTag(text, QStringLiteral("{RATING++}"), g.ratingPlusPlus);
    replaceTag(text, QStringLiteral("{TIME}"), g.time);
    replaceTag(text, QStringLiteral("{VIEW}"), g.view);
    for (size_t i = 0; i < kDateTags.size(); ++i)
        replaceTag(text, QString::fromLatin1(kDateTags[i]), g.dates[i]);
    replaceTag(text, QStringLiteral("{DATEC}"), g.dates[4]);

    for (int n = 1; n <= g.teamA.size(); ++n)
        replacePlayerTags(text, QLatin1Char('A'), n, &g.teamA[n - 1]);
    for (int n = 1; n <= g.teamB.size(); ++n)
        replacePlayerTags(text, QLatin1Char('B'), n, &g.teamB[n - 1]);
    for (int n = int(g.teamA.size()) + 1; n <= kTagPlayersPerTeam; ++n)
        replacePlayerTags(text, QLatin1Char('A'), n, nullptr);
    for (int n = int(g.teamB.size()) + 1; n <= kTagPlayersPerTeam; ++n)
        replacePlayerTags(text, QLatin1Char('B'), n, nullptr);

    return { Finish(text, g.final), text, -1 };
}

void CRenamer::Expand(CRecordedGame &game, const QString &round)
{
    const GameTexts g = gameTexts(game, round);
    for (int f = 0; f < m_formats.size(); ++f) {
        if (!Applies(m_formats[f].type, game.matchSize))
            continue;
        CRenameResult r = expandOne(m_formats[f].format, g);
        r.formatIndex = f;
        m_results.append(r);
    }
}

QString CRenamer::ExpandFormat(CRecordedGame &game, const QString &format, const QString &round) const
{
    return expandOne(format, gameTexts(game, round)).name;
}

QString CRenamer::GetResult(int i) const
{
    return i >= 0 && i < m_results.size() ? m_results[i].name : QString();
}

QString CRenamer::GetPartialResult(int i) const
{
    return i >= 0 && i < m_results.size() ? m_results[i].partial : QString();
}
