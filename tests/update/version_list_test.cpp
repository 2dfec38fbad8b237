#include "update/version_list.h"

#include <gtest/gtest.h>

#include "update/update_decision.h"
#include "update/updater_config.h"

namespace corvane {
namespace {

using namespace std::string_literals;
constexpr const char* kKey = "corvanescripter";

// A list without the record is given with no version.
TEST(VersionList, FindsTheFirstCompleteRecordOfTheKey) {
    for (const auto& [list, version, updaterLine] :
         {std::tuple{"corvanescripter\r\n0.4.0\r\nscripter.zip\r\n"s, "0.4.0", "scripter.zip"},
          {"mapper\r\n1.0\r\nm.zip\r\ncorvanescripter\r\n0.5.1\r\ns.zip\r\n", "0.5.1", "s.zip"},
          {"corvanescripter\r\n0.4.0\r\na\r\ncorvanescripter\r\n0.9.9\r\nb\r\n", "0.4.0", "a"},  // the first wins
          {"corvanescripter\r\n0.4.0\r\nlast", "0.4.0", "last"},
          {"corvanescripter\r\n0.4.0\r\n\r\n", "0.4.0", ""},
          {"corvanescripter\n0.4.0\nx\n", "0.4.0", "x"},
          {"corvanescripter\r0.4.0\rx\ry", "0.4.0", "x"},
          {"\xEF\xBB\xBF"
           "corvanescripter\r\n0.4.0\r\nx\r\n",
           "0.4.0", "x"},  // byte order mark
          {"CorvaneScripter\r\n0.4.0\r\na\r\n", "", ""},
          {"corvanescripter \r\n0.4.0\r\nx\r\n", "", ""},               // the blank is part of the key
          {"other\r\ncorvanescripter\r\nx\r\n", "", ""},                // the key as a version
          {"other\r\n1\r\ncorvanescripter\r\n0.4.0\r\nz\r\n", "", ""},  // the key as a third line
          {"corvanescripter\r\n0.4.0\r\n", "", ""},
          {"a\r\n1\r\nx\r\ncorvanescripter\r\n0.4.0", "", ""},
          {"\0\r\n\xFF\n\n"s, "", ""}}) {
        SCOPED_TRACE(list);
        const auto record = FindVersionRecord(list, kKey);
        EXPECT_EQ(record.has_value(), *version != '\0');
        if (!record) continue;
        EXPECT_EQ(record->version, version);
        EXPECT_EQ(record->updaterLine, updaterLine);
    }
}

// Only a whole record without control characters may be handed to the update utility.
TEST(VersionList, CompleteRecordsHaveEveryLineAndNoControlCharacters) {
    EXPECT_TRUE(IsCompleteVersionRecord({kKey, "0.4.0", "http://site/s.zip ~!"}));
    EXPECT_TRUE(IsCompleteVersionRecord({kKey, std::string(kMaxVersionLength, '9'), "s"}));
    for (const VersionRecord& record : {VersionRecord{kKey, "", "s"},
                                        {kKey, "0.4", ""},
                                        {kKey, "0.4\x1B[31m", "s"},
                                        {kKey, "0.4", "s\t--force"},
                                        {kKey, "0.4", "s\x7F"},
                                        {"k\0x"s, "0.4", "s"},
                                        {kKey, "0.4.0 beta", "s"},
                                        {kKey, ".4", "s"},
                                        {kKey, "v0.4", "s"},
                                        {kKey, std::string(kMaxVersionLength + 1, '9'), "s"}}) {
        EXPECT_FALSE(IsCompleteVersionRecord(record)) << record.version << record.updaterLine;
    }
}

TEST(DecideUpdate, ComparesVersionsAsText) {
    using Kind = UpdateDecision::Kind;
    for (const auto& [siteVersion, kind] : {std::pair{"0.3.0", Kind::SameVersion},
                                            {"0.4.0", Kind::OtherVersion},
                                            {"0.03.0", Kind::OtherVersion},
                                            {"0.3.0 ", Kind::OtherVersion}}) {
        const auto decision = DecideUpdate(kKey + "\r\n"s + siteVersion + "\r\nline3\r\n", kKey, "0.3.0");
        EXPECT_EQ(decision.kind, kind) << siteVersion;
        EXPECT_EQ(decision.record.version, siteVersion);
    }
}

TEST(UpdaterConfigText, IsFourLinesEndedByCrLf) {
    EXPECT_EQ(UpdaterConfigText({kKey, "0.4.0", "http://site/updates/scripter.zip"}, "C:\\Tools\\scripter.exe"),
              "Corvane Scripter\r\n0.4.0\r\nhttp://site/updates/scripter.zip\r\nC:\\Tools\\scripter.exe\r\n");
    EXPECT_EQ(UpdaterConfigText({kKey, "", ""}, "/opt/x"), "Corvane Scripter\r\n\r\n\r\n/opt/x\r\n");
}

}  // namespace
}  // namespace corvane
