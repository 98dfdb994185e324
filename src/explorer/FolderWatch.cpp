#include "explorer/FolderWatch.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "explorer/FileSystem.h"
#include "explorer/FolderListing.h"
#include "explorer/RowAnalysis.h"
#include "recgame/RecordedGame.h"

#include <QFileInfo>

#include <memory>

namespace {
// Sizes of files being written are looked at this often.
constexpr int kTickMs = 250;
// At most this many recordings are analysed in one tick, so that a folder
// filled at once does not hold up the thread that owns the watch.
constexpr int kPerTick = 8;
} // namespace

CFolderWatch::CFolderWatch(QObject *parent)
    : QObject(parent)
{
    m_tick.setInterval(kTickMs);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CFolderWatch::onDirectoryChanged);
    connect(&m_tick, &QTimer::timeout, this, &CFolderWatch::onTick);
}

void CFolderWatch::Watch(const QString &folder)
{
    Stop();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    m_folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    m_seen = entries();
    m_watcher.addPath(m_folder);
}

void CFolderWatch::Stop()
{
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_tick.stop();
    m_folder.clear();
    m_seen.clear();
    m_pending.clear();
}

QHash<QString, qint64> CFolderWatch::entries() const
{
    // The listing's own pass (one readdir and stat): a game writing into a
    // folder of thousands of recordings changes it many times a minute.
    QHash<QString, qint64> found;
    QList<FileSystem::DirectoryEntry> listed;
    FileSystem::ListDirectory(m_folder, &listed);
    found.reserve(listed.size());
    for (const FileSystem::DirectoryEntry &entry : listed)
        found.insert(entry.name, entry.isDir ? -1 : entry.size);
    return found;
}

void CFolderWatch::onDirectoryChanged()
{
    if (m_folder.isEmpty())
        return;
    const QHash<QString, qint64> now = entries();
    for (auto it = m_seen.cbegin(); it != m_seen.cend(); ++it) {
        if (!now.contains(it.key())) {
            m_pending.remove(it.key());
            emit entryRemoved(it.key());
        }
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto seen = m_seen.constFind(it.key());
        const bool changed = seen == m_seen.cend() || seen.value() != it.value();
        if (changed && it.value() >= 0 && FolderListing::IsRecordingName(it.key()) && !m_pending.contains(it.key())) {
            Pending p;
            p.size = it.value();
            p.stableSince.start();
            m_pending.insert(it.key(), p);
        }
    }
    m_seen = now;
    if (!m_pending.isEmpty() && !m_tick.isActive())
        m_tick.start();
}

void CFolderWatch::onTick()
{
    int analysed = 0;
    const QStringList names = m_pending.keys();
    for (const QString &name : names) {
        auto it = m_pending.find(name);
        if (it == m_pending.end())
            continue;
        const QFileInfo info(m_folder + name);
        if (!info.isFile()) {
            m_pending.erase(it);
            continue;
        }
        if (info.size() != it->size) {
            it->size = info.size();
            it->stableSince.start();
            continue;
        }
        if (it->stableSince.elapsed() < m_settleMs || analysed >= kPerTick)
            continue;
        m_pending.erase(it);
        m_seen.insert(name, info.size());
        settle(name);
        ++analysed;
    }
    if (m_pending.isEmpty())
        m_tick.stop();
}

void CFolderWatch::settle(const QString &fileName)
{
    const QFileInfo info(m_folder + fileName);
    CGameRow row;
    row.fileName = fileName;
    row.kind = CGameRow::Kind::Recording;
    row.fileSize = Catalogue::CatalogueFileSize(info.size());
    row.date = CRecordedGame::FileDate(info);
    std::unique_ptr<CDbSQLite> db = Catalogue::OpenCatalogue();
    if (db) {
        auto game = std::make_unique<CRecordedGame>();
        // A recording copied in may already be stored under its name and size.
        if (CSummaryLookup(*db).Load(*game, fileName, row.fileSize))
            row.FillFromGame(*game);
        else
            RowAnalysis::AnalyzeAndStore(m_folder, row, *game, *db, -1);
    }
    emit recordingReady(row);
}
