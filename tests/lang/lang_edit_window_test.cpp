#include "lang/lang_edit_window.h"

#include "support/registry.h"
#include "support/settings_file.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

using testing::FakePrompter;
using testing::TempFolder;

class FakeRegistry final : public RegistryReader {
public:
    std::string installPath;  // empty: the game's key is missing
    bool keyExists(std::uint32_t, const std::string&) const override { return !installPath.empty(); }
    RegistryValue value(std::uint32_t, const std::string&, const std::string& name) const override {
        return name == "installpath" ? RegistryValue::Text(installPath) : RegistryValue::Empty();
    }
};

std::string units(std::initializer_list<std::u16string> strings) {
    std::string out;
    for (const auto& s : strings) {
        for (char16_t u : s) {
            out.push_back(static_cast<char>(u & 0xFF));
            out.push_back(static_cast<char>(u >> 8));
        }
        out.append(2, '\0');
    }
    return out;
}

QString q(const std::string& text) { return QString::fromStdString(text); }

class LangEditWindowTest : public ::testing::Test {
protected:
    LangEditWindowTest()
        : paths(AppPaths::inFolder(q(folder.path().string()))),
          window(prompter, paths, registry, [this](const QString& text) { statuses << text; }) {
        window.setRememberFile([this](const QString& file) { remembered << file; });
    }

    // Opens `name` through Language > Open... as the author would.
    void open(const std::string& name) {
        prompter.files.push_back(q(folder.file(name)));
        window.openCommand();
    }

    QStringList items() const {
        QStringList texts;
        for (int i = 0; i < window.lstLanguage()->count(); ++i) texts << window.lstLanguage()->item(i)->text();
        return texts;
    }

    void select(int row) { window.lstLanguage()->setCurrentRow(row); }

    void type(const QString& text) {
        window.txtLangEdit()->moveCursor(QTextCursor::End);
        window.txtLangEdit()->insertPlainText(text);
    }

    TempFolder folder;
    AppPaths paths;
    FakeRegistry registry;
    FakePrompter prompter;
    QStringList statuses, remembered;
    LangEditWindow window;
};

TEST_F(LangEditWindowTest, OpenListsNumberedStringsAndShowsTheFirst) {
    testing::writeBytes(folder.file("english.dat"), units({u"Hello", u"Time: 10:00", u"\u00e9t\u00e9 \u0080", u""}));
    QSignalSpy available(&window, &LangEditWindow::saveAvailable);
    open("english.dat");

    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].title, QStringLiteral("Open a language file"));
    EXPECT_EQ(prompter.dialogs[0].initialName, q(folder.path().string()) + QStringLiteral("/*.dat"));
    EXPECT_EQ(prompter.dialogs[0].filter, QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*"));
    EXPECT_EQ(items(), (QStringList{QStringLiteral("0: Hello"), QStringLiteral("1: Time: 10:00"),
                                    QStringLiteral("2: \u00e9t\u00e9 \u20ac"), QStringLiteral("3: ")}));
    EXPECT_EQ(window.lstLanguage()->currentRow(), 0);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("Hello"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Language Editor - ") + q(folder.file("english.dat")));
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(available.count(), 1);
    EXPECT_TRUE(available[0][0].toBool());
    EXPECT_EQ(remembered, QStringList{q(folder.file("english.dat"))});
    EXPECT_TRUE(prompter.told.isEmpty());

    select(1);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("Time: 10:00"));
}

TEST_F(LangEditWindowTest, DialogStartsInTheGameLanguageFolder) {
    registry.installPath = "/games/populous";
    prompter.files.push_back(std::nullopt);
    window.openCommand();
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_TRUE(prompter.dialogs[0].initialName.startsWith(QStringLiteral("/games/populous")));
    EXPECT_TRUE(prompter.dialogs[0].initialName.endsWith(QStringLiteral("*.dat")));
    EXPECT_TRUE(prompter.dialogs[0].initialName.contains(QStringLiteral("language")));
}

TEST_F(LangEditWindowTest, CancelOrMissingFileDoesNothing) {
    prompter.files.push_back(std::nullopt);
    window.openCommand();
    open("missing.dat");
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.lstLanguage()->count(), 0);
    EXPECT_TRUE(remembered.isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Language Editor"));
}

// Files the editor cannot list are refused with a message, and the file already open stays open.
TEST_F(LangEditWindowTest, FileWithoutACompleteStringIsRefused) {
    testing::writeBytes(folder.file("good.dat"), units({u"kept"}));
    open("good.dat");
    for (const std::string& bytes : {std::string(), std::string("A"), std::string("A\0B\0", 4)}) {
        testing::writeBytes(folder.file("bad.dat"), bytes);
        prompter.told.clear();
        open("bad.dat");
        ASSERT_EQ(prompter.told.size(), 1);
        EXPECT_TRUE(prompter.lastTold().startsWith(q(folder.file("bad.dat")) + QStringLiteral(" is not a language file")));
        EXPECT_EQ(items(), QStringList{QStringLiteral("0: kept")});
        EXPECT_EQ(window.langFile(), q(folder.file("good.dat")));
    }
    EXPECT_EQ(remembered, QStringList{q(folder.file("good.dat"))});
}

TEST_F(LangEditWindowTest, SaveWithoutEditsGivesBackTheSameBytes) {
    const std::string awkward[] = {
        std::string("A\0\0\0\0\0", 6),
        units({u"ok"}) + std::string("X\0Y", 3),                       // unterminated string, odd byte
        units({std::u16string{0x0141, 0xD800, u'a'}, u"\u00ff"}),      // units above 255
        units({u"line\r\nbreak", u"x:y"}),
        units({u"lone\nfeed", u"lone\rreturn"}),                     // shown, never typed into
    };
    for (const std::string& bytes : awkward) {
        testing::writeBytes(folder.file("lang.dat"), bytes);
        open("lang.dat");
        statuses.clear();
        prompter.told.clear();
        ASSERT_TRUE(window.saveLang());
        EXPECT_EQ(testing::readBytes(folder.file("lang.dat")), bytes);
        EXPECT_EQ(prompter.told,
                  QStringList{QStringLiteral("Language file ") + q(folder.file("lang.dat")) + QStringLiteral(" saved!")});
        EXPECT_EQ(statuses, (QStringList{QStringLiteral("Saving language file"), QStringLiteral("Ready")}));
    }
    EXPECT_EQ(std::vector<std::string>{"lang.dat"},
              std::vector<std::string>{std::filesystem::directory_iterator(folder.path())->path().filename().string()});
}

TEST_F(LangEditWindowTest, EditsGoIntoTheListAndSurviveSwitchSaveAndReopen) {
    std::vector<std::u16string> strings;
    for (int i = 0; i < 7; ++i) strings.push_back(u"s" + std::u16string(1, static_cast<char16_t>(u'0' + i)));
    std::string bytes;
    for (const auto& s : strings) bytes += units({s});
    bytes += "Z";  // an odd last byte rides along
    testing::writeBytes(folder.file("lang.dat"), bytes);
    open("lang.dat");

    select(5);
    type(QStringLiteral(": caf\u00e9 \u20ac"));
    EXPECT_EQ(window.lstLanguage()->item(5)->text(), QStringLiteral("5: s5: caf\u00e9 \u20ac"));
    select(2);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("s2"));
    EXPECT_EQ(window.lstLanguage()->item(5)->text(), QStringLiteral("5: s5: caf\u00e9 \u20ac"));
    window.txtLangEdit()->setPlainText(QStringLiteral("two\nlines"));
    ASSERT_TRUE(window.saveLang());

    strings[5] = u"s5: caf\u00e9 \u20ac";
    strings[2] = u"two\r\nlines";
    std::string expected;
    for (auto s : strings) {
        for (char16_t& c : s) c = c == u'\u20ac' ? 0x80 : c;
        expected += units({s});
    }
    EXPECT_EQ(testing::readBytes(folder.file("lang.dat")), expected + "Z");

    open("lang.dat");
    EXPECT_EQ(window.lstLanguage()->count(), 7);
    EXPECT_EQ(window.lstLanguage()->item(5)->text(), QStringLiteral("5: s5: caf\u00e9 \u20ac"));
    select(2);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("two\nlines"));
}

TEST_F(LangEditWindowTest, CharacterOutsideTheCodePageStopsTheSave) {
    const std::string bytes = units({u"a", u"b"});
    testing::writeBytes(folder.file("lang.dat"), bytes);
    open("lang.dat");
    select(1);
    type(QStringLiteral("\u2192"));
    select(0);
    EXPECT_FALSE(window.saveLang());
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Language file ") + q(folder.file("lang.dat")) +
                                       QStringLiteral(" was not saved: string 1 holds the character U+2192 at "
                                                      "position 2, which a language file cannot hold."));
    EXPECT_EQ(window.lstLanguage()->currentRow(), 1);
    EXPECT_EQ(testing::readBytes(folder.file("lang.dat")), bytes);
    EXPECT_EQ(statuses.constLast(), QStringLiteral("Ready"));
}

TEST_F(LangEditWindowTest, FailedWriteNamesThePathAndReason) {
    std::filesystem::create_directory(folder.file("sub"));
    testing::writeBytes(folder.file("sub/lang.dat"), units({u"a"}));
    open("sub/lang.dat");
    std::filesystem::remove_all(folder.file("sub"));
    EXPECT_FALSE(window.saveLang());
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Language file ") + q(folder.file("sub/lang.dat")) +
                                               QStringLiteral(" was not saved: ")));
    EXPECT_GT(prompter.lastTold().size(), QStringLiteral("Language file  was not saved: ").size() +
                                              q(folder.file("sub/lang.dat")).size());
    EXPECT_FALSE(std::filesystem::exists(folder.file("sub")));
}

TEST_F(LangEditWindowTest, SaveWithNoFileOpenSaysSo) {
    EXPECT_FALSE(window.saveLang());
    EXPECT_EQ(prompter.told, QStringList{QStringLiteral("No language file is open.")});
}

TEST_F(LangEditWindowTest, ClosingWithdrawsSaveAndKeepsTheFileName) {
    testing::writeBytes(folder.file("lang.dat"), units({u"a"}));
    open("lang.dat");
    QSignalSpy available(&window, &LangEditWindow::saveAvailable);
    window.close();
    ASSERT_EQ(available.count(), 1);
    EXPECT_FALSE(available[0][0].toBool());
    EXPECT_EQ(window.langFile(), q(folder.file("lang.dat")));
}

TEST(LangEditWindowSettings, OpeningAFileRemembersItAsLastLangFile) {
    TempFolder folder;
    testing::writeBytes(folder.file("lang.dat"), units({u"a"}));
    FakeRegistry registry;
    FakePrompter prompter;
    LangEditWindow window(prompter, AppPaths::inFolder(q(folder.path().string())), registry, [](const QString&) {});
    prompter.files.push_back(q(folder.file("lang.dat")));
    window.openCommand();
    EXPECT_EQ(ReadIni(folder.file("editor.ini"), "file", "lastlangfile", "none"), folder.file("lang.dat"));
}

}  // namespace
}  // namespace corvane
