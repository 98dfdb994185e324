#include "shell/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

// "VC1" tells a message of ours from anything else that connects.
const QByteArray kMagic = QByteArrayLiteral("VC1\n");
constexpr int kSenderTimeoutMs = 10000;

QByteArray encode(const QString &folder)
{
    return kMagic + folder.toUtf8() + '\n';
}

// The folder of a complete message; a null string when the bytes are not one.
QString decode(const QByteArray &bytes)
{
    if (!bytes.startsWith(kMagic) || !bytes.endsWith('\n'))
        return QString();
    const QByteArray body = bytes.mid(kMagic.size(), bytes.size() - kMagic.size() - 1);
    if (body.contains('\n') || body.contains('\0'))
        return QString();
    const QString folder = QString::fromUtf8(body);
    return folder.isNull() ? QStringLiteral("") : folder;
}

} // namespace

CInstanceChannel::CInstanceChannel(QObject *parent)
    : QObject(parent)
{
}

CInstanceChannel::~CInstanceChannel() = default;

QString CInstanceChannel::ServerName(const QString &dataDirectory)
{
    const QByteArray key = QDir::cleanPath(QDir(dataDirectory).absolutePath()).toUtf8();
    return QStringLiteral("vellumcast-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool CInstanceChannel::Send(const QString &dataDirectory, const QString &folder, int timeoutMs)
{
    const QByteArray message = encode(folder);
    if (message.size() > kMaxMessage)
        return false;
    QLocalSocket socket;
    socket.connectToServer(ServerName(dataDirectory));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool CInstanceChannel::Listen(const QString &dataDirectory)
{
    const QString name = ServerName(dataDirectory);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        // A crashed run leaves its socket file behind; the lock we hold
        // says nobody is listening on it any more.
        QLocalServer::removeServer(name);
        if (!m_server->listen(name)) {
            m_server.reset();
            return false;
        }
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &CInstanceChannel::acceptConnections);
    return true;
}

void CInstanceChannel::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        auto buffer = std::make_shared<QByteArray>();
        auto take = [socket, buffer] {
            buffer->append(socket->read(kMaxMessage + 1 - buffer->size()));
            if (buffer->size() > kMaxMessage) {
                buffer->clear();
                socket->abort();
            }
        };
        auto finish = [this, socket, buffer, take] {
            take();
            const QString folder = decode(*buffer);
            buffer->clear();
            socket->deleteLater();
            if (!folder.isNull())
                emit activationRequested(folder);
        };
        connect(socket, &QLocalSocket::readyRead, this, take);
        // A sender that never finishes is not waited for.
        QTimer::singleShot(kSenderTimeoutMs, socket, [socket] { socket->abort(); });
        // The sender closes once its message is written.
        connect(socket, &QLocalSocket::disconnected, this, finish, Qt::SingleShotConnection);
    }
}
