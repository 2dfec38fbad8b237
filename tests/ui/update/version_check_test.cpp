#include "ui/update/version_check.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "tests/common/under_wine.h"
#include "tests/update/loopback_http_server.h"
#include "ui/update/progress_download.h"

namespace corvane {
namespace {

using std::filesystem::perms;
#ifdef _WIN32
const QString kUpdater = QStringLiteral("updater.exe");
#else
const QString kUpdater = QStringLiteral("updater");
#endif
const QString kConnectionError = QStringLiteral("Error while connecting! Update failed!");
const std::string kOffer040 = "corvanescripter\r\n0.4.0\r\nx\r\n";
constexpr int kQuiet = 0, kCancel = -1;  // no answer: wait for the time limit, or click Cancel

QString q(const std::string& path) { return QString::fromStdString(path); }

QString offer(const char* siteVersion) {
    return QStringLiteral(
               "Your version is: 0.3.0\r\nThe version at the site is: %1\r\n\r\nDo you want to download "
               "the new version (scripter will quit without saving and start the update utility)?")
        .arg(QLatin1String(siteVersion));
}

class VersionCheckTest : public ::testing::Test {
protected:
    // What the stand-in update utility found as updater.cfg in its working folder, once it has run there.
    static std::string updaterSaw(const testing::TempFolder& folder) {
        for (QDeadlineTimer limit(10000); !std::filesystem::exists(folder.file("updater-ran")) && !limit.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return testing::readBytes(folder.file("updater-saw.cfg"));
    }
    const std::string kConfigFor003 = "Corvane Scripter\r\n0.03.0\r\nhttp://site/updates/scripter.zip\r\n" +
                                      QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString() +
                                      "\r\n";

    void run(std::deque<bool> answers, std::chrono::milliseconds timeLimit = std::chrono::seconds(10)) {
        prompter.yesNo = std::move(answers);
        VersionCheck(
            prompter, paths, [this](const QString& s) { statuses << s; }, [this] { ++quits; }, base, timeLimit)
            .run(QStringLiteral("corvanescripter"));
    }

    testing::LoopbackHttpServer server;
    QUrl base = server.baseUrl();
    testing::TempFolder program;
    AppPaths paths = AppPaths::inFolder(q(program.path().string()));
    testing::FakePrompter prompter;
    QStringList statuses;
    int quits = 0;
};

struct Flow {
    const char* name;
    int status;  // or kQuiet, kCancel
    std::string list;
    std::deque<bool> answers;
    QStringList asked = {}, told = {};            // after the first question
    bool listKept = false, noDataFolder = false;  // version.txt stays behind, byte for byte; no data folder
};

class VersionCheckFlows : public VersionCheckTest, public ::testing::WithParamInterface<Flow> {};

// Every way the check ends short of the hand-over: the questions, the messages, the status text and
// the files left in the program folder.
TEST_P(VersionCheckFlows, AskTellAndLeaveBehindExactly) {
    const Flow& c = GetParam();
    c.status > 0 ? server.answer(c.status, QByteArray::fromStdString(c.list)) : server.stayQuiet();
    base.setPath(QStringLiteral("/updates"));  // without its closing slash it is still the folder
    if (c.noDataFolder) paths.dataFolder = q(program.file("missing-folder"));
    QTimer poll;  // clicks Cancel in the progress dialog once it shows; else the time limit ends the wait
    QObject::connect(&poll, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->findChild<QPushButton*>()->click();
    });
    if (c.status == kCancel) poll.start(50);
    run(c.answers, c.status == kQuiet ? std::chrono::milliseconds(300) : std::chrono::seconds(10));
    EXPECT_EQ(prompter.asked, QStringList{QStringLiteral("Do you want to check for a new version? (remember that you "
                                                         "must have internet access to do this)")} +
                                  c.asked);
    EXPECT_EQ(prompter.told, c.told);
    const bool checked = c.answers.front();
    EXPECT_EQ(server.requestedPaths(), checked ? QStringList{QStringLiteral("/updates/version.txt")} : QStringList{});
    EXPECT_EQ(statuses, checked ? QStringList{QStringLiteral("Checking for new version (%1)...").arg(base.toString())}
                                : QStringList{});
    EXPECT_EQ(QDir(q(program.path().string())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              c.listKept ? QStringList{QStringLiteral("version.txt")} : QStringList{});
    EXPECT_EQ(testing::readBytes(program.file("version.txt")), c.listKept ? c.list : "");
    EXPECT_EQ(quits, 0);
}

const QString kSame =
    QStringLiteral("Your version is the same as the version at the site: 0.3.0\r\n\r\nNo update needed!");
const QString kNoUpdater = QStringLiteral(
    "The update utility (%1) is not available! Please reinstall corvane scripter! The program is NOT updated!");
const QString kNotDownloaded = QStringLiteral(
    "Info file was not downloaded correctly! Try again or check if you have internet access at the moment!");
const QString kDamaged = QStringLiteral("The version list at the site is damaged. The program is NOT updated!");
const std::string kTooLarge = kOffer040 + std::string(ProgressDownload::kMaxBytes, 'x');

INSTANTIATE_TEST_SUITE_P(
    VersionCheck, VersionCheckFlows,
    ::testing::Values(
        Flow{"NoToTheFirstQuestion", 200, kOffer040, {false}},
        Flow{"SameVersion", 200, "corvanescripter\r\n0.3.0\r\nx\r\n", {true}, {}, {kSame}},
        Flow{"NotListed", 200, "mapper\r\n0.4.0\r\nx\r\n", {true}, {}, {}, true},  // nothing offered
        Flow{"Cancel", kCancel, "", {true}},
        Flow{"NoToTheOfferKeepsList", 200, kOffer040, {true, false}, {offer("0.4.0")}, {}, true},
        Flow{"UpdaterMissing", 200, kOffer040, {true, true}, {offer("0.4.0")}, {kNoUpdater.arg(kUpdater)}, true},
        Flow{"DataFolderMissing", 200, kOffer040, {true}, {}, {kNotDownloaded}, false, true},
        Flow{"DamagedRecord", 200, "corvanescripter\r\n0.4.0\x1B[2J\r\nx\r\n", {true}, {}, {kDamaged}, true},
        Flow{"NotFound", 404, kOffer040, {true}, {}, {kConnectionError}},
        Flow{"TooLargeForAVersionList", 200, kTooLarge, {true}, {}, {kConnectionError}},
        Flow{"NoAnswerInTime", kQuiet, "", {true}, {}, {kConnectionError}}),
    [](const auto& info) { return std::string(info.param.name); });

// A hand-over that cannot be prepared or started says so and leaves the program running. With the program
// folder read-only, updater.cfg goes to the data folder, where the utility starts.
TEST_F(VersionCheckTest, HandOverStartsTheUpdaterAndQuitsOrSaysWhyNot) {
    const std::string updater = program.file(kUpdater.toStdString());
    testing::writeBytes(updater, "#!/bin/sh\ncp updater.cfg updater-saw.cfg\necho started > updater-ran\n");
    std::filesystem::permissions(updater, perms::owner_read | perms::owner_write);  // cannot be started
    std::filesystem::create_directory(program.file("updater.cfg"));                 // cannot be written
    server.answer(200, "other\r\n9\r\nz\r\ncorvanescripter\r\n0.03.0\r\nhttp://site/updates/scripter.zip\r\n");
    run({true, true});
    const QString notUpdated = QStringLiteral(" The program is NOT updated!");
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].startsWith(QStringLiteral("The update could not be prepared: ")) &&
                prompter.told[0].endsWith(notUpdated))
        << prompter.told[0].toStdString();
    std::filesystem::remove(program.file("updater.cfg"));
    if (testing::RunningUnderWine())
        GTEST_SKIP() << "Wine starts a file that is no Windows program as a Unix program, so the stand-in update "
                        "utility cannot be made one that fails to start";
    run({true, true});
    ASSERT_EQ(prompter.told.size(), 2);
    EXPECT_EQ(prompter.told[1],
              QStringLiteral("The update utility %1 could not be started.").arg(QDir::toNativeSeparators(q(updater))) +
                  notUpdated);
    EXPECT_TRUE(std::filesystem::exists(program.file("version.txt")));
    EXPECT_EQ(quits, 0);
#ifndef _WIN32  // the stand-in update utility is a shell script
    std::filesystem::permissions(updater, perms::owner_all);
    testing::TempFolder data;
    paths.dataFolder = q(data.path().string());
    std::filesystem::permissions(program.path(), perms::owner_read | perms::owner_exec);
    run({true, true});
    EXPECT_EQ(prompter.told.size(), 2);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(updaterSaw(data), kConfigFor003);
    EXPECT_FALSE(std::filesystem::exists(data.file("version.txt")));
#endif
}

#ifdef _WIN32
// On Windows the hand-over starts updater.exe beside the program, in the data folder (here the same one).
TEST_F(VersionCheckTest, HandOverStartsUpdaterExeBesideTheProgram) {
    std::filesystem::copy_file(CORVANE_STAND_IN_UPDATER, program.file("updater.exe"));
    server.answer(200, "corvanescripter\r\n0.03.0\r\nhttp://site/updates/scripter.zip\r\n");
    run({true, true});
    EXPECT_EQ(prompter.told, QStringList{});
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(updaterSaw(program), kConfigFor003);
    EXPECT_FALSE(std::filesystem::exists(program.file("version.txt")));
}
#endif

// Plain http to anywhere but this machine is refused before anything is fetched; an installed copy
// names the new version and offers nothing to start.
TEST_F(VersionCheckTest, RefusesPlainHttpAndSendsAnInstalledCopyToThePackageManager) {
    server.answer(200, QByteArray::fromStdString(kOffer040));
    const QUrl loopback = base;
    base = QUrl(QStringLiteral("http://localhost.example.org:%1/u/").arg(loopback.port()));
    run({true, true});
    EXPECT_EQ(server.requestedPaths(), QStringList{});
    base = loopback;
#ifdef _WIN32
    testing::writeBytes(program.file("uninstall.exe"), "");  // what the setup program leaves
    const QString advice = QStringLiteral(
        "This copy was installed by its setup program: install the new version with the new version's setup "
        "program.");
#else
    paths.programFolder = QStringLiteral("/usr/bin");
    const QString advice =
        QStringLiteral("This copy was installed by the system: update it through the package manager.");
#endif
    run({true, true});
    EXPECT_EQ(prompter.asked.size(), 2) << "no offer to download";
    EXPECT_EQ(
        prompter.told,
        (QStringList{QStringLiteral("The update site http://localhost.example.org:%1/u/version.txt is "
                                    "refused: only https addresses are used. The program is NOT "
                                    "updated!")
                         .arg(loopback.port()),
                     QStringLiteral("Your version is: 0.3.0\r\nThe version at the site is: 0.4.0\r\n\r\n") + advice}));
    EXPECT_EQ(quits, 0);
}

// A redirect is followed only to an address the check would fetch from when given it directly.
TEST_F(VersionCheckTest, FollowsRedirectsOnlyToAllowedAddresses) {
    server.answer(200, QByteArray::fromStdString(kOffer040));
    const QString next = QStringLiteral("http://%1:%2/other/version.txt");
    server.redirect(QStringLiteral("/updates/version.txt"),
                    next.arg(QStringLiteral("[::ffff:127.0.0.1]")).arg(server.port()));
    // Qt sends a request once more when the server closed a kept-alive connection under it: one each.
    const auto requested = [this] {
        QStringList paths = server.requestedPaths();
        paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
        return paths;
    };
    run({true});
    EXPECT_EQ(prompter.told, QStringList{kConnectionError});
    EXPECT_EQ(requested(), QStringList{QStringLiteral("/updates/version.txt")});
    server.redirect(QStringLiteral("/updates/version.txt"), next.arg(QStringLiteral("127.0.0.1")).arg(server.port()));
    run({true, false});
    EXPECT_EQ(prompter.asked.last(), offer("0.4.0"));
    EXPECT_EQ(requested(), (QStringList{QStringLiteral("/updates/version.txt"), QStringLiteral("/other/version.txt")}));
}

}  // namespace
}  // namespace corvane
