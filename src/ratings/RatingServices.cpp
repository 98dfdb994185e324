#include "ratings/RatingServices.h"

#include "app/Settings.h"
#include "ratings/Platforms.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RatingServices", text);
}

QString key(const char *name)
{
    return QString::fromLatin1(SettingsKey::Section) + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

CServiceChoice ServiceForPlatform(int platform)
{
    CServiceChoice choice;
    switch (platform) {
    case Platform::Zone:
        choice.service = RatingService::NickService;
        break;
    case Platform::GpRm:
    case Platform::GpDm:
        choice.service = RatingService::GamePark;
        choice.ladder = platform == Platform::GpRm ? 170 : 169;
        break;
    case Platform::IgzRm:
    case Platform::IgzDm:
        choice.service = RatingService::IgZones;
        choice.ladderName = platform == Platform::IgzRm ? QStringLiteral("AoCRM") : QStringLiteral("AoCDM");
        break;
    default:
        break;
    }
    return choice;
}

QString ServiceName(RatingService service)
{
    switch (service) {
    case RatingService::NickService:
        return tr("Zone");
    case RatingService::GamePark:
        return tr("GamePark");
    case RatingService::IgZones:
        return tr("IGZones");
    case RatingService::None:
        break;
    }
    return QString();
}

QString ServiceWaitText(RatingService service)
{
    switch (service) {
    case RatingService::NickService:
        return tr("Refreshing Zone Ratings...");
    case RatingService::GamePark:
        return tr("Refreshing GP Ratings...");
    case RatingService::IgZones:
        return tr("Refreshing IGZ Ratings...");
    case RatingService::None:
        break;
    }
    return QString();
}

CRatingServices CRatingServices::Load()
{
    const auto store = CSettings::OpenStore();
    CRatingServices services;
    services.zoneUrl = store->value(key(RatingServiceKey::ZoneUrl)).toString().trimmed();
    services.gameParkUrl = store->value(key(RatingServiceKey::GameParkUrl)).toString().trimmed();
    services.igZonesUrl = store->value(key(RatingServiceKey::IgZonesUrl)).toString().trimmed();
    bool ok = false;
    const int seconds = store->value(key(RatingServiceKey::TimeoutSeconds), kDefaultTimeoutSeconds).toInt(&ok);
    services.timeoutSeconds = ok && seconds >= 1 && seconds <= kMaxTimeoutSeconds ? seconds : kDefaultTimeoutSeconds;
    return services;
}

void CRatingServices::Save() const
{
    const auto store = CSettings::OpenStore();
    store->setValue(key(RatingServiceKey::ZoneUrl), zoneUrl.trimmed());
    store->setValue(key(RatingServiceKey::GameParkUrl), gameParkUrl.trimmed());
    store->setValue(key(RatingServiceKey::IgZonesUrl), igZonesUrl.trimmed());
    store->setValue(key(RatingServiceKey::TimeoutSeconds), timeoutSeconds);
}

QString CRatingServices::UrlOf(RatingService service) const
{
    switch (service) {
    case RatingService::NickService:
        return zoneUrl;
    case RatingService::GamePark:
        return gameParkUrl;
    case RatingService::IgZones:
        return igZonesUrl;
    case RatingService::None:
        break;
    }
    return QString();
}

QString CRatingServices::NotConfiguredMessage(RatingService service)
{
    return tr("The %1 rating service is off: it has no address. Set one on the Ratings page of the configuration.")
        .arg(ServiceName(service));
}
