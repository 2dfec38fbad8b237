// One script saved four ways (UTF-8 with and without a byte-order mark, ANSI, UTF-16) gives the same
// words and the same answer in every face: the editor's Open text... and F5, `check`, `format` and
// the language server. UTF-16 is refused, with the same message everywhere.
#include <sstream>

#include "cli/cli_app.h"
#include "tests/lsp/lsp_client.h"
#include "tests/ui/editor_fixture.h"
#include "text/script_text.h"

namespace corvane::testing {
namespace {

const std::string kMark = "\xEF\xBB\xBF";

std::string Utf16LittleEndian(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

struct Answers {
    QString box, told;          // Open text... then F5
    std::string check, format;  // with the file's name taken out; format as characters
    std::string lsp;            // the diagnostics' ranges and messages
    bool operator==(const Answers&) const = default;
};

std::string Without(std::string text, const std::string& name) {
    for (std::size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), "FILE");
    return text;
}

std::string Cli(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunCli(args, in, out, err);
    return std::to_string(status) + '|' + out.str() + '|' + err.str();
}

std::string Diagnostics(const std::string& clientText) {
    const ServerRun run = LspClient::Initialized().Open("file:///s.txt", clientText).End().Run();
    std::string seen;
    for (const Json& published : run.Published()) {
        for (const Json& problem : published["diagnostics"])
            seen += problem["range"].dump() + problem["message"].dump();
    }
    return seen;
}

TEST_F(EditorTest, EveryFaceReadsAScriptTheSameInEveryEncoding) {
    const std::u16string characters = u"START_SCRIPT\r\n{\r\n\tDO X\u00e9\u20ac\r\n}\r\nENDSCRIPT\r\n";
    const std::string utf8 = "START_SCRIPT\r\n{\r\n\tDO X\xC3\xA9\xE2\x82\xAC\r\n}\r\nENDSCRIPT\r\n";
    const std::tuple<const char*, std::string, std::string> files[] = {
        // name, bytes, the text a language client holds (it decodes the file itself)
        {"marked.txt", kMark + utf8, "\xEF\xBB\xBF" + utf8},
        {"utf8.txt", utf8, utf8},
        {"ansi.txt", "START_SCRIPT\r\n{\r\n\tDO X\xE9\x80\r\n}\r\nENDSCRIPT\r\n", utf8},
        {"utf16.txt", Utf16LittleEndian(characters), utf8},
    };
    std::optional<Answers> first;
    for (const auto& [name, bytes, clientText] : files) {
        SCOPED_TRACE(name);
        const QString file = path(name);
        writeBytes(file.toStdString(), bytes);
        newScript();
        prompter = FakePrompter{};
        prompter.files = {file};
        item("mnuScriptsOpenText")->trigger();
        Answers answers{
            box().toPlainText(), {}, Without(Cli({"check", file.toStdString()}), file.toStdString()), {}, {}};
        const std::string formatted = Cli({"format", file.toStdString()});
        if (std::string_view(name) == "utf16.txt") {
            EXPECT_EQ(prompter.told, QStringList{file + u" is UTF-16 text; save it as ANSI or UTF-8"_q});
            EXPECT_EQ(answers.box, u"START_SCRIPT\n{\n}\nENDSCRIPT"_q) << "the editor keeps what it had";
            EXPECT_EQ(answers.check, "1||FILE is UTF-16 text; save it as ANSI or UTF-8\n");
            EXPECT_EQ(Without(formatted, file.toStdString()), answers.check);
            continue;
        }
        item("mnuCheckScript")->trigger();
        answers.told = prompter.lastTold();
        // The layout is written in the file's own encoding, mark included.
        const std::string laidOut = formatted.substr(2, formatted.size() - 3);
        EXPECT_EQ(laidOut.starts_with(kMark), bytes.starts_with(kMark));
        const ScriptText reread = ScriptText::FromFile(laidOut);
        EXPECT_EQ(reread.encoding(), ScriptText::FromFile(bytes).encoding());
        answers.format = std::string(reread.engineText());
        answers.lsp = Diagnostics(clientText);
        if (!first) {
            first = answers;
            EXPECT_NE(answers.check.find("found the unknown word X\xC3\xA9\xE2\x82\xAC"), std::string::npos)
                << answers.check;
            EXPECT_NE(answers.lsp.find(R"({"end":{"character":7,"line":2},"start":{"character":4,"line":2}})"),
                      std::string::npos)
                << answers.lsp;
        }
        EXPECT_EQ(answers, *first);
    }
}

}  // namespace
}  // namespace corvane::testing
