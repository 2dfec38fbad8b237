#include "assist/signature_help.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

std::optional<SignatureHelp> HelpAt(const AnnotatedText& text) {
    return SignatureHelpAt(text.text(), text.point(), LanguageTables::Standard(), Grammar::Standard());
}

// The label's text of each parameter.
std::vector<std::string> Parameters(const SignatureHelp& help) {
    std::vector<std::string> kinds;
    for (const SignatureParameter& parameter : help.parameters)
        kinds.push_back(help.label.substr(parameter.labelStart, parameter.labelLength));
    return kinds;
}

TEST(SignatureHelp, AttackTakesThirteenParametersInTheGrammarsKinds) {
    const AnnotatedText text("START_SCRIPT {\r\n\t[[do]] ATTACK ^");
    const std::optional<SignatureHelp> help = HelpAt(text);
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->label,
              "ATTACK <color> <var> <attack_what> <var> <var> <var> <var> <var> <attack_how> <var> <var> <var> <var>");
    EXPECT_EQ(Parameters(*help),
              (std::vector<std::string>{"<color>", "<var>", "<attack_what>", "<var>", "<var>", "<var>", "<var>",
                                        "<var>", "<attack_how>", "<var>", "<var>", "<var>", "<var>"}));
    EXPECT_EQ(help->activeParameter, 0);
    EXPECT_EQ(help->commandPosition, text.ranges().at(0).position + 3);
}

// The active parameter follows the values as they are typed: the one being typed, or after a
// blank the next one; nothing once the statement is complete or outside a DO command.
TEST(SignatureHelp, ActiveParameterMovesAsValuesAreTyped) {
    const std::pair<const char*, int> cases[] = {
        {"DO ATTACK^", -1},
        {"DO ATTACK RED^", 0},
        {"DO ATTACK RED ^", 1},
        {"DO ATTACK RED ^%1", 1},
        {"DO ATTACK RED %5\tATTACK_MARKER   ^", 3},
        {"DO ATTACK RED %5 ATT^ACK_MARKER", 2},
        {"do attack red %1 attack_person %1 %1 %1 %1 %1 attack_normal %1 %1 %1 %^", 12},
        {"DO STATE_SPELL_DEFENCE %1 %2 ^", 2},
        {"DO TRIGGER_LEVEL_WON^", -1},
        {"IF > VAR_1 %2 { DO STATE_DEFEND ^ }", 0},
    };
    for (const auto& [marked, active] : cases) {
        const std::optional<SignatureHelp> help = HelpAt(AnnotatedText(marked));
        ASSERT_TRUE(help.has_value()) << marked;
        EXPECT_EQ(help->activeParameter, active) << marked;
    }
    const char* outside[] = {
        "^DO ATTACK",
        "D^O ATTACK",
        "DO ^",
        "DO ATTA^",
        "DO NO_SUCH %1 ^",
        "DO STATE_DEFEND ON ^",
        "DO TRIGGER_LEVEL_WON ^",
        "DO ATTACK RED\r\nSET ^",
        "DO ATTACK RED } ^",
        "SET VAR_1 ^",
    };
    for (const char* marked : outside) {
        const std::optional<SignatureHelp> help = HelpAt(AnnotatedText(marked));
        EXPECT_FALSE(help.has_value()) << marked << " active " << (help ? help->activeParameter : 0);
    }
}

}  // namespace
}  // namespace corvane
