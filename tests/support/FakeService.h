#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;

// A small HTTP service on 127.0.0.1 (ephemeral port) that stands in for the
// web rating services. It records every request as it came over the wire
// and answers with what the test's handler returns: a normal reply, no
// reply at all, a reply cut off mid-body, or one without a length. Runs on
// the thread that made it; the client must keep that thread's events going
// (a request routine with its own event loop does).
class CFakeService : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray raw; // request line, headers and body exactly as received
        QByteArray method;
        QByteArray target; // path and query
        QByteArray path;
        QByteArray query;
        QByteArray body;
        QByteArray header(const QByteArray &name) const;
    };

    struct Response
    {
        enum class Mode {
            Normal, // Content-Length, then the connection closes
            Silent, // never answers
            CutOff, // announces the whole body, sends half, closes
            NoLength // no Content-Length: the body ends when the connection closes
        };
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Normal;
        QByteArray extraHeaders; // "Name: value\r\n" lines
    };

    using Handler = std::function<Response(const Request &)>;

    explicit CFakeService(Handler handler, QObject *parent = nullptr);
    ~CFakeService() override;

    // "http://127.0.0.1:PORT/" plus an optional path prefix.
    QString BaseUrl(const QString &prefix = QString()) const;
    quint16 Port() const;
    const QList<Request> &Requests() const { return m_requests; }

    static Response Ok(const QByteArray &body) { return Response { 200, body, Response::Mode::Normal, {} }; }

private:
    void onConnection();
    void onData(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Response &response);

    QTcpServer *m_server;
    Handler m_handler;
    QList<Request> m_requests;
};
