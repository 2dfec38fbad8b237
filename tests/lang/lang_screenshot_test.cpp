// Draws the language editor with a sample file. With CORVANE_SCREENSHOT_DIR set, the picture is
// kept there as lang.png (docs/screenshots/lang.png is made this way).
#include "lang/lang_edit_window.h"

#include "support/registry.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"

#include <QImage>
#include <QListWidget>
#include <QPixmap>

#include <gtest/gtest.h>

namespace corvane {
namespace {

class NoRegistry final : public RegistryReader {
public:
    bool keyExists(std::uint32_t, const std::string&) const override { return false; }
    RegistryValue value(std::uint32_t, const std::string&, const std::string&) const override { return {}; }
};

std::string sampleFile() {
    const char16_t* strings[] = {u"Brave",      u"Warrior",   u"Preacher",  u"Spy",       u"Firewarrior",
                                 u"Shaman",     u"Angel of Death", u"Stone Head", u"Vault of Knowledge",
                                 u"Your tribe has been defeated!", u"Caf\u00e9 \u20ac 10: special offer",
                                 u"Blast", u"Convert", u"Swamp", u"Land Bridge", u"Lightning", u"Whirlwind"};
    std::string out;
    for (const char16_t* s : strings) {
        for (; *s; ++s) out += {static_cast<char>(*s == u'\u20ac' ? 0x80 : *s & 0xFF), '\0'};
        out.append(2, '\0');
    }
    return out;
}

TEST(LangEditScreenshot, ShowsTheListAndTheEditBox) {
    testing::TempFolder folder;
    testing::writeBytes(folder.file("english.dat"), sampleFile());
    testing::FakePrompter prompter;
    NoRegistry registry;
    LangEditWindow window(prompter, AppPaths::inFolder(QString::fromStdString(folder.path().string())), registry,
                          [](const QString&) {});
    window.setRememberFile([](const QString&) {});
    prompter.files.push_back(QString::fromStdString(folder.file("english.dat")));
    window.openCommand();
    window.resize(520, 400);
    window.lstLanguage()->setCurrentRow(10);

    const QImage image = window.grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), window.width() * image.devicePixelRatio());
    if (const QByteArray dir = qgetenv("CORVANE_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/lang.png")));
    }
}

}  // namespace
}  // namespace corvane
