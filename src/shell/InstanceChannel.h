#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// The line between a running window and a second start on the same data
// directory. The second start hands over the folder it was asked to show
// and ends; the running window raises itself and opens that folder.
//
// Only the user's own processes can connect, and what arrives is read as
// untrusted: one short message of at most kMaxMessage bytes, anything else
// is dropped.
class CInstanceChannel : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxMessage = 16 * 1024;

    explicit CInstanceChannel(QObject *parent = nullptr);
    ~CInstanceChannel() override;

    // The socket name for a data directory: the same directory always gives
    // the same name, and the name stays short enough for any platform.
    static QString ServerName(const QString &dataDirectory);

    // Second start: hands folder (may be empty: only raise the window) to the
    // instance listening for dataDirectory. False when none answered in time.
    static bool Send(const QString &dataDirectory, const QString &folder, int timeoutMs = 3000);

    // Running window: listens for later starts. Call only while holding the
    // instance lock, since a left-over socket of a crashed run is removed.
    bool Listen(const QString &dataDirectory);

signals:
    // A later start asked for this folder (empty: just come to the front).
    void activationRequested(const QString &folder);

private:
    void acceptConnections();

    std::unique_ptr<QLocalServer> m_server;
};
