#include "ui/background_check.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>
#include <string>
#include <vector>

namespace corvane::testing {
namespace {

const std::string kUnknownWord = "START_SCRIPT { ZZZ } ENDSCRIPT";
const std::string kMissingValue = "START_SCRIPT { SET VAR_1 } ENDSCRIPT";

std::vector<std::string> messagesOf(const std::vector<Diagnostic>& found) {
    std::vector<std::string> messages;
    for (const Diagnostic& problem : found)
        messages.push_back(std::to_string(problem.position) + ' ' + problem.message);
    return messages;
}

std::vector<std::string> expectedFor(const std::string& text) {
    return messagesOf(Diagnose(text, LanguageTables::Standard(), Grammar::Standard()));
}

using Results = std::vector<std::vector<std::string>>;

class BackgroundCheckTest : public ::testing::Test {
protected:
    Results results;
    BackgroundCheck check{LanguageTables::Standard(), Grammar::Standard(),
                          [this](const std::vector<Diagnostic>& found) { results.push_back(messagesOf(found)); }};
};

TEST_F(BackgroundCheckTest, TheResultComesBackThroughTheEventLoopNotInsideStart) {
    check.start(kUnknownWord);
    EXPECT_TRUE(results.empty());  // handed back on this thread, never from inside start
    QElapsedTimer clock;
    clock.start();
    while (results.empty() && clock.elapsed() < 10000) QCoreApplication::processEvents();
    EXPECT_EQ(results, Results{expectedFor(kUnknownWord)});
    EXPECT_FALSE(check.busy());
}

// An edit after the start makes a result stale, and so does a newer text given while the check runs; the
// late notice of a collected check hands nothing twice.
TEST_F(BackgroundCheckTest, OnlyTheNewestUneditedTextIsHandedBackOnce) {
    check.start(kUnknownWord);
    check.textChanged();
    check.wait();
    EXPECT_TRUE(results.empty());
    check.start(kUnknownWord);
    check.start(kMissingValue);
    check.wait();
    EXPECT_EQ(results, Results{expectedFor(kMissingValue)});
    QCoreApplication::processEvents();
    EXPECT_EQ(results.size(), 1u);
}

TEST(BackgroundCheckEnd, DestroyedWhileCheckingWaitsAndHandsNothing) {
    int handed = 0;
    auto check = std::make_unique<BackgroundCheck>(LanguageTables::Standard(), Grammar::Standard(),
                                                   [&handed](const std::vector<Diagnostic>&) { ++handed; });
    std::string large;
    while (large.size() < (64u << 10)) large += "FOO BAR ";  // still being checked when destroyed
    check->start(large);
    check.reset();
    QCoreApplication::processEvents();  // the worker's notice went with the object
    EXPECT_EQ(handed, 0);
}

}  // namespace
}  // namespace corvane::testing
