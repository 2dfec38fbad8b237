#include "cli/cli_app.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "assist/diagnostics.h"
#include "assist/save_workflow.h"
#include "checker/script_checker.h"
#include "cli/command_options.h"
#include "cli/format_command.h"
#include "cli/lang_command.h"
#include "cli/level_command.h"
#include "cli/output_file.h"
#include "cli/script_input.h"
#include "core/code_text.h"
#include "core/compiled_file.h"
#include "core/loader.h"
#include "core/script_messages.h"
#include "core/script_words.h"
#include "corvane_version.h"
#include "lsp/serve_language_protocol.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

constexpr std::string_view kProgram = "corvane-script";

constexpr std::string_view kUsage =
    "Usage:\n"
    "  corvane-script compile [--no-check] SCRIPT.txt OUT.dat\n"
    "                                               compile a script text into a compiled script file;\n"
    "                                               a script that fails the check is refused unless\n"
    "                                               --no-check is given\n"
    "  corvane-script decompile IN.dat [OUT.txt]    turn a compiled script file back into text\n"
    "                                               (to standard output without OUT.txt)\n"
    "  corvane-script check SCRIPT.txt              every problem of a script text, one line each\n"
    "  corvane-script format SCRIPT.txt [OUT.txt]   lay a script out as the loader prints it, words kept\n"
    "  corvane-script format --check SCRIPT.txt     exit status 1 when the script is not laid out so\n"
    "  corvane-script lsp                           language server on standard input and output\n"
    "  corvane-script level show LEVEL.dat          a level's header, players and stone heads as JSON\n"
    "  corvane-script level set LEVEL.dat [--ai PLAYER=N] [--mask PLAYER=N] [--marker N=X,Y] [--create]\n"
    "  corvane-script level set LEVEL.dat FILE.json write header values into the level's .hdr file\n"
    "  corvane-script level picture LEVEL.dat OUT.png\n"
    "                                               the map as the map window paints it\n"
    "  corvane-script lang export LANG.dat OUT.po [--reference ENGLISH.dat]\n"
    "                                               a language file as a gettext PO file\n"
    "  corvane-script lang import LANG.dat IN.po    the PO file's changed strings into the language file\n"
    "  corvane-script --help | --version\n"
    "\n"
    "SCRIPT.txt may be ANSI (Windows-1252) or UTF-8 text; \"-\" reads a script or IN.dat from standard input.\n"
    "Exit status: 0 success, 1 script or file rejected, 2 usage or file error.\n"
    "Errors are written to standard error as FILE:LINE:COLUMN: message; check writes\n"
    "FILE:LINE:COLUMN: error: message (or warning:) for each problem and exits 1 when any is an error.\n";

int UsageError(std::ostream& err, std::string_view problem) {
    err << kProgram << ": " << problem << "\n\n" << kUsage;
    return kExitUsage;
}

void ReportAt(std::ostream& err, const std::string& file, const ScriptInput& script, std::size_t position,
              std::string_view message) {
    const TextPosition at = script.file.PositionAt(position);
    err << InputName(file) << ':' << at.line + 1 << ':' << at.column + 1 << ": " << ForTerminal(message) << '\n';
}

int Compile(const std::string& scriptPath, const std::string& outPath, bool check, std::istream& in, std::ostream& out,
            std::ostream& err) {
    if (IsInputFile(scriptPath, outPath, err)) return kExitUsage;
    const ScriptInput script = ReadScriptInput(scriptPath, in, err);
    if (script.failure != 0) return script.failure;
    // The command line never asks: --no-check says Yes to saving despite the check, and more than
    // 256 variables are always refused.
    const SaveStep step =
        PrepareScriptSave(script.text(), LanguageTables::Standard(), Grammar::Standard(), {.saveDespiteCheck = !check});
    switch (step.kind) {
        case SaveStepKind::kWrite:
            break;
        case SaveStepKind::kNoWords:
            err << InputName(scriptPath) << ": " << step.message << '\n';
            return kExitRejected;
        case SaveStepKind::kAskSaveDespiteCheck:
            ReportAt(err, scriptPath, script, step.position, step.checkMessage);
            return kExitRejected;
        case SaveStepKind::kAskMoreThan256:
            ReportAt(err, scriptPath, script, step.position, TooManyVariablesRefusal(step.entryCount));
            return kExitRejected;
        case SaveStepKind::kCompileError:
            ReportAt(err, scriptPath, script, step.position, step.message);
            return kExitRejected;
    }
    if (!WriteOutputFile(outPath, step.fileBytes, err)) return kExitUsage;
    out << "Written to " << outPath << '\n';
    return kExitSuccess;
}

int Decompile(const std::string& inPath, const std::string* outPath, std::istream& in, std::ostream& out,
              std::ostream& err) {
    std::error_code missing;
    if (!IsStandardInput(inPath) && !std::filesystem::exists(PathFromUtf8(inPath), missing)) {
        err << inPath << ": " << kFileDoesNotExist << '\n';
        return kExitUsage;
    }
    if (outPath != nullptr && IsInputFile(inPath, *outPath, err)) return kExitUsage;
    std::string bytes;
    if (!ReadCliInput(inPath, in, bytes, err, kMaxCompiledFileBytes)) return kExitUsage;
    const LoadResult result = LoadScript(bytes, LanguageTables::Standard());
    if (!result.ok()) {
        err << InputName(inPath) << ": " << result.error().message << '\n';
        return kExitRejected;
    }
    for (const std::string& code : result.script().unknownCodes) {
        err << InputName(inPath) << ": warning: " << ForTerminal(UnknownCodeWarning(code)) << '\n';
    }
    if (outPath == nullptr) {
        out << result.script().text;
        return kExitSuccess;
    }
    return WriteOutputFile(*outPath, result.script().text, err) ? kExitSuccess : kExitUsage;
}

// The problems the editor marks, in the form compilers use, so that editors' error parsers read them.
int Check(const std::string& scriptPath, std::istream& in, std::ostream& out, std::ostream& err) {
    const ScriptInput script = ReadScriptInput(scriptPath, in, err);
    if (script.failure != 0) return script.failure;
    bool failed = false;
    for (const Diagnostic& problem : Diagnose(script.text(), LanguageTables::Standard(), Grammar::Standard())) {
        const bool error = problem.severity == DiagnosticSeverity::kError;
        failed = failed || error;
        ReportAt(err, scriptPath, script, problem.position, (error ? "error: " : "warning: ") + problem.message);
    }
    if (failed) return kExitRejected;
    out << kNoBigErrorsFound << '\n';
    return kExitSuccess;
}

}  // namespace

int RunCli(const std::vector<std::string>& givenArgs, std::istream& in, std::ostream& out, std::ostream& err) {
    if (givenArgs.empty()) return UsageError(err, "no command given");
    const CommandOptions options = TakeCommandOptions(givenArgs);
    const std::vector<std::string>& args = options.args;
    const std::string& command = args[0];
    const std::size_t operands = args.size() - 1;
    if (command == "--help" || command == "-h" || options.help) {
        out << kUsage;
        return kExitSuccess;
    }
    if (command == "--version") {
        out << kProgram << ' ' << kVersionText << '\n';
        return kExitSuccess;
    }
    if (options.noCheck && command != "compile") return UsageError(err, "--no-check belongs to compile");
    if (command == "compile" && operands == 2) return Compile(args[1], args[2], !options.noCheck, in, out, err);
    if (command == "decompile" && operands == 1) return Decompile(args[1], nullptr, in, out, err);
    if (command == "decompile" && operands == 2) return Decompile(args[1], &args[2], in, out, err);
    if (command == "check" && operands == 1) return Check(args[1], in, out, err);
    if (command == "format") {
        if (const auto status = RunFormat({args.begin() + 1, args.end()}, in, out, err)) return *status;
    }
    if (command == "level") {
        if (const auto status = RunLevel({args.begin() + 1, args.end()}, out, err)) return *status;
    }
    if (command == "lang") {
        if (const auto status = RunLang({args.begin() + 1, args.end()}, out, err)) return *status;
    }
    // Some clients add --stdio to every server's command line; standard input/output is all we speak.
    if (command == "lsp" && (operands == 0 || (operands == 1 && args[1] == "--stdio"))) {
        return ServeLanguageProtocol(in, out, err);
    }
    if (command == "compile" || command == "decompile" || command == "check" || command == "format" ||
        command == "lsp" || command == "level" || command == "lang") {
        return UsageError(err, "wrong number of arguments for " + command);
    }
    return UsageError(err, "unknown command " + WordForMessage(command));
}

}  // namespace corvane
