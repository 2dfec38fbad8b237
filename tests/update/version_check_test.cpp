#include "update/version_check.h"

#include "update/progress_download.h"

#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "tests/update/loopback_http_server.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace corvane {
namespace {

using testing::FakePrompter;
using testing::LoopbackHttpServer;
using testing::TempFolder;

const QString kAskCheck = QStringLiteral(
    "Do you want to check for a new version? (remember that you must have internet access to do this)");
const QString kConnectionError = QStringLiteral("Error while connecting! Update failed!");
const QString kSameVersion =
    QStringLiteral("Your version is the same as the version at the site: 0.3.0\r\n\r\nNo update needed!");

#ifdef _WIN32
constexpr bool kNoShell = true;
const QString kUpdaterName = QStringLiteral("updater.exe");
#else
constexpr bool kNoShell = false;
const QString kUpdaterName = QStringLiteral("updater");
#endif

QString offerText(const QString& siteVersion) {
    return QStringLiteral("Your version is: 0.3.0\r\nThe version at the site is: ") + siteVersion +
           QStringLiteral("\r\n\r\nDo you want to download the new version (scripter will quit without saving and "
                          "start the update utility)?");
}

QString q(const std::string& path) { return QString::fromStdString(path); }

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool waitForFile(const std::string& path) {
    QDeadlineTimer deadline(10000);
    while (!std::filesystem::exists(path) && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return std::filesystem::exists(path);
}

class VersionCheckTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.listening()); }

    void run(std::chrono::milliseconds timeLimit = std::chrono::seconds(10)) {
        VersionCheck check(prompter, paths, [this](const QString& text) { statuses << text; },
                           [this] { ++quits; }, server.baseUrl(), timeLimit);
        check.run(QStringLiteral("corvanescripter"));
    }

    // A stand-in update utility that records that it ran and what updater.cfg held then. It is a
    // shell script, so the tests that start it run where there is a shell.
    void installUpdater() {
        const std::string updater = program.file(kUpdaterName.toStdString());
        testing::writeBytes(updater, "#!/bin/sh\ncp updater.cfg updater-saw.cfg\necho started > updater-ran\n");
        std::filesystem::permissions(updater, std::filesystem::perms::owner_all);
    }

    void serveList(const std::string& list) { server.answer(200, QByteArray::fromStdString(list)); }

    LoopbackHttpServer server;
    TempFolder program;
    AppPaths paths = AppPaths::inFolder(q(program.path().string()));
    FakePrompter prompter;
    QStringList statuses;
    int quits = 0;
};

struct Flow {
    const char* name;
    int status;
    std::string body;
    std::deque<bool> answers;
    QStringList asked, told;  // after the first question
    bool listKept;            // version.txt stays behind, byte for byte
};

class VersionCheckFlows : public VersionCheckTest, public ::testing::WithParamInterface<Flow> {};

// Every way the check ends short of the hand-over: the questions, the messages, the status text and
// the files left in the program folder.
TEST_P(VersionCheckFlows, AskTellAndLeaveBehindExactly) {
    const Flow& c = GetParam();
    server.answer(c.status, QByteArray::fromStdString(c.body));
    prompter.yesNo = c.answers;
    run();
    EXPECT_EQ(prompter.asked, QStringList{kAskCheck} + c.asked);
    EXPECT_EQ(prompter.told, c.told);
    const bool checked = c.answers.front();
    EXPECT_EQ(server.requestedPaths(), checked ? QStringList{QStringLiteral("/updates/version.txt")} : QStringList{});
    EXPECT_EQ(statuses, checked ? QStringList{QStringLiteral("Checking for new version (") +
                                              server.baseUrl().toString() + QStringLiteral(")...")}
                                : QStringList{});
    EXPECT_EQ(namesIn(program.path()), c.listKept ? std::vector<std::string>{"version.txt"} : std::vector<std::string>{});
    if (c.listKept) {
        EXPECT_EQ(testing::readBytes(program.file("version.txt")), c.body);
    }
    EXPECT_EQ(quits, 0);
}

const std::string kOffer040 = "corvanescripter\r\n0.4.0\r\nx\r\n";
const QString kUpdaterMissing = QStringLiteral("The update utility (") + kUpdaterName +
                                QStringLiteral(") is not available! Please reinstall corvane scripter! The program is "
                                               "NOT updated!");

INSTANTIATE_TEST_SUITE_P(
    VersionCheck, VersionCheckFlows,
    ::testing::Values(
        Flow{"NoToTheFirstQuestion", 200, kOffer040, {false}, {}, {}, false},
        Flow{"SameVersion", 200, "corvanescripter\r\n0.3.0\r\nx\r\n", {true}, {}, {kSameVersion}, false},
        Flow{"NotListed", 200, "mapper\r\n0.4.0\r\nx\r\n", {true}, {}, {}, true},
        Flow{"EmptyList", 200, "", {true}, {}, {}, true},
        Flow{"FirstRecordDecidesNoKeepsList", 200,
             "corvanescripter\r\n0.2.9\r\nold\r\ncorvanescripter\r\n0.3.0\r\nsame\r\n", {true, false},
             {offerText(QStringLiteral("0.2.9"))}, {}, true},
        Flow{"UpdaterMissing", 200, kOffer040, {true, true}, {offerText(QStringLiteral("0.4.0"))}, {kUpdaterMissing},
             true},
        Flow{"NotFound", 404, kOffer040, {true}, {}, {kConnectionError}, false},
        Flow{"ServerError", 500, kOffer040, {true}, {}, {kConnectionError}, false},
        Flow{"TooLargeForAVersionList", 200, kOffer040 + std::string(ProgressDownload::kMaxBytes, 'x'), {true}, {},
             {kConnectionError}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VersionCheckTest, BaseUrlWithoutClosingSlashIsStillTheFolder) {
    serveList("corvanescripter\r\n0.3.0\r\nx\r\n");
    prompter.yesNo = {true};
    QUrl base = server.baseUrl();
    base.setPath(QStringLiteral("/updates"));
    VersionCheck(prompter, paths, [](const QString&) {}, [] {}, base).run(QStringLiteral("corvanescripter"));
    EXPECT_EQ(server.requestedPaths(), QStringList{QStringLiteral("/updates/version.txt")});
    EXPECT_EQ(prompter.told, QStringList{kSameVersion});
}

TEST_F(VersionCheckTest, ServerThatNeverAnswersTimesOut) {
    server.stayQuiet();
    prompter.yesNo = {true};
    run(std::chrono::milliseconds(300));
    EXPECT_EQ(server.requestedPaths().size(), 1);
    EXPECT_EQ(prompter.told, QStringList{kConnectionError});
    EXPECT_TRUE(namesIn(program.path()).empty());
}

TEST_F(VersionCheckTest, CancelInTheProgressDialogEndsQuietly) {
    server.stayQuiet();
    prompter.yesNo = {true};
    bool sawDialog = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (dialog && dialog->isVisible()) {
                sawDialog = true;
                auto* cancel = dialog->findChild<QPushButton*>();
                ASSERT_NE(cancel, nullptr);
                cancel->click();
            }
        }
    });
    poll.start(50);
    run(std::chrono::seconds(20));
    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_TRUE(namesIn(program.path()).empty());
}

// A hand-over that cannot be prepared or started says so and leaves the program running.
TEST_F(VersionCheckTest, FailedHandOverKeepsTheProgram) {
    const std::string updater = program.file(kUpdaterName.toStdString());
    const QString notStarted = QStringLiteral("The update utility ") + QDir::toNativeSeparators(q(updater)) +
                               QStringLiteral(" could not be started. The program is NOT updated!");
    testing::writeBytes(updater, "not a program");
    std::filesystem::permissions(updater, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    for (const bool cfgIsFolder : {true, false}) {
        if (!cfgIsFolder) std::filesystem::remove(program.file("updater.cfg"));
        if (cfgIsFolder) std::filesystem::create_directory(program.file("updater.cfg"));
        serveList("corvanescripter\r\n0.4.0\r\nx\r\n");
        prompter.yesNo = {true, true};
        prompter.told.clear();
        run();
        ASSERT_EQ(prompter.told.size(), 1);
        if (cfgIsFolder) {
            EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("The update could not be prepared: ")));
            EXPECT_TRUE(prompter.lastTold().endsWith(QStringLiteral(" The program is NOT updated!")));
        } else {
            EXPECT_EQ(prompter.lastTold(), notStarted);
        }
        EXPECT_TRUE(std::filesystem::exists(program.file("version.txt")));
        EXPECT_EQ(quits, 0);
    }
}

// With the program folder read-only, updater.cfg goes to the data folder, where the utility starts.
TEST_F(VersionCheckTest, YesHandsOverToTheUpdaterAndQuits) {
    if (kNoShell) GTEST_SKIP() << "the stand-in updater is a shell script";
    installUpdater();
    TempFolder data;
    paths.dataFolder = q(data.path().string());
    std::filesystem::permissions(program.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    serveList("other\r\n9\r\nz\r\ncorvanescripter\r\n0.03.0\r\nhttp://site/updates/scripter.zip\r\n");
    prompter.yesNo = {true, true};
    run();
    EXPECT_EQ(prompter.asked.value(1), offerText(QStringLiteral("0.03.0")));
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(quits, 1);
    const std::string expected = "Corvane Scripter\r\n0.03.0\r\nhttp://site/updates/scripter.zip\r\n" +
                                 QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString() +
                                 "\r\n";
    EXPECT_EQ(testing::readBytes(data.file("updater.cfg")), expected);
    ASSERT_TRUE(waitForFile(data.file("updater-ran")));
    ASSERT_TRUE(waitForFile(data.file("updater-saw.cfg")));
    EXPECT_FALSE(std::filesystem::exists(data.file("version.txt")));
    EXPECT_EQ(namesIn(program.path()), std::vector<std::string>{kUpdaterName.toStdString()});
}

TEST_F(VersionCheckTest, UnwritableDataFolderReportsTheDownloadAsIncomplete) {
    paths.dataFolder = q(program.file("missing-folder"));
    serveList("corvanescripter\r\n0.4.0\r\nx\r\n");
    prompter.yesNo = {true};
    run();
    EXPECT_EQ(prompter.told, QStringList{QStringLiteral("Info file was not downloaded correctly! Try again or check if "
                                                        "you have internet access at the moment!")});
    EXPECT_EQ(quits, 0);
}

}  // namespace
}  // namespace corvane
