#include "ui/lang/lang_edit_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "support/settings_file.h"
#include "support/wine_registry.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using namespace std::string_literals;
using testing::readBytes;

std::string units(std::initializer_list<std::u16string> strings) {
    std::string out;
    for (const auto& s : strings) {
        for (char16_t u : s + u'\0') out += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    }
    return out;
}

QString q(const std::string& text) { return QString::fromStdString(text); }

class LangEditWindowTest : public ::testing::Test {
protected:
    // Writes `bytes` (if any) as `name`, then opens it through Language > Open... as the author would.
    void open(const std::string& name, const std::string& bytes = {}) {
        if (!bytes.empty()) testing::writeBytes(folder.file(name), bytes);
        prompter.files.push_back(q(folder.file(name)));
        window.openCommand();
    }
    QString item(int row) const {
        auto* it = window.lstLanguage()->item(row);
        return it ? it->text() : QString();
    }
    void select(int row) { window.lstLanguage()->setCurrentRow(row); }
    void type(const QString& text) {
        window.txtLangEdit()->moveCursor(QTextCursor::End);
        window.txtLangEdit()->insertPlainText(text);
    }
    QString box() const { return window.txtLangEdit()->toPlainText(); }
    std::string lastLangFile() const { return ReadIni(folder.file("editor.ini"), "file", "lastlangfile", "none"); }
    QString title(const std::string& name) const {
        return QStringLiteral("Language Editor - ") + q(folder.file(name)) + QStringLiteral("[*]");
    }

    testing::TempFolder folder;
    WineRegistry registry{folder.path()};  // no system.reg: no game key
    testing::FakePrompter prompter;
    QStringList statuses;
    LangEditWindow window{prompter, AppPaths::inFolder(q(folder.path().string())), registry,
                          [this](const QString& text) { statuses << text; }};
};

// Cancelling, or a name of no file, changes nothing silently; a file the editor cannot list is refused
// with a message and the file already open stays open. With CORVANE_SCREENSHOT_DIR set, the window is kept
// there as lang.png (docs/screenshots/lang.png).
TEST_F(LangEditWindowTest, OpenListsNumberedStringsOrSaysWhyNot) {
    testing::writeBytes(
        folder.file("system.reg"),
        "WINE REGISTRY Version 2\n[Software\\\\Bullfrog Productions Ltd\\\\"
        "Populous: The Beginning] 1\n\"InstallPath\"=\"C:\\\\Games\\\\Populous\"\n");  // the game's folder
    prompter.files.push_back(std::nullopt);
    window.openCommand();
    EXPECT_EQ(prompter.dialogs.at(0).initialName, QStringLiteral("C:\\Games\\Populous\\language\\*.dat"));
    std::filesystem::remove(folder.file("system.reg"));  // read at each lookup: from now on the program folder
    // Silently nothing: the only message below is the folder's.
    open("missing.dat");

    QList<bool> available;
    QObject::connect(&window, &LangEditWindow::saveAvailable, [&](bool on) { available << on; });
    open("english.dat", units({u"Brave", u"Warrior", u"Caf\u00e9 \u0080 10: special offer", u""}));
    EXPECT_EQ(prompter.dialogs.at(2).title, QStringLiteral("Open a language file"));
    EXPECT_EQ(prompter.dialogs.at(2).initialName, q((folder.path() / "*.dat").string()));
    EXPECT_EQ(prompter.dialogs.at(2).filter, QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*"));
    EXPECT_EQ(window.lstLanguage()->currentRow(), 0);
    EXPECT_EQ(box(), QStringLiteral("Brave"));
    std::filesystem::create_directory(folder.file("folder.dat"));
    open("folder.dat");  // the reason comes from the file's loader
    EXPECT_EQ(prompter.told, QStringList{q(folder.file("folder.dat")) +
                                         QStringLiteral(" could not be read: it is a folder, not a file")});
    EXPECT_EQ(item(2), QStringLiteral("2: Caf\u00e9 \u20ac 10: special offer"));
    EXPECT_EQ(window.windowTitle(), title("english.dat"));
    EXPECT_EQ(lastLangFile(), folder.file("english.dat"));
    window.resize(520, 400);
    select(2);
    EXPECT_EQ(box(), QStringLiteral("Caf\u00e9 \u20ac 10: special offer"));
    if (const QByteArray dir = qgetenv("CORVANE_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/lang.png")));
    }
    window.close();  // withdraws Save; the file name stays
    EXPECT_EQ(available, (QList<bool>{true, false}));
    EXPECT_EQ(window.langFile(), q(folder.file("english.dat")));
}

// Strings the author did not edit keep their bytes (units above 255, lone surrogates, every kind of line break),
// as does whatever follows the last string. The box shows a no-break space and every kind of line break alike;
// typing must change neither.
TEST_F(LangEditWindowTest, EditsGoIntoTheListAndSurviveSwitchSaveAndReopen) {
    const std::u16string kept[] = {{0x0141, 0xD800, u'a'}, u"line\r\nbreak\u00a0", u"lone\nfeed\rreturn\u00ff"};
    open("lang.dat", units({kept[0], u"a\u00a0b\nc\rd\r\ne\u0001\t", u"s2", kept[1], u"s4", kept[2], u""}) + "X\0Y"s);
    select(1);
    type(QStringLiteral("!\nnew"));
    select(4);
    type(QStringLiteral(": caf\u00e9 \u20ac"));
    select(2);
    window.txtLangEdit()->setPlainText(QStringLiteral("two\nlines"));
    ASSERT_TRUE(window.saveLang());
    EXPECT_EQ(readBytes(folder.file("lang.dat")),
              units({kept[0], u"a\u00a0b\nc\rd\r\ne\u0001\t!\r\nnew", u"two\r\nlines", kept[1], u"s4: caf\u00e9 \u0080",
                     kept[2], u""}) +
                  "X\0Y"s);
    EXPECT_EQ(prompter.told, QStringList{QStringLiteral("Language file %1 saved!").arg(q(folder.file("lang.dat")))});
    EXPECT_EQ(statuses, (QStringList{QStringLiteral("Saving language file"), QStringLiteral("Ready")}));
    // Written in place, with no temporary file (langout.dat) left anywhere.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
    open("lang.dat");
    EXPECT_EQ(item(4), QStringLiteral("4: s4: caf\u00e9 \u20ac"));
    select(2);
    EXPECT_EQ(box(), QStringLiteral("two\nlines"));
}

// While strings differ from the file the title shows it, and opening another file or closing asks first.
TEST_F(LangEditWindowTest, UnsavedEditsAreMarkedAndAskedAbout) {
    using Choice = Prompter::SaveChoice;
    testing::writeBytes(folder.file("b.dat"), units({u"b"}));
    open("a.dat", units({u"one", {u'2', 0x0101}}));
    EXPECT_FALSE(window.isWindowModified());
    type(QStringLiteral("!"));
    EXPECT_TRUE(window.isWindowModified());
    window.txtLangEdit()->setPlainText(QStringLiteral("one"));  // back to what the file holds
    EXPECT_FALSE(window.isWindowModified());
    select(1);
    type(QStringLiteral("!"));
    prompter.saveChoices = {Choice::Cancel, Choice::Cancel, Choice::Save, Choice::Discard};
    open("b.dat");  // Cancel: a.dat stays open
    EXPECT_EQ(item(1), QStringLiteral("1: 2\u27e6U+0101\u27e7!"));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isWindowModified());
    open("b.dat");  // Save, then b.dat opens
    EXPECT_EQ(readBytes(folder.file("a.dat")), units({u"one", {u'2', 0x0101, u'!'}}));
    EXPECT_EQ(item(0), QStringLiteral("0: b"));
    EXPECT_FALSE(window.isWindowModified());
    type(QStringLiteral("?"));
    EXPECT_TRUE(window.close());  // Discard
    EXPECT_EQ(readBytes(folder.file("b.dat")), units({u"b"}));
    auto question = [this](const char* name) {
        return QStringLiteral("The language file %1 has changed. Do you want to save it?").arg(q(folder.file(name)));
    };
    EXPECT_EQ(prompter.asked,
              (QStringList{question("a.dat"), question("a.dat"), question("a.dat"), question("b.dat")}));
}

// What translators expect: changed strings marked, a live check of the code page, which a save refuses
// too, Save As and Ctrl+S, and a question before a level file is shown as thousands of empty strings. A
// save that cannot be done says why and leaves the file as it was.
TEST_F(LangEditWindowTest, MarksLiveCheckSavesAndPlausibility) {
    EXPECT_FALSE(window.saveLang());
    EXPECT_EQ(prompter.told, QStringList{QStringLiteral("No language file is open.")});
    prompter.yesNo = {false};
    open("levl0001.dat", std::string(4000, '\0'));
    EXPECT_EQ(prompter.asked.last(), q(folder.file("levl0001.dat")) +
                                         QStringLiteral(" does not look like a language file: 2000 of its 2000 strings "
                                                        "are empty. Open it anyway?"));
    EXPECT_FALSE(window.isVisible());
    const std::string bytes = units({u"Brave", u"Warrior", u"brave heart", u""});
    open("lang.dat", bytes);
    select(1);
    type(QStringLiteral("\u2192"));
    const QString arrow =
        QStringLiteral("string 1 holds the character U+2192 at position 8, which a language file cannot hold.");
    EXPECT_EQ(window.checkLabel()->text(), arrow);
    EXPECT_TRUE(window.lstLanguage()->item(1)->font().bold());
    select(2);
    EXPECT_FALSE(window.saveLang());  // back on the string to mend
    EXPECT_EQ(prompter.lastTold(),
              QStringLiteral("Language file %1 was not saved: ").arg(q(folder.file("lang.dat"))) + arrow);
    EXPECT_EQ(window.lstLanguage()->currentRow(), 1);
    EXPECT_EQ(readBytes(folder.file("lang.dat")), bytes);
    EXPECT_EQ(statuses.constLast(), QStringLiteral("Ready"));
    window.txtLangEdit()->undo();  // undo survives the switch
    EXPECT_EQ(item(1), QStringLiteral("1: Warrior"));
    EXPECT_EQ(window.checkLabel()->text(), QString());
    window.txtLangEdit()->redo();
    window.txtLangEdit()->textCursor().deletePreviousChar();

    prompter.files = {q(folder.file("gone/copy.dat")), q(folder.file("copy.dat"))};
    QAction* saveAs = window.findChild<QAction*>(QStringLiteral("langSaveAs"));
    saveAs->trigger();  // into a folder that is not there
    const QString notSaved = QStringLiteral("Language file %1 was not saved: ").arg(q(folder.file("gone/copy.dat")));
    EXPECT_TRUE(prompter.lastTold().startsWith(notSaved)) << prompter.lastTold().toStdString();
    EXPECT_GT(prompter.lastTold().size(), notSaved.size());
    EXPECT_EQ(window.windowTitle(), title("lang.dat"));
    saveAs->trigger();
    EXPECT_EQ(readBytes(folder.file("copy.dat")), bytes);  // unchanged, typed back
    EXPECT_EQ(window.windowTitle(), title("copy.dat"));
    type(QStringLiteral("!"));
    QKeyEvent ctrlS(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);  // in the box: saves the file now open
    QApplication::sendEvent(window.txtLangEdit(), &ctrlS);
    EXPECT_EQ(readBytes(folder.file("copy.dat")), units({u"Brave", u"Warrior!", u"brave heart", u""}));
    EXPECT_FALSE(window.lstLanguage()->item(1)->font().bold());  // saved: nothing marked
}

// A reference file shows the string of the same number beside the box, its texts count for the
// filter, and Find Next steps through the strings the filter keeps. A reference that cannot be read
// is reported and leaves the editor as it was.
TEST_F(LangEditWindowTest, ReferenceFileBesideTheBoxAndFindNextThroughTheFilter) {
    open("lang.dat", units({u"Mutig", u"Krieger", u"tapferes Herz"}));
    testing::writeBytes(folder.file("english.dat"), units({u"Brave", u"Warrior"}));
    prompter.files = {q(folder.file("missing.dat")), q(folder.file("english.dat"))};
    window.findChild<QPushButton*>(QStringLiteral("cmdReference"))->click();
    EXPECT_TRUE(
        prompter.told.value(0).startsWith(q(folder.file("missing.dat")) + QStringLiteral(" could not be read: ")));
    EXPECT_TRUE(window.referenceBox()->isHidden());
    window.findChild<QPushButton*>(QStringLiteral("cmdReference"))->click();
    EXPECT_FALSE(window.referenceBox()->isHidden());
    EXPECT_EQ(window.referenceBox()->toPlainText(), QStringLiteral("Brave"));
    select(2);
    EXPECT_EQ(window.referenceBox()->toPlainText(), QString());
    EXPECT_EQ(window.referenceBox()->placeholderText(), QStringLiteral("The reference file has no string 2"));

    window.filterBox()->setText(QStringLiteral("AV"));  // string 0 alone, by its reference "Brave", whatever the case
    EXPECT_TRUE(window.lstLanguage()->isRowHidden(1));
    window.findNextCommand();  // from string 2: from the top again
    EXPECT_EQ(box(), QStringLiteral("Mutig"));
}

}  // namespace
}  // namespace corvane
