#include "ui/CountryFlags.h"

#include <QFileInfo>
#include <QHash>
#include <QPainter>

namespace CountryFlags {

namespace {

// Country ids in order, as lower-case ISO codes of the flag files.
constexpr const char *kCodes[196] = {
    "",
    "af",
    "al",
    "dz",
    "ad",
    "ao",
    "ag",
    "ar",
    "am",
    "au",
    "at",
    "az",
    "bs",
    "bh",
    "bd",
    "bb",
    "by",
    "be",
    "bz",
    "bj",
    "bt",
    "bo",
    "ba",
    "bw",
    "br",
    "bn",
    "bg",
    "bf",
    "mm",
    "bi",
    "kh",
    "cm",
    "ca",
    "cf",
    "td",
    "cl",
    "cn",
    "co",
    "km",
    "cg",
    "cr",
    "hr",
    "cu",
    "cy",
    "cz",
    "cd",
    "dk",
    "dj",
    "dm",
    "do",
    "ec",
    "eg",
    "sv",
    "england",
    "gq",
    "er",
    "ee",
    "et",
    "europeanunion",
    "fj",
    "fi",
    "fr",
    "ga",
    "gm",
    "ge",
    "de",
    "gh",
    "gr",
    "gl",
    "gd",
    "vc",
    "gt",
    "gw",
    "gn",
    "gy",
    "ht",
    "hn",
    "hk",
    "hu",
    "is",
    "in",
    "id",
    "ir",
    "iq",
    "ie",
    "il",
    "it",
    "ci",
    "jm",
    "jp",
    "jo",
    "kz",
    "ke",
    "ki",
    "kw",
    "kg",
    "la",
    "lv",
    "lb",
    "lr",
    "ly",
    "li",
    "lt",
    "lu",
    "mk",
    "mo",
    "mg",
    "mw",
    "my",
    "mv",
    "ml",
    "mt",
    "mr",
    "mu",
    "mx",
    "fm",
    "md",
    "mc",
    "mn",
    "ma",
    "mz",
    "na",
    "nr",
    "np",
    "nl",
    "an",
    "nz",
    "ni",
    "ne",
    "ng",
    "kp",
    "no",
    "om",
    "pk",
    "pa",
    "pg",
    "py",
    "pe",
    "ph",
    "pl",
    "pt",
    "pr",
    "qa",
    "rw",
    "ro",
    "ru",
    "st",
    "sa",
    "sn",
    "rs",
    "sc",
    "sl",
    "sg",
    "sk",
    "si",
    "sb",
    "so",
    "za",
    "kr",
    "es",
    "lk",
    "kn",
    "lc",
    "sd",
    "sr",
    "se",
    "ch",
    "sy",
    "tw",
    "tj",
    "tz",
    "th",
    "tg",
    "to",
    "tt",
    "tn",
    "tr",
    "tm",
    "tv",
    "ae",
    "ug",
    "gb",
    "ua",
    "uy",
    "us",
    "",
    "uz",
    "vu",
    "ve",
    "vn",
    "ws",
    "ye",
    "cs",
    "cd",
    "zm",
    "zw",
};

QString &flagDirectory()
{
    static QString folder = QStringLiteral("/usr/share/flags/countries/16x11/");
    return folder;
}

// Nothing to see, but as wide as a flag, so names stay aligned: an empty
// frame read as a check box.
QPixmap noFlag()
{
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

void SetFlagDirectory(const QString &folder)
{
    flagDirectory() = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString FlagCode(int country)
{
    if (country < 0 || country >= 196)
        return QString();
    return QString::fromLatin1(kCodes[country]);
}

QString FlagFile(int country)
{
    const QString code = FlagCode(country);
    if (code.isEmpty())
        return QString();
    const QString file = flagDirectory() + code + QStringLiteral(".png");
    return QFileInfo::exists(file) ? file : QString();
}

QPixmap Flag(int country)
{
    static QHash<int, QPixmap> cache;
    const auto it = cache.constFind(country);
    if (it != cache.constEnd())
        return *it;
    const QString code = FlagCode(country);
    QPixmap pixmap;
    if (!code.isEmpty())
        pixmap.load(flagDirectory() + code + QStringLiteral(".png"));
    if (pixmap.isNull())
        pixmap = noFlag();
    cache.insert(country, pixmap);
    return pixmap;
}

} // namespace CountryFlags
