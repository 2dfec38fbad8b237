#include "ui/update/progress_download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
#include <QTimer>
#include <memory>

#include "update/update_url.h"

namespace corvane {

namespace {

// A download that ends this quickly never flashes a dialog.
constexpr std::chrono::milliseconds kDialogDelay{400};

struct Watch {
    bool cancelled = false;
    bool timedOut = false;
    bool tooLarge = false;
    QUrl refusedRedirect;
};

DownloadResult resultOf(QNetworkReply& reply, const Watch& watch, const std::chrono::milliseconds timeLimit) {
    DownloadResult result;
    if (watch.cancelled) {
        result.outcome = DownloadResult::Outcome::Cancelled;
    } else if (watch.timedOut) {
        result.error = QStringLiteral("no answer within %1 seconds").arg(timeLimit.count() / 1000.0);
    } else if (!watch.refusedRedirect.isEmpty()) {
        result.error =
            QStringLiteral("the site sent the request on to %1, which is refused: only https addresses are used")
                .arg(watch.refusedRedirect.host());
    } else if (watch.tooLarge) {
        result.error = QStringLiteral("the answer is larger than %1 bytes").arg(ProgressDownload::kMaxBytes);
    } else if (reply.error() != QNetworkReply::NoError) {
        result.error = reply.errorString();
    } else {
        result.outcome = DownloadResult::Outcome::Done;
        result.body = reply.readAll();
    }
    return result;
}

}  // namespace

ProgressDownload::ProgressDownload(QUrl url, std::chrono::milliseconds timeLimit, QString progressText)
    : url_(std::move(url)), timeLimit_(timeLimit), progressText_(std::move(progressText)) {}

DownloadResult ProgressDownload::run() {
    QNetworkAccessManager network;
    QNetworkRequest request(url_);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Every hop of a redirect must be an address the program would fetch from when given directly.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    QProgressDialog dialog(progressText_, QStringLiteral("Cancel"), 0, 0);
    dialog.setObjectName(QStringLiteral("downloadProgress"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QTimer::singleShot(kDialogDelay, &dialog, [&dialog] { dialog.show(); });

    Watch watch;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        watch.timedOut = true;
        reply->abort();
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        watch.cancelled = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (received > kMaxBytes) {
            watch.tooLarge = true;
            reply->abort();
            return;
        }
        if (total > 0) {
            dialog.setMaximum(static_cast<int>(std::min(total, kMaxBytes)));
            dialog.setValue(static_cast<int>(received));
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::redirected, &loop, [&](const QUrl& next) {
        if (IsAllowedUpdateUrl(next.toString(QUrl::FullyEncoded).toStdString())) {
            emit reply->redirectAllowed();
        } else {
            watch.refusedRedirect = next;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeLimit_);
    if (!reply->isFinished()) loop.exec();
    return resultOf(*reply, watch, timeLimit_);
}

}  // namespace corvane
