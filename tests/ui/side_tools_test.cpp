// The main window's Maps, Language and version-check commands reach their windows, and the two
// Save items follow whether those windows are open.
#include "ui/side_tools.h"

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "lang/lang_edit_window.h"
#include "map/map_window.h"
#include "tests/ui/editor_fixture.h"

namespace corvane::testing {
namespace {

class NoRegistry final : public RegistryReader {
public:
    bool keyExists(std::uint32_t, const std::string&) const override { return false; }
    RegistryValue value(std::uint32_t, const std::string&, const std::string&) const override { return {}; }
};

class SideToolsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // Port 9 on loopback: nothing answers there, and the tests below never get that far.
        tools = std::make_unique<SideTools>(*window, prompter, AppPaths::inFolder(path("")),
                                            std::make_unique<NoRegistry>(), QUrl(QStringLiteral("http://127.0.0.1:9/")));
    }
    void TearDown() override {
        tools.reset();
        EditorTest::TearDown();
    }

    void trigger(const char* item) { window->menuAction(QString::fromLatin1(item))->trigger(); }
    bool enabled(const char* item) const { return window->menuAction(QString::fromLatin1(item))->isEnabled(); }
    static bool frameShown(QWidget* w) {
        auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        return frame != nullptr && frame->isVisible();
    }

    std::unique_ptr<SideTools> tools;
};

TEST_F(SideToolsTest, OpenMapShowsTheLevelAndEnablesSaveMapUntilTheWindowCloses) {
    writeBytes(folder.file("levl0001.dat"), std::string(200000, '\0'));
    prompter.files = {std::nullopt, path("levl0001.dat")};
    trigger("mnuMapsOpen");  // cancelled: nothing shows
    ASSERT_NE(tools->mapWindow(), nullptr);
    EXPECT_FALSE(frameShown(tools->mapWindow()));
    EXPECT_FALSE(enabled("mnuMapSave"));
    trigger("mnuMapsOpen");
    EXPECT_EQ(prompter.dialogs[1].title, QStringLiteral("Open a map file"));
    MapWindow* map = tools->mapWindow();
    EXPECT_TRUE(frameShown(map));
    EXPECT_TRUE(enabled("mnuMapSave"));
    qobject_cast<QMdiSubWindow*>(map->parentWidget())->close();
    settle();
    EXPECT_FALSE(enabled("mnuMapSave"));
    EXPECT_EQ(tools->mapWindow(), nullptr);
    trigger("mnuMapSave");  // disabled item triggered by hand: nothing happens, nothing crashes
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(SideToolsTest, OpenLanguageShowsTheEditorAndEnablesSave) {
    writeBytes(folder.file("lang00.dat"), std::string("H\0i\0\0\0", 6));
    prompter.files.push_back(path("lang00.dat"));
    EXPECT_FALSE(enabled("mnuSaveLang"));
    trigger("mnuOpenLang");
    LangEditWindow* language = tools->languageWindow();
    ASSERT_NE(language, nullptr);
    EXPECT_TRUE(frameShown(language));
    EXPECT_TRUE(enabled("mnuSaveLang"));
    EXPECT_EQ(language->lstLanguage()->count(), 1);

    qobject_cast<QMdiSubWindow*>(language->parentWidget())->close();
    settle();
    EXPECT_FALSE(enabled("mnuSaveLang"));
}

TEST_F(SideToolsTest, VersionCheckAsksFirstAndStopsOnNo) {
    prompter.yesNo.push_back(false);
    trigger("mnuCheckNewVersion");
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked[0].startsWith(QStringLiteral("Do you want to check for a new version?")));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace corvane::testing
