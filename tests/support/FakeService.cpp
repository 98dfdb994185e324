#include "FakeService.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

const char *reasonOf(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

} // namespace

QByteArray CFakeService::Request::header(const QByteArray &name) const
{
    const QByteArray head = raw.left(raw.indexOf("\r\n\r\n"));
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

CFakeService::CFakeService(Handler handler, QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_handler(std::move(handler))
{
    // Loopback only: no test ever reaches another host.
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &CFakeService::onConnection);
}

CFakeService::~CFakeService() = default;

QString CFakeService::BaseUrl(const QString &prefix) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(Port()).arg(prefix);
}

quint16 CFakeService::Port() const
{
    return m_server->serverPort();
}

void CFakeService::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("buffer", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void CFakeService::onData(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", buffer);
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0 || socket->property("answered").toBool())
        return;
    Request request;
    request.raw = buffer;
    const qsizetype length = request.header("Content-Length").toLongLong();
    if (buffer.size() < headEnd + 4 + length)
        return;
    request.raw = buffer.left(headEnd + 4 + length);
    request.body = buffer.mid(headEnd + 4, length);
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    const qsizetype question = request.target.indexOf('?');
    request.path = question < 0 ? request.target : request.target.left(question);
    request.query = question < 0 ? QByteArray() : request.target.mid(question + 1);
    socket->setProperty("answered", true);
    m_requests.append(request);
    answer(socket, m_handler(request));
}

void CFakeService::answer(QTcpSocket *socket, const Response &response)
{
    if (response.mode == Response::Mode::Silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonOf(response.status) + "\r\n";
    if (response.mode != Response::Mode::NoLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Content-Type: text/html\r\nConnection: close\r\n" + response.extraHeaders + "\r\n";
    socket->write(head);
    if (response.mode == Response::Mode::CutOff) {
        socket->write(response.body.left(response.body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    }
    socket->write(response.body);
    socket->disconnectFromHost();
}
