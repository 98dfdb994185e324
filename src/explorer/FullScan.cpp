#include "explorer/FullScan.h"

#include "app/Log.h"
#include "catalogue/Catalogue.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"

#include <memory>

namespace FullScan {

namespace {
bool isCandidate(const CGameRow &row)
{
    return row.isFile && row.IsRecording() && !row.IsKnown();
}
} // namespace

int CountCandidates(const QList<CGameRow> &rows)
{
    int count = 0;
    for (const CGameRow &row : rows)
        count += isCandidate(row) ? 1 : 0;
    return count;
}

CFullScanResult Run(const QString &folder, const QList<CGameRow> &rows, const std::atomic<bool> &cancel,
    const CFullScanObserver &observer)
{
    CFullScanResult result;
    for (const CGameRow &row : rows)
        result.recordings += row.isFile && row.IsKnown() ? 1 : 0;
    result.candidates = CountCandidates(rows);
    // The scan leaves a trail in the log, so that a scan that ended on a
    // hostile file can be followed up to the file it was reading.
    Log::Write(QStringLiteral("BEGIN FULL SCAN ------ ELEMENTS (%1)").arg(rows.size()));
    Log::Write(QStringLiteral("FS - MGX COUNT (%1)").arg(result.candidates));
    if (result.candidates == 0)
        return result;

    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (!db)
        return result;
    Log::Write(QStringLiteral("New DB OK"));
    if (observer.started)
        observer.started(result.candidates);

    int done = 0;
    for (int i = 0; i < rows.size(); ++i) {
        if (!isCandidate(rows[i]))
            continue;
        CGameRow row = rows[i];
        auto game = std::make_unique<CRecordedGame>();
        QString reason;
        if (RowAnalysis::AnalyzeAndStore(folder, row, *game, *db, -1, &reason)) {
            ++result.stored;
            ++result.recordings;
            Log::Write(QStringLiteral("Show MGX item"));
            if (observer.rowStored)
                observer.rowStored(i, row);
        } else {
            ++result.failed;
            Log::Write(QStringLiteral("FS ERROR WITH MGX: FILE: %1").arg(folder + row.fileName));
            if (observer.failed)
                observer.failed(folder + row.fileName, reason);
        }
        ++done;
        if (observer.progress)
            observer.progress(done, result.stored, result.candidates);
        if (cancel.load()) {
            Log::Write(QStringLiteral("check Event Object: BREAK"));
            result.cancelled = true;
            break;
        }
        Log::Write(QStringLiteral("check Event Object: CONTINUE"));
    }
    Log::Write(QStringLiteral("SET STATUS PANEL %1 %2").arg(rows.size()).arg(result.recordings));
    Log::Write(result.cancelled ? QStringLiteral("FS - CANCELED") : QStringLiteral("NOTIFY END"));
    return result;
}

} // namespace FullScan

CFullScanWorker::CFullScanWorker(const QString &folder, const QList<CGameRow> &rows, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_rows(rows)
{
}

void CFullScanWorker::run()
{
    CFullScanObserver observer;
    observer.started = [this](int total) { emit started(total); };
    observer.progress = [this](int done, int stored, int total) { emit progress(done, stored, total); };
    observer.rowStored = [this](int index, const CGameRow &row) { emit rowStored(index, row); };
    observer.failed = [this](const QString &path, const QString &reason) { emit failed(path, reason); };
    emit finished(FullScan::Run(m_folder, m_rows, m_cancel, observer));
}
