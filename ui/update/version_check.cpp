#include "ui/update/version_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "support/file_utils.h"
#include "support/safe_file.h"
#include "ui/common/prompter.h"
#include "ui/update/progress_download.h"
#include "update/program_version.h"
#include "update/update_decision.h"
#include "update/update_url.h"
#include "update/updater_config.h"

namespace corvane {

namespace {

QString crLf() { return QString::fromStdString(CrLf()); }

QString updaterFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("updater.exe");
#else
    return QStringLiteral("updater");
#endif
}

QString installedCopyAdvice() {
#ifdef Q_OS_WIN
    return QStringLiteral(
        "This copy was installed by its setup program: install the new version with the new "
        "version's setup program.");
#else
    return QStringLiteral("This copy was installed by the system: update it through the package manager.");
#endif
}

QString notUpdated(const QString& reason) { return reason + QStringLiteral(" The program is NOT updated!"); }

// "Your version is: ...", "The version at the site is: ..." and a blank line.
QString bothVersions(const QString& ownVersion, const VersionRecord& record) {
    return QStringLiteral("Your version is: ") + ownVersion + crLf() + QStringLiteral("The version at the site is: ") +
           QString::fromStdString(record.version) + crLf() + crLf();
}

}  // namespace

QUrl VersionCheck::defaultBaseUrl() { return QUrl(QStringLiteral(CORVANE_UPDATE_URL)); }

VersionCheck::VersionCheck(Prompter& prompter, const AppPaths& paths, StatusSink setStatus, QuitProgram quitProgram,
                           QUrl baseUrl, std::chrono::milliseconds timeLimit, QObject* parent)
    : QObject(parent),
      prompter_(prompter),
      paths_(paths),
      setStatus_(std::move(setStatus)),
      quitProgram_(std::move(quitProgram)),
      baseUrl_(std::move(baseUrl)),
      timeLimit_(timeLimit) {}

QString VersionCheck::updaterPath() const { return paths_.programFolder + QLatin1Char('/') + updaterFileName(); }

QString VersionCheck::versionListPath() const { return paths_.inData(QStringLiteral("version.txt")); }

void VersionCheck::run(const QString& programKey) {
    const QString ownVersion = QString::fromStdString(ProgramVersionText());
    if (!prompter_.askYesNo(QStringLiteral("Do you want to check for a new version? (remember that you must have "
                                           "internet access to do this)"))) {
        return;
    }
    setStatus_(QStringLiteral("Checking for new version (") + baseUrl_.toString() + QStringLiteral(")..."));
    QByteArray list;
    if (!download(list)) return;

    const auto decision = DecideUpdate(list.toStdString(), programKey.toStdString(), ownVersion.toStdString());
    if (decision.kind == UpdateDecision::Kind::NotListed) return;
    if (decision.kind == UpdateDecision::Kind::OtherVersion && !IsCompleteVersionRecord(decision.record)) {
        prompter_.tell(notUpdated(QStringLiteral("The version list at the site is damaged.")));
        return;
    }
    if (decision.kind == UpdateDecision::Kind::SameVersion) {
        prompter_.tell(QStringLiteral("Your version is the same as the version at the site: ") + ownVersion + crLf() +
                       crLf() + QStringLiteral("No update needed!"));
        QFile::remove(versionListPath());
        return;
    }
    offerUpdate(decision.record, ownVersion);
}

// Fetches the list and keeps a copy as version.txt in the data folder.
bool VersionCheck::download(QByteArray& list) {
    QUrl folder = baseUrl_;
    // The site is a web folder; without its closing slash "version.txt" would replace its last part.
    if (!folder.path().endsWith(QLatin1Char('/'))) folder.setPath(folder.path() + QLatin1Char('/'));
    const QUrl url = folder.resolved(QUrl(QStringLiteral("version.txt")));
    // Over plain http anyone on the way could offer a "new version" of their own.
    if (!IsAllowedUpdateUrl(url.toString(QUrl::FullyEncoded).toStdString())) {
        prompter_.tell(notUpdated(QStringLiteral("The update site ") + url.toString() +
                                  QStringLiteral(" is refused: only https addresses are used.")));
        return false;
    }
    const DownloadResult result =
        ProgressDownload(url, timeLimit_, QStringLiteral("Checking for new version...")).run();
    if (result.outcome == DownloadResult::Outcome::Cancelled) return false;
    if (result.outcome == DownloadResult::Outcome::Failed) {
        prompter_.tell(QStringLiteral("Error while connecting! Update failed!"));
        return false;
    }
    const std::string path = toEnginePath(versionListPath());
    if (!WriteFileAtomically(path,
                             std::string_view(result.body.constData(), static_cast<std::size_t>(result.body.size()))) ||
        !FileExists(path)) {
        prompter_.tell(
            QStringLiteral("Info file was not downloaded correctly! Try again or check if you have internet "
                           "access at the moment!"));
        return false;
    }
    list = result.body;
    return true;
}

void VersionCheck::offerUpdate(const VersionRecord& record, const QString& ownVersion) {
    // The package manager (on Windows the setup program) owns the files of an installed program: its
    // update comes from there.
    if (IsSystemProgramFolder(paths_.programFolder)) {
        prompter_.tell(bothVersions(ownVersion, record) + installedCopyAdvice());
        return;
    }
    const QString question =
        bothVersions(ownVersion, record) + QStringLiteral(
                                               "Do you want to download the new version (scripter will quit without "
                                               "saving and start the update utility)?");
    if (!prompter_.askYesNo(question)) return;
    if (!FileExists(toEnginePath(updaterPath()))) {
        prompter_.tell(QStringLiteral("The update utility (") + updaterFileName() +
                       QStringLiteral(") is not available! Please reinstall corvane scripter! The program is NOT "
                                      "updated!"));
        return;
    }
    if (mayQuit_ && !mayQuit_()) return;
    if (!handOver(record)) return;
    QFile::remove(versionListPath());
    quitProgram_();
}

// Writes updater.cfg and starts the update utility; false (after a message) when either failed.
bool VersionCheck::handOver(const VersionRecord& record) {
    const QString programFile = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    FileError error;
    if (!WriteFileAtomically(toEnginePath(paths_.inData(QStringLiteral("updater.cfg"))),
                             UpdaterConfigText(record, toEnginePath(programFile)), &error)) {
        prompter_.tell(
            notUpdated(QStringLiteral("The update could not be prepared: ") + fromEnginePath(error.message())));
        return false;
    }
    // The utility finds updater.cfg in its working folder: the data folder, which is the program
    // folder unless that one is read-only.
    if (!QProcess::startDetached(updaterPath(), {}, paths_.dataFolder)) {
        prompter_.tell(notUpdated(QStringLiteral("The update utility ") + QDir::toNativeSeparators(updaterPath()) +
                                  QStringLiteral(" could not be started.")));
        return false;
    }
    return true;
}

}  // namespace corvane
