#include "ratings/Platforms.h"

#include "app/Settings.h"
#include "app/StringTable.h"

namespace Platform {

namespace {
constexpr int kLabelIds[kCount] = { 1150, 1151, 1152, StringId::PlatformIP, 1318, 1319 };
} // namespace

bool IsValid(int platform)
{
    return platform >= 0 && platform < kCount;
}

bool IsRated(int platform)
{
    return IsValid(platform) && platform != Ip;
}

QString PlatformLabel(int platform)
{
    return IsValid(platform) ? LoadString(kLabelIds[platform]) : QString();
}

int DefaultPlatformFor(int gameType)
{
    const CSettings &settings = CSettings::Instance();
    return gameType == kGameTypeDeathMatch ? settings.DefaultPlatformDM() : settings.DefaultPlatformRM();
}

int PlatformFromText(const QString &text)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber)
        return IsValid(number) ? number : -1;
    QString wanted = text.trimmed().toLower();
    wanted.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    for (int p = 0; p < kCount; ++p) {
        if (SourceString(kLabelIds[p]).toLower() == wanted || PlatformLabel(p).toLower() == wanted)
            return p;
    }
    return -1;
}

QList<int> TopPlayersOrder()
{
    return { Zone, IgzRm, IgzDm, GpRm, GpDm };
}

QList<int> SearchOrder()
{
    return { IgzRm, IgzDm, Zone, GpRm, GpDm, Ip };
}

QList<int> RandomMapChoices()
{
    return { Zone, IgzRm, GpRm, Ip };
}

QList<int> DeathMatchChoices()
{
    return { Zone, IgzDm, GpDm, Ip };
}

} // namespace Platform
