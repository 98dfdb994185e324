#pragma once

#include "ratings/HttpRequest.h"
#include "ratings/RatingServices.h"
#include "recgame/RecordedGame.h"

#include <QList>
#include <QString>

#include <atomic>
#include <memory>

class CDbSQLite;
class CWaitJob;
class QNetworkAccessManager;

// One "Refresh Ratings": the stored game with its players, the service to
// ask and how, and what came of it. Made on the user-interface thread, run
// by a worker, read back by whoever still holds it: a cancelled refresh may
// end after the window has moved on, so the job is shared, never handed
// over.
struct CRatingJob
{
    CRecordedGame game;
    CServiceChoice choice;
    QString serviceUrl;
    CHttpLimits limits;
    QString codePage;
    int pauseMs = 250; // before the first GamePark page

    bool success = true;
    bool cancelled = false;
    QString error;
    QList<int> updatedSlots; // slots whose players row was written, in order
};

namespace RatingLookups {

enum class Preparation {
    Ready,
    NotLoaded, // no stored game with that id, or its file is gone
    NotRated, // "IP": nothing to ask
    NotConfigured // the service has no address (job.error says so)
};

// Loads the stored game (its file in folder, ending with "/") and fills the
// job for the game's platform from services and the settings.
Preparation Prepare(CRatingJob &job, int catalogueId, const QString &folder, const CRatingServices &services);

// The three services; each fills the job's players, returns the job's
// success and sets error or cancelled. They run on the calling thread.
bool LookupNickService(CRatingJob &job, QNetworkAccessManager &manager, const std::atomic<bool> *stop, CWaitJob *wait);
bool LookupGamePark(CRatingJob &job, QNetworkAccessManager &manager, const std::atomic<bool> *stop, CWaitJob *wait);
bool LookupIgZones(CRatingJob &job, QNetworkAccessManager &manager, const std::atomic<bool> *stop, CWaitJob *wait);

// Runs the job's service and writes every player it learnt about, in one
// transaction, even when the lookup failed or was cancelled part-way (the
// GamePark pages read before stay read). stop and wait may be null.
bool Run(CRatingJob &job, const std::atomic<bool> *stop, CWaitJob *wait);

// Writes rating and country of the given slots to their players rows.
bool WritePlayers(CDbSQLite &db, const CRecordedGame &game, const QList<int> &seats);

// The players that take part: slots 1 to 8 with a player number.
QList<int> TakingPart(const CRecordedGame &game);

} // namespace RatingLookups
