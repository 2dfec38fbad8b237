#include "update/update_decision.h"
#include "update/updater_config.h"
#include "update/version_list.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr const char* kKey = "corvanescripter";

struct ListCase {
    const char* name;
    std::string list;
    bool found;
    std::string version, updaterLine;
};

class VersionLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(VersionLists, FindTheFirstCompleteRecordOfTheKey) {
    const auto& c = GetParam();
    const auto record = FindVersionRecord(c.list, kKey);
    ASSERT_EQ(record.has_value(), c.found);
    if (!record) return;
    EXPECT_EQ(record->key, kKey);
    EXPECT_EQ(record->version, c.version);
    EXPECT_EQ(record->updaterLine, c.updaterLine);
}

INSTANTIATE_TEST_SUITE_P(
    VersionList, VersionLists,
    ::testing::Values(
        ListCase{"OnlyRecord", "corvanescripter\r\n0.4.0\r\nscripter.zip\r\n", true, "0.4.0", "scripter.zip"},
        ListCase{"AfterOtherPrograms", "mapper\r\n1.0\r\nm.zip\r\ncorvanescripter\r\n0.5.1\r\ns.zip\r\n", true,
                 "0.5.1", "s.zip"},
        ListCase{"KeyTwiceFirstWins", "corvanescripter\r\n0.4.0\r\na\r\ncorvanescripter\r\n0.9.9\r\nb\r\n", true,
                 "0.4.0", "a"},
        ListCase{"KeyInOtherCase", "CorvaneScripter\r\n0.4.0\r\na\r\n", false, "", ""},
        ListCase{"KeyAsVersionOfOtherRecord", "other\r\ncorvanescripter\r\nx\r\n", false, "", ""},
        ListCase{"KeyInThirdLineStartsNoRecord", "other\r\n1\r\ncorvanescripter\r\n0.4.0\r\nz\r\n", false, "", ""},
        ListCase{"IncompleteLastRecord", "corvanescripter\r\n0.4.0\r\n", false, "", ""},
        ListCase{"IncompleteLastRecordAfterOthers", "a\r\n1\r\nx\r\ncorvanescripter\r\n0.4.0", false, "", ""},
        ListCase{"LastLineWithoutBreak", "corvanescripter\r\n0.4.0\r\nlast", true, "0.4.0", "last"},
        ListCase{"EmptyThirdLine", "corvanescripter\r\n0.4.0\r\n\r\n", true, "0.4.0", ""},
        ListCase{"BareLineFeeds", "corvanescripter\n0.4.0\nx\n", true, "0.4.0", "x"},
        ListCase{"BareCarriageReturns", "corvanescripter\r0.4.0\rx\ry", true, "0.4.0", "x"},
        ListCase{"ByteOrderMark", "\xEF\xBB\xBF" "corvanescripter\r\n0.4.0\r\nx\r\n", true, "0.4.0", "x"},
        ListCase{"TrailingBlankIsPartOfTheKey", "corvanescripter \r\n0.4.0\r\nx\r\n", false, "", ""},
        ListCase{"Empty", "", false, "", ""},
        ListCase{"BinaryJunk", std::string("\0\r\n\xFF\n\n", 6), false, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecideUpdate, ComparesVersionsAsText) {
    struct Case {
        const char* siteVersion;
        UpdateDecision::Kind kind;
    };
    for (const Case& c : {Case{"0.3.0", UpdateDecision::Kind::SameVersion},
                          Case{"0.4.0", UpdateDecision::Kind::OtherVersion},
                          Case{"0.2.9", UpdateDecision::Kind::OtherVersion},
                          Case{"0.03.0", UpdateDecision::Kind::OtherVersion},
                          Case{"0.3.0 ", UpdateDecision::Kind::OtherVersion}}) {
        const std::string list = std::string(kKey) + "\r\n" + c.siteVersion + "\r\nline3\r\n";
        const auto decision = DecideUpdate(list, kKey, "0.3.0");
        EXPECT_EQ(decision.kind, c.kind) << c.siteVersion;
        EXPECT_EQ(decision.record.version, c.siteVersion);
    }
    EXPECT_EQ(DecideUpdate("other\r\n0.3.0\r\nx\r\n", kKey, "0.3.0").kind, UpdateDecision::Kind::NotListed);
}

TEST(UpdaterConfigText, IsFourLinesEndedByCrLf) {
    const VersionRecord record{kKey, "0.4.0", "http://site/updates/scripter.zip"};
    EXPECT_EQ(UpdaterConfigText(record, "C:\\Tools\\scripter.exe"),
              "Corvane Scripter\r\n0.4.0\r\nhttp://site/updates/scripter.zip\r\nC:\\Tools\\scripter.exe\r\n");
    EXPECT_EQ(UpdaterConfigText(VersionRecord{kKey, "", ""}, "/opt/x"), "Corvane Scripter\r\n\r\n\r\n/opt/x\r\n");
}

}  // namespace
}  // namespace corvane
