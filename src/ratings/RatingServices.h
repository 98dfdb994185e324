#pragma once

#include <QString>

// Which rating service a platform asks, and where each service lives. The
// addresses are settings of the "Settings" section; an empty address turns
// its service off.
namespace RatingServiceKey {
inline constexpr const char *ZoneUrl = "ZoneServiceUrl";
inline constexpr const char *GameParkUrl = "GameParkServiceUrl";
inline constexpr const char *IgZonesUrl = "IGZonesServiceUrl";
inline constexpr const char *TimeoutSeconds = "RatingsTimeout";
} // namespace RatingServiceKey

enum class RatingService { None, NickService, GamePark, IgZones };

// The service of a platform and what it is asked for it.
struct CServiceChoice
{
    RatingService service = RatingService::None;
    int ladder = 0; // GamePark: 170 random map, 169 death match
    QString ladderName; // IGZones: "AoCRM", "AoCDM"
};
CServiceChoice ServiceForPlatform(int platform);

// The service's name in messages ("Zone", "GamePark", "IGZones").
QString ServiceName(RatingService service);
// The wait dialog's text while the service is asked.
QString ServiceWaitText(RatingService service);

struct CRatingServices
{
    static constexpr int kDefaultTimeoutSeconds = 15;
    static constexpr int kMaxTimeoutSeconds = 600;

    QString zoneUrl;
    QString gameParkUrl;
    QString igZonesUrl;
    int timeoutSeconds = kDefaultTimeoutSeconds;

    // From the settings store; a time-out outside 1..600 seconds reads as 15.
    static CRatingServices Load();
    void Save() const;

    QString UrlOf(RatingService service) const;
    // The message when the service has no address.
    static QString NotConfiguredMessage(RatingService service);
};
