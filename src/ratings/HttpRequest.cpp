#include "ratings/HttpRequest.h"

#include "app/Log.h"
#include "app/WaitJob.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <climits>
#include <memory>

namespace {

constexpr qint64 kChunk = 64 * 1024;
constexpr int kStopPollMs = 50;

QString tr(const char *text)
{
    return QCoreApplication::translate("HttpRequest", text);
}

QString sizeText(qint64 bytes)
{
    if (bytes >= (1 << 20) && bytes % (1 << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString secondsText(int ms)
{
    return ms % 1000 == 0 ? QString::number(ms / 1000) : QString::number(ms / 1000.0, 'f', 1);
}

bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// How the exchange ended, as far as this side decided it.
enum class Stop { None, Cancelled, TimedOut, TooLarge };

CHttpResult failure(const QString &error, int code)
{
    Log::Write(QStringLiteral("Error reading web page\r\nError code: %1\r\nError Msg: %2").arg(code).arg(error));
    CHttpResult result;
    result.error = error;
    return result;
}

} // namespace

CHttpResult HttpRequest(QNetworkAccessManager &manager, const CHttpRequest &call, const CHttpLimits &limits,
    const std::atomic<bool> *stop, CWaitJob *progress)
{
    // A local service never goes through the user's proxy.
    manager.setProxy(isLoopback(call.url.host()) ? QNetworkProxy(QNetworkProxy::NoProxy)
                                                 : QNetworkProxy(QNetworkProxy::DefaultProxy));

    QNetworkRequest request(call.url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("My Session"));
    // Compressed replies would be inflated behind the size limit's back.
    request.setRawHeader("Accept-Encoding", "identity");
    manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits.maxRedirects);
    if (call.post)
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));

    const std::unique_ptr<QNetworkReply> reply(call.post ? manager.post(request, call.body) : manager.get(request));
    reply->setReadBufferSize(kChunk);

    QByteArray body;
    Stop stopped = Stop::None;
    auto end = [&](Stop why) {
        if (stopped != Stop::None)
            return;
        stopped = why;
        if (!reply->isFinished())
            reply->abort();
    };
    auto readAvailable = [&] {
        while (stopped == Stop::None && reply->bytesAvailable() > 0) {
            const QByteArray chunk = reply->read(kChunk);
            if (body.size() + chunk.size() > limits.maxBytes) {
                end(Stop::TooLarge);
                return;
            }
            body += chunk;
            if (progress)
                progress->PostProgress(CWaitJob::kPage, int(qMin<qint64>(body.size(), INT_MAX)));
        }
    };

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, readAvailable);
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const qint64 expected = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (expected > limits.maxBytes)
            end(Stop::TooLarge);
        else if (progress && expected > 0)
            progress->PostRange(int(expected));
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { end(Stop::TimedOut); });
    deadline.start(limits.timeoutMs);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (stop && *stop)
            end(Stop::Cancelled);
    });
    poll.start(kStopPollMs);

    if (!reply->isFinished())
        loop.exec();
    readAvailable();

    const QString host = call.url.host();
    switch (stopped) {
    case Stop::Cancelled: {
        CHttpResult result;
        result.status = CHttpResult::Status::Cancelled;
        return result;
    }
    case Stop::TimedOut:
        return failure(tr("No complete answer from %1 within %2 seconds.").arg(host, secondsText(limits.timeoutMs)),
            QNetworkReply::TimeoutError);
    case Stop::TooLarge:
        return failure(tr("The answer of %1 is larger than %2.").arg(host, sizeText(limits.maxBytes)),
            QNetworkReply::UnknownContentError);
    case Stop::None:
        break;
    }

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200) {
        CHttpResult result;
        result.httpStatus = status.toInt();
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        // Redirects are followed by the manager; one that is left is one
        // too many, or one to a less safe address.
        result.error = result.httpStatus / 100 == 3
            ? tr("%1 sent a redirect that was not followed (more than %2, or to a less safe address).")
                  .arg(host)
                  .arg(limits.maxRedirects)
            : tr("%1 answered with HTTP status %2 %3.").arg(host).arg(result.httpStatus).arg(reason);
        Log::Write(QStringLiteral("Error Reading Web Page\r\nError Number: %1\r\nError: %2")
                       .arg(result.httpStatus)
                       .arg(result.error));
        return result;
    }
    if (reply->error() != QNetworkReply::NoError)
        return failure(reply->errorString(), reply->error());
    if (!status.isValid())
        return failure(tr("%1 sent no HTTP answer.").arg(host), QNetworkReply::ProtocolFailure);

    CHttpResult result;
    result.status = CHttpResult::Status::Completed;
    result.httpStatus = 200;
    result.body = std::move(body);
    return result;
}

QUrl ServiceUrl(const QString &base, const QString &objectPath, const QByteArray &query, QString *error)
{
    QString text = base.trimmed();
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("http://"));
    QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()
        || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty()) {
        if (error)
            *error = tr("'%1' is not an http:// or https:// address.").arg(base);
        return QUrl();
    }
    QByteArray encoded = url.toEncoded();
    if (!encoded.endsWith('/'))
        encoded += '/';
    encoded += QUrl::toPercentEncoding(objectPath, "/");
    if (!query.isEmpty())
        encoded += '?' + query;
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}
