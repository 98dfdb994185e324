#include "explorer/FullScan.h"

#include "app/Log.h"
#include "catalogue/Catalogue.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace FullScan {

namespace {

// Games stored in one transaction at most: enough to make the commits
// cheap, few enough that other writers wait only briefly for the lock.
constexpr int kBatch = 32;
// Files each reader may be ahead of the writer: analysed games hold their
// whole file in memory.
constexpr int kAheadPerReader = 4;

bool isCandidate(const CGameRow &row)
{
    return row.isFile && row.IsRecording() && !row.IsKnown();
}

// One recording on its way from a reader to the writer.
struct AnalysedFile
{
    int rowIndex = 0;
    CGameRow row;
    std::unique_ptr<CRecordedGame> game;
    bool read = false;
    QString reason;
    bool stored = false;
};

// Readers take positions in list order and hand their analyses back; the
// writer takes them back in the same order, so the reports read as those of
// a scan on one thread.
class AnalysisQueue
{
public:
    AnalysisQueue(int count, int ahead)
        : m_files(size_t(count))
        , m_ahead(ahead)
    {
    }

    // The next position to analyse; -1 when none is left or the scan stops.
    int Take()
    {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [this] { return m_stopped || m_next >= count() || m_next < m_written + m_ahead; });
        if (m_stopped || m_next >= count())
            return -1;
        return m_next++;
    }

    void Put(int position, std::unique_ptr<AnalysedFile> file)
    {
        {
            std::lock_guard lock(m_mutex);
            m_files[size_t(position)] = std::move(file);
        }
        m_ready.notify_all();
    }

    // The analysis at position; with wait, blocks until a reader has put it
    // (every position below count() is taken while the scan runs), without,
    // null when it is not ready yet.
    std::unique_ptr<AnalysedFile> Get(int position, bool wait)
    {
        std::unique_lock lock(m_mutex);
        auto &slot = m_files[size_t(position)];
        if (wait)
            m_ready.wait(lock, [&slot] { return slot != nullptr; });
        if (!slot)
            return nullptr;
        m_written = position + 1;
        m_room.notify_all();
        return std::move(slot);
    }

    // A record the writer is done with, for a reader's next file: its
    // buffers are reused instead of allocated and faulted in for every
    // file. Null when none is spare.
    std::unique_ptr<CRecordedGame> SpareRecord()
    {
        std::lock_guard lock(m_mutex);
        if (m_spare.empty())
            return nullptr;
        std::unique_ptr<CRecordedGame> game = std::move(m_spare.back());
        m_spare.pop_back();
        return game;
    }

    void Recycle(std::unique_ptr<CRecordedGame> game)
    {
        if (!game)
            return;
        std::lock_guard lock(m_mutex);
        // No more records are kept than there can be files in flight.
        if (int(m_spare.size()) < m_ahead)
            m_spare.push_back(std::move(game));
    }

    void Stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_room.notify_all();
    }

private:
    int count() const { return int(m_files.size()); }

    std::mutex m_mutex;
    std::condition_variable m_room;
    std::condition_variable m_ready;
    std::vector<std::unique_ptr<AnalysedFile>> m_files;
    std::vector<std::unique_ptr<CRecordedGame>> m_spare;
    int m_ahead;
    int m_next = 0;
    int m_written = 0;
    bool m_stopped = false;
};

std::unique_ptr<AnalysedFile> analyse(
    const QString &folder, const CGameRow &row, int rowIndex, std::unique_ptr<CRecordedGame> spare)
{
    auto file = std::make_unique<AnalysedFile>();
    file->rowIndex = rowIndex;
    file->row = row;
    try {
        // AnalyzeFile starts a reused record afresh, keeping its buffers.
        // Nothing stored comes from the terrain: it is not read.
        file->game = spare ? std::move(spare) : std::make_unique<CRecordedGame>();
        file->read = RowAnalysis::AnalyzeFile(folder + row.fileName, *file->game, &file->reason, false);
    } catch (const std::exception &) {
        // Out of memory on a huge file: that file fails, the scan goes on.
        file->game.reset();
        file->read = false;
        file->reason = QStringLiteral("not enough memory to read the file");
    }
    return file;
}

// The readers: started with the queue, stopped and joined when it ends,
// however the writer leaves.
class ReaderPool
{
public:
    ReaderPool(const QString &folder, const QList<CGameRow> &rows, const std::vector<int> &positions, int jobs)
        : m_queue(int(positions.size()), jobs * kAheadPerReader)
    {
        for (int j = 0; j < jobs; ++j)
            m_threads.emplace_back([this, &folder, &rows, &positions] {
                for (int p = m_queue.Take(); p >= 0; p = m_queue.Take()) {
                    const int index = positions[size_t(p)];
                    m_queue.Put(p, analyse(folder, rows[index], index, m_queue.SpareRecord()));
                }
            });
    }
    ~ReaderPool()
    {
        m_queue.Stop();
        m_threads.clear();
    }
    AnalysisQueue &Queue() { return m_queue; }

private:
    AnalysisQueue m_queue;
    std::vector<std::jthread> m_threads;
};

// Stores the batch in one transaction, each game in its own savepoint.
// Stops before the next store once cancel is set. Returns the number of
// files handled; after a failed commit none of them counts as stored.
int storeBatch(std::vector<std::unique_ptr<AnalysedFile>> &batch, CDbSQLite &db, const std::atomic<bool> &cancel)
{
    const bool began = db.Begin();
    int handled = 0;
    for (auto &file : batch) {
        if (handled > 0 && cancel.load())
            break;
        ++handled;
        if (!file->read)
            continue;
        file->stored = began && RowAnalysis::StoreAnalysed(file->row, *file->game, db, -1, &file->reason);
        if (!began)
            file->reason = QStringLiteral("the catalogue could not store the game");
    }
    if (began && !db.Commit()) {
        Log::Write(QStringLiteral("FS - commit failed: %1").arg(db.LastError()));
        db.Rollback();
        for (int i = 0; i < handled; ++i) {
            AnalysedFile &file = *batch[size_t(i)];
            if (file.stored) {
                file.stored = false;
                file.row.ClearGame();
                file.reason = QStringLiteral("the catalogue could not store the game");
            }
        }
    }
    return handled;
}

} // namespace

int CountCandidates(const QList<CGameRow> &rows)
{
    int count = 0;
    for (const CGameRow &row : rows)
        count += isCandidate(row) ? 1 : 0;
    return count;
}

int DefaultJobs()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}

CFullScanResult Run(const QString &folder, const QList<CGameRow> &rows, const std::atomic<bool> &cancel,
    const CFullScanObserver &observer, int jobs)
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

    std::vector<int> positions;
    for (int i = 0; i < rows.size(); ++i)
        if (isCandidate(rows[i]))
            positions.push_back(i);
    const int count = int(positions.size());
    ReaderPool readers(folder, rows, positions, std::clamp(jobs > 0 ? jobs : DefaultJobs(), 1, count));
    AnalysisQueue &queue = readers.Queue();

    int done = 0;
    int position = 0;
    while (position < count && !result.cancelled) {
        std::vector<std::unique_ptr<AnalysedFile>> batch;
        batch.push_back(queue.Get(position++, true));
        while (position < count && int(batch.size()) < kBatch) {
            std::unique_ptr<AnalysedFile> next = queue.Get(position, false);
            if (!next)
                break;
            batch.push_back(std::move(next));
            ++position;
        }
        const int handled = storeBatch(batch, *db, cancel);
        for (int i = 0; i < handled; ++i) {
            AnalysedFile &file = *batch[size_t(i)];
            if (file.stored) {
                ++result.stored;
                ++result.recordings;
                Log::Write(QStringLiteral("Show MGX item"));
                if (observer.rowStored)
                    observer.rowStored(file.rowIndex, file.row);
            } else {
                ++result.failed;
                Log::Write(QStringLiteral("FS ERROR WITH MGX: FILE: %1").arg(folder + file.row.fileName));
                if (observer.failed)
                    observer.failed(folder + file.row.fileName, file.reason);
            }
            ++done;
            if (observer.progress)
                observer.progress(done, result.stored, result.candidates);
            Log::Write(QStringLiteral("check Event Object: %1")
                           .arg(cancel.load() ? QStringLiteral("BREAK") : QStringLiteral("CONTINUE")));
        }
        for (auto &file : batch)
            queue.Recycle(std::move(file->game));
        if (cancel.load())
            result.cancelled = true;
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
