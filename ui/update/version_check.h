#pragma once
// File > Check for new version & Update...: asks the update site which version it offers, and if it
// differs from this one and the user agrees, hands over to the update utility and ends the program.

#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

#include "ui/common/app_paths.h"

namespace corvane {

class Prompter;
struct VersionRecord;

class VersionCheck : public QObject {
    Q_OBJECT

public:
    using StatusSink = std::function<void(const QString&)>;
    using QuitProgram = std::function<void()>;

    // The update site chosen at build time (CORVANE_UPDATE_URL).
    static QUrl defaultBaseUrl();
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{30000};

    // `baseUrl` is the site's web folder (ending in "updates/"); the list is its "version.txt".
    // `quitProgram` ends the program at once, without asking about unsaved work.
    VersionCheck(Prompter& prompter, const AppPaths& paths, StatusSink setStatus, QuitProgram quitProgram,
                 QUrl baseUrl = defaultBaseUrl(), std::chrono::milliseconds timeLimit = kDefaultTimeLimit,
                 QObject* parent = nullptr);

    // Asked right before the update utility is started: may the program end now? (The editor asks
    // about an unsaved script here; false keeps the program running and starts nothing.)
    void setMayQuit(std::function<bool()> mayQuit) { mayQuit_ = std::move(mayQuit); }

    // The whole check for the program listed under `programKey` ("corvanescripter").
    void run(const QString& programKey);

    // The update utility beside the program: updater.exe on Windows, updater elsewhere.
    QString updaterPath() const;

private:
    bool download(QByteArray& list);
    void offerUpdate(const VersionRecord& record, const QString& ownVersion);
    bool handOver(const VersionRecord& record);
    QString versionListPath() const;

    Prompter& prompter_;
    AppPaths paths_;
    StatusSink setStatus_;
    QuitProgram quitProgram_;
    std::function<bool()> mayQuit_;
    QUrl baseUrl_;
    std::chrono::milliseconds timeLimit_;
};

}  // namespace corvane
