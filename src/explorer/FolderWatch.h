#pragma once

#include "explorer/GameRow.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

// Keeps the list of the shown folder current without a refresh. A recording
// that appears, or whose size changes, is analysed and stored once its size
// has stayed the same for the settle time (the game writes its recording
// while the game is played); an entry that goes away (deleted, or renamed:
// the new name then appears) is reported. Runs on the thread that owns it
// and needs no widget; the window connects to its signals.
class CFolderWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 2000;

    explicit CFolderWatch(QObject *parent = nullptr);

    // Watches folder (with a trailing "/"): what it holds now is taken as
    // shown. An empty folder stops watching.
    void Watch(const QString &folder);
    void Stop();
    QString Folder() const { return m_folder; }
    bool IsWatching() const { return !m_folder.isEmpty(); }

    void SetSettleTime(int ms) { m_settleMs = ms; }

signals:
    // A new or rewritten recording, analysed and stored; a recording that
    // cannot be read comes as a row without catalogue columns.
    void recordingReady(const CGameRow &row);
    // An entry of the folder that is no longer there.
    void entryRemoved(const QString &fileName);

private:
    struct Pending
    {
        qint64 size = -1;
        QElapsedTimer stableSince;
    };

    void onDirectoryChanged();
    void onTick();
    void settle(const QString &fileName);
    QHash<QString, qint64> entries() const;

    QFileSystemWatcher m_watcher;
    QTimer m_tick;
    QString m_folder;
    QHash<QString, qint64> m_seen; // every entry by name, with its size (-1 for folders)
    QHash<QString, Pending> m_pending; // recordings waiting for their size to settle
    int m_settleMs = kSettleMs;
};
