#include "lang/lang_edit_window.h"

#include "support/registry.h"
#include "support/settings_file.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"

#include <QImage>
#include <QListWidget>
#include <QPixmap>
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
        for (char16_t u : s) out += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
        out.append(2, '\0');
    }
    return out;
}

QString q(const std::string& text) { return QString::fromStdString(text); }

class LangEditWindowTest : public ::testing::Test {
protected:
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

    std::string lastLangFile() const { return ReadIni(folder.file("editor.ini"), "file", "lastlangfile", "none"); }
    QString saved(const std::string& name) const {
        return QStringLiteral("Language file ") + q(folder.file(name)) + QStringLiteral(" saved!");
    }

    TempFolder folder;
    FakeRegistry registry;
    FakePrompter prompter;
    QStringList statuses;
    LangEditWindow window{prompter, AppPaths::inFolder(q(folder.path().string())), registry,
                          [this](const QString& text) { statuses << text; }};
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
    EXPECT_EQ(available.count(), 1);
    EXPECT_TRUE(available.value(0).value(0).toBool());
    EXPECT_EQ(lastLangFile(), folder.file("english.dat"));
    EXPECT_TRUE(prompter.told.isEmpty());

    select(1);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("Time: 10:00"));

    window.close();  // withdraws Save; the file name stays
    EXPECT_EQ(available.count(), 2);
    EXPECT_FALSE(available.value(1).value(0).toBool());
    EXPECT_EQ(window.langFile(), q(folder.file("english.dat")));
}

TEST_F(LangEditWindowTest, DialogStartsInTheGameLanguageFolder) {
    registry.installPath = "C:\\Games\\Populous";
    prompter.files.push_back(std::nullopt);
    window.openCommand();
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].initialName, QStringLiteral("C:\\Games\\Populous\\language\\*.dat"));
}

// Cancelling, or a name of no file, changes nothing silently; a file the editor cannot list is refused
// with a message. Either way the file already open stays open.
TEST_F(LangEditWindowTest, OpenThatFailsKeepsTheOpenFile) {
    prompter.files.push_back(std::nullopt);
    window.openCommand();
    open("missing.dat");
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Language Editor"));
    EXPECT_EQ(lastLangFile(), "none");

    testing::writeBytes(folder.file("good.dat"), units({u"kept"}));
    open("good.dat");
    std::filesystem::create_directory(folder.file("folder.dat"));
    const QString noString = QStringLiteral(" is not a language file: it holds no complete string (no string ends "
                                            "with a 16-bit zero)");
    struct Case {
        std::string name, bytes;
        QString reason;
    };
    for (const Case& c : {Case{"folder.dat", "", QStringLiteral(" could not be read: it is a folder, not a file")},
                          Case{"empty.dat", "", noString}, Case{"odd.dat", "A", noString},
                          Case{"open.dat", std::string("A\0B\0", 4), noString}, Case{"missing.dat", "", {}}}) {
        if (c.name != "missing.dat" && !std::filesystem::exists(folder.file(c.name))) {
            testing::writeBytes(folder.file(c.name), c.bytes);
        }
        prompter.told.clear();
        open(c.name);
        EXPECT_EQ(prompter.told, c.reason.isEmpty() ? QStringList{} : QStringList{q(folder.file(c.name)) + c.reason});
        EXPECT_EQ(items(), QStringList{QStringLiteral("0: kept")});
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Language Editor - ") + q(folder.file("good.dat")));
        EXPECT_EQ(lastLangFile(), folder.file("good.dat"));
    }
}

TEST_F(LangEditWindowTest, SaveWithoutEditsGivesBackTheSameBytes) {
    const std::string awkward[] = {
        std::string("A\0\0\0\0\0", 6),
        units({u"ok"}) + std::string("X\0Y", 3),                       // unterminated string, odd byte
        units({std::u16string{0x0141, 0xD800, u'a'}, u"\u00ff"}),      // units above 255
        units({u"line\r\nbreak", u"x:y", u"lone\nfeed", u"lone\rreturn", u"no-break\u00a0space"}),
    };
    for (const std::string& bytes : awkward) {
        testing::writeBytes(folder.file("lang.dat"), bytes);
        open("lang.dat");
        statuses.clear();
        prompter.told.clear();
        ASSERT_TRUE(window.saveLang());
        EXPECT_EQ(testing::readBytes(folder.file("lang.dat")), bytes);
        EXPECT_EQ(prompter.told, QStringList{saved("lang.dat")});
        EXPECT_EQ(statuses, (QStringList{QStringLiteral("Saving language file"), QStringLiteral("Ready")}));
    }
    // Written in place, with no temporary file (langout.dat) left anywhere.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST_F(LangEditWindowTest, EditsGoIntoTheListAndSurviveSwitchSaveAndReopen) {
    testing::writeBytes(folder.file("lang.dat"), units({u"s0", u"s1", u"s2", u"s3", u"s4", u"s5", u"s6"}) + "Z");
    open("lang.dat");
    select(5);
    type(QStringLiteral(": caf\u00e9 \u20ac"));
    EXPECT_EQ(window.lstLanguage()->item(5)->text(), QStringLiteral("5: s5: caf\u00e9 \u20ac"));
    select(2);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("s2"));
    EXPECT_EQ(window.lstLanguage()->item(5)->text(), QStringLiteral("5: s5: caf\u00e9 \u20ac"));
    window.txtLangEdit()->setPlainText(QStringLiteral("two\nlines"));
    ASSERT_TRUE(window.saveLang());
    EXPECT_EQ(testing::readBytes(folder.file("lang.dat")),
              units({u"s0", u"s1", u"two\r\nlines", u"s3", u"s4", u"s5: caf\u00e9 \u0080", u"s6"}) + "Z");

    open("lang.dat");
    EXPECT_EQ(window.lstLanguage()->count(), 7);
    EXPECT_EQ(window.lstLanguage()->item(5)->text(), QStringLiteral("5: s5: caf\u00e9 \u20ac"));
    select(2);
    EXPECT_EQ(window.txtLangEdit()->toPlainText(), QStringLiteral("two\nlines"));
}

// The box shows a no-break space and every kind of line break alike; typing must change neither.
TEST_F(LangEditWindowTest, TypingKeepsTheStringsOtherCharacters) {
    testing::writeBytes(folder.file("lang.dat"), units({u"a\u00a0b\nc\rd\r\ne\u0001\t"}));
    open("lang.dat");
    type(QStringLiteral("!\nnew"));
    ASSERT_TRUE(window.saveLang());
    EXPECT_EQ(testing::readBytes(folder.file("lang.dat")), units({u"a\u00a0b\nc\rd\r\ne\u0001\t!\r\nnew"}));
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

TEST_F(LangEditWindowTest, FailedOrImpossibleSaveSaysWhy) {
    EXPECT_FALSE(window.saveLang());
    EXPECT_EQ(prompter.told, QStringList{QStringLiteral("No language file is open.")});

    std::filesystem::create_directory(folder.file("sub"));
    testing::writeBytes(folder.file("sub/lang.dat"), units({u"a"}));
    open("sub/lang.dat");
    std::filesystem::remove_all(folder.file("sub"));
    EXPECT_FALSE(window.saveLang());
    const QString start = QStringLiteral("Language file ") + q(folder.file("sub/lang.dat")) +
                          QStringLiteral(" was not saved: ");
    EXPECT_TRUE(prompter.lastTold().startsWith(start)) << prompter.lastTold().toStdString();
    EXPECT_GT(prompter.lastTold().size(), start.size());
    EXPECT_FALSE(std::filesystem::exists(folder.file("sub")));
}

// With CORVANE_SCREENSHOT_DIR set, the picture is kept there as lang.png (docs/screenshots/lang.png).
TEST_F(LangEditWindowTest, Screenshot) {
    testing::writeBytes(folder.file("english.dat"),
                        units({u"Brave", u"Warrior", u"Preacher", u"Spy", u"Firewarrior", u"Shaman", u"Angel of Death",
                               u"Stone Head", u"Vault of Knowledge", u"Your tribe has been defeated!",
                               u"Caf\u00e9 \u0080 10: special offer", u"Blast", u"Convert", u"Swamp",
                               u"Land Bridge", u"Lightning", u"Whirlwind"}));
    open("english.dat");
    window.resize(520, 400);
    select(10);
    const QImage image = window.grab().toImage();
    ASSERT_FALSE(image.isNull());
    if (const QByteArray dir = qgetenv("CORVANE_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/lang.png")));
    }
}

}  // namespace
}  // namespace corvane
