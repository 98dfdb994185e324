#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <atomic>

class CWaitJob;
class QNetworkAccessManager;

// The one way the rating lookups talk HTTP. A request runs to its end on the
// calling thread (a local event loop), so a worker calls it like a function.
// Every reply is untrusted: it is read up to a size limit, within a time
// limit, after a bounded number of redirects.

struct CHttpLimits
{
    static constexpr qint64 kDefaultMaxBytes = 1 << 20;
    static constexpr int kDefaultTimeoutMs = 15000;
    static constexpr int kDefaultRedirects = 3;

    qint64 maxBytes = kDefaultMaxBytes;
    int timeoutMs = kDefaultTimeoutMs; // the whole exchange, not per read
    int maxRedirects = kDefaultRedirects;
};

struct CHttpResult
{
    enum class Status { Completed, Cancelled, Failed };

    Status status = Status::Failed;
    QByteArray body; // empty unless completed
    QString error; // the reason shown to the user when failed
    int httpStatus = 0;

    bool Completed() const { return status == Status::Completed; }
    bool Cancelled() const { return status == Status::Cancelled; }
};

struct CHttpRequest
{
    QUrl url; // with its query for GET
    QByteArray body; // the form body of a POST
    bool post = false;
};

// Sends the request and reads the reply. Status 200 is the only success;
// any other status, a network error, a reply past maxBytes or a time-out
// fails with a readable error and a log entry. A raised stop flag (polled
// while waiting) ends the request as cancelled with no reply. With progress
// the expected size goes out as the range and the bytes read as progress.
CHttpResult HttpRequest(QNetworkAccessManager &manager, const CHttpRequest &request, const CHttpLimits &limits,
    const std::atomic<bool> *stop = nullptr, CWaitJob *progress = nullptr);

// The address of objectPath on a service whose base address is a setting:
// scheme, host, optional port and path prefix ("http://127.0.0.1:8080/",
// "https://example.org/aoc"); a bare "host[:port]" means http. query (already
// encoded) follows "?" when not empty. An invalid URL, with the reason in
// error, when the base is not an http or https address.
QUrl ServiceUrl(const QString &base, const QString &objectPath, const QByteArray &query, QString *error);
