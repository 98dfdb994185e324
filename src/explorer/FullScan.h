#pragma once

#include "explorer/GameRow.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

struct CFullScanResult
{
    int candidates = 0; // recordings the catalogue did not know
    int stored = 0;
    int failed = 0;
    int recordings = 0; // known recordings of the list after the scan
    bool cancelled = false;
};
Q_DECLARE_METATYPE(CFullScanResult)

// Reports of one scan. Every callback is optional and runs on the scanning
// thread; a window forwards them as queued signals (CFullScanWorker).
struct CFullScanObserver
{
    // Once, before the first file, with the number of files to analyse.
    std::function<void(int total)> started;
    // After each file: files done, files stored so far, total.
    std::function<void(int done, int stored, int total)> progress;
    // A row that was stored, with its new catalogue columns.
    std::function<void(int rowIndex, const CGameRow &row)> rowStored;
    // A file that could not be read; it stays unanalysed.
    std::function<void(const QString &path, const QString &reason)> failed;
};

// The full scan: every recording of the list that has no catalogue id is
// read, analysed and stored under the default platform of its game type.
// Reading, inflating and analysing run on a pool of reader threads; the
// calling thread stores the games in list order on one catalogue connection,
// the analyses that are ready at a time in one transaction (each game in a
// savepoint of its own, so a game that cannot be stored leaves nothing),
// and reports each file after its commit. The cancel flag is tested before
// each store and after each report: a cancelled or killed scan keeps every
// game committed before it stopped and never half a game, and a second scan
// stores the rest.
namespace FullScan {

// The rows a scan would analyse: recordings without a catalogue id.
int CountCandidates(const QList<CGameRow> &rows);

// One reader per core.
int DefaultJobs();

// jobs: reader threads, DefaultJobs() when 0 or less.
CFullScanResult Run(const QString &folder, const QList<CGameRow> &rows, const std::atomic<bool> &cancel,
    const CFullScanObserver &observer = {}, int jobs = 0);

} // namespace FullScan

// The scan as a QObject for a worker thread: move it to a QThread, connect
// its signals (queued) and invoke run(). Cancel() may be called from any
// thread.
class CFullScanWorker : public QObject
{
    Q_OBJECT
public:
    CFullScanWorker(const QString &folder, const QList<CGameRow> &rows, QObject *parent = nullptr);

    void Cancel() { m_cancel = true; }

public slots:
    void run();

signals:
    void started(int total);
    void progress(int done, int stored, int total);
    void rowStored(int rowIndex, const CGameRow &row);
    void failed(const QString &path, const QString &reason);
    void finished(const CFullScanResult &result);

private:
    QString m_folder;
    QList<CGameRow> m_rows;
    std::atomic<bool> m_cancel { false };
};
