#include "ratings/RatingLookups.h"

#include "app/Log.h"
#include "app/Settings.h"
#include "app/StringTable.h"
#include "app/TextCodec.h"
#include "app/TextFormat.h"
#include "app/WaitJob.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/ScopedTransaction.h"
#include "ratings/Platforms.h"
#include "ratings/RatingParsers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QThread>

namespace RatingLookups {

namespace {

constexpr const char *kUnit = "RatingLookups.cpp";
constexpr int kPagesTextId = 1295;

QString tr(const char *text)
{
    return QCoreApplication::translate("RatingLookups", text);
}

bool stopRaised(const std::atomic<bool> *stop)
{
    return stop && *stop;
}

// Sleeps ms, waking early when stop is raised.
void pause(int ms, const std::atomic<bool> *stop)
{
    const QDeadlineTimer until(ms);
    while (!until.hasExpired() && !stopRaised(stop))
        QThread::msleep(qMin<qint64>(20, qMax<qint64>(1, until.remainingTime())));
}

void markUpdated(CRatingJob &job, int slot)
{
    if (!job.updatedSlots.contains(slot))
        job.updatedSlots.append(slot);
}

// The outcome of one request: true to go on with the reply text.
bool request(CRatingJob &job, QNetworkAccessManager &manager, const CHttpRequest &call, const std::atomic<bool> *stop,
    CWaitJob *progress, QString &reply)
{
    const CHttpResult result = HttpRequest(manager, call, job.limits, stop, progress);
    if (result.Cancelled()) {
        job.cancelled = true;
        return false;
    }
    if (!result.Completed()) {
        job.success = false;
        job.error = result.error;
        return false;
    }
    reply = TextCodec::Decode(result.body.constData(), result.body.size(), job.codePage);
    return true;
}

bool url(CRatingJob &job, const char *objectPath, const QByteArray &query, QUrl &out)
{
    QString error;
    out = ServiceUrl(job.serviceUrl, QLatin1String(objectPath), query, &error);
    if (out.isValid())
        return true;
    job.success = false;
    job.error = error;
    return false;
}

// Records matched to the slots, as the nickname and IGZones services do: a
// higher rating is taken, a country only when the slot has none.
void applyRecords(CRatingJob &job, const QList<RatingParsers::RatingRecord> &records, bool ignoreCase, bool clanTags)
{
    const QList<int> seats = TakingPart(job.game);
    for (const RatingParsers::RatingRecord &record : records) {
        if (record.nick.isEmpty())
            continue;
        for (int slot : seats) {
            CPlayer &player = job.game.players[slot];
            const QString name = clanTags ? RatingParsers::WithoutClanTag(player.name) : player.name;
            if (name.compare(record.nick, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) != 0)
                continue;
            if (player.rating < record.rating)
                player.rating = record.rating;
            if (player.country == 0)
                player.country = record.country;
            markUpdated(job, slot);
        }
    }
}

QStringList namesOf(const CRecordedGame &game)
{
    QStringList names;
    for (int slot : TakingPart(game))
        names.append(game.players[slot].name);
    return names;
}

} // namespace

QList<int> TakingPart(const CRecordedGame &game)
{
    QList<int> seats;
    for (int slot = 1; slot <= 8; ++slot) {
        if (game.players[slot].number > 0)
            seats.append(slot);
    }
    return seats;
}

Preparation Prepare(CRatingJob &job, int catalogueId, const QString &folder, const CRatingServices &services)
{
    auto db = Catalogue::OpenCatalogue();
    if (!db || catalogueId <= 0 || !Catalogue::LoadById(job.game, catalogueId, *db, false, folder))
        return Preparation::NotLoaded;
    job.choice = ServiceForPlatform(job.game.platform);
    if (job.choice.service == RatingService::None)
        return Preparation::NotRated;
    job.serviceUrl = services.UrlOf(job.choice.service);
    job.limits.timeoutMs = services.timeoutSeconds * 1000;
    job.codePage = CSettings::Instance().CodePage();
    if (job.serviceUrl.isEmpty()) {
        job.success = false;
        job.error = CRatingServices::NotConfiguredMessage(job.choice.service);
        return Preparation::NotConfigured;
    }
    return Preparation::Ready;
}

bool LookupNickService(CRatingJob &job, QNetworkAccessManager &manager, const std::atomic<bool> *stop, CWaitJob *wait)
{
    CHttpRequest call;
    call.post = true;
    call.body = RatingParsers::NickServiceBody(namesOf(job.game), job.codePage);
    QString reply;
    if (!url(job, "querys.php", QByteArray(), call.url) || !request(job, manager, call, stop, wait, reply))
        return job.success;
    applyRecords(job, RatingParsers::ParseNickServiceReply(reply), true, false);
    return job.success;
}

bool LookupGamePark(CRatingJob &job, QNetworkAccessManager &manager, const std::atomic<bool> *stop, CWaitJob *wait)
{
    const QList<int> seats = TakingPart(job.game);
    const int total = int(seats.size());
    int pages = 0;
    for (int slot : seats) {
        if (pages == 0) {
            pause(job.pauseMs, stop);
            if (stopRaised(stop)) {
                job.cancelled = true;
                break;
            }
        }
        if (wait)
            wait->PostText(FormatText(LoadString(kPagesTextId), { pages, total }));
        ++pages;
        CPlayer &player = job.game.players[slot];
        CHttpRequest call;
        QString page;
        if (!url(job, "Player.asp", RatingParsers::GameParkQuery(player.name, job.codePage), call.url)
            || !request(job, manager, call, stop, nullptr, page))
            break;
        if (stopRaised(stop)) {
            job.cancelled = true;
            break;
        }
        const RatingParsers::PageResult result = RatingParsers::ParseGameParkPage(page, job.choice.ladder);
        if (wait)
            wait->PostText(FormatText(LoadString(kPagesTextId), { pages, total }));
        if (!result.found)
            continue;
        if (player.country == 0 && result.country > 0)
            player.country = result.country;
        player.rating = result.rating;
        markUpdated(job, slot);
    }
    return job.success;
}

bool LookupIgZones(CRatingJob &job, QNetworkAccessManager &manager, const std::atomic<bool> *stop, CWaitJob *wait)
{
    CHttpRequest call;
    const QByteArray query = RatingParsers::IgZonesQuery(job.choice.ladderName, namesOf(job.game), job.codePage);
    QString reply;
    if (!url(job, "ratingservices", query, call.url) || !request(job, manager, call, stop, wait, reply))
        return job.success;
    applyRecords(job, RatingParsers::ParseIgZonesReply(reply), false, true);
    return job.success;
}

bool Run(CRatingJob &job, const std::atomic<bool> *stop, CWaitJob *wait)
{
    {
        QNetworkAccessManager manager;
        switch (job.choice.service) {
        case RatingService::NickService:
            LookupNickService(job, manager, stop, wait);
            break;
        case RatingService::GamePark:
            LookupGamePark(job, manager, stop, wait);
            break;
        case RatingService::IgZones:
            LookupIgZones(job, manager, stop, wait);
            break;
        case RatingService::None:
            break;
        }
    }
    if (job.updatedSlots.isEmpty())
        return job.success;
    auto db = Catalogue::OpenCatalogue();
    if (!db || !WritePlayers(*db, job.game, job.updatedSlots)) {
        job.updatedSlots.clear();
        if (job.success) {
            job.success = false;
            job.error = tr("The new ratings could not be written to the catalogue.");
        }
    }
    return job.success;
}

bool WritePlayers(CDbSQLite &db, const CRecordedGame &game, const QList<int> &seats)
{
    CScopedTransaction transaction(db);
    auto update
        = db.CreateStatement(QStringLiteral("UPDATE players SET Id_Country = ?1, Rating = ?2 WHERE Id_Player = ?3;"));
    if (!transaction.IsActive() || !update->IsPrepared()) {
        Log::Write(
            QStringLiteral("Could not update players: %1\r\n").arg(db.LastError()) + Log::CodeFile(kUnit, __LINE__));
        return false;
    }
    for (int slot : seats) {
        const CPlayer &player = game.players[slot];
        if (player.catalogueId <= 0)
            continue;
        update->BindInt(1, player.country).BindInt(2, player.rating).BindInt(3, player.catalogueId);
        if (!update->Execute())
            return false;
        update->Reset();
    }
    return transaction.Commit();
}

} // namespace RatingLookups
