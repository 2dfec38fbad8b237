#pragma once
// Fetches one small file over HTTP while a progress dialog with a Cancel button keeps the program
// responsive, giving up after a time limit.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <chrono>

namespace corvane {

struct DownloadResult {
    enum class Outcome { Done, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    QByteArray body;  // Done: the file's bytes
    QString error;    // Failed: what went wrong (connection, HTTP status, time-out, size)
};

class ProgressDownload {
public:
    // Larger answers are not a version list; the download stops there.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    ProgressDownload(QUrl url, std::chrono::milliseconds timeLimit, QString progressText);

    // Returns when the file is complete, the transfer failed, the time limit passed or the user
    // pressed Cancel.
    DownloadResult run();

private:
    QUrl url_;
    std::chrono::milliseconds timeLimit_;
    QString progressText_;
};

}  // namespace corvane
