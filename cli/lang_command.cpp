#include "cli/lang_command.h"

#include "cli/cli_app.h"
#include "cli/output_file.h"
#include "lang/language_file.h"
#include "lang/language_po.h"
#include "support/file_utils.h"
#include "support/safe_file.h"

namespace corvane {
namespace {

std::optional<LanguageFile> LoadLanguage(const std::string& path, std::ostream& err) {
    LanguageFileRead read = LoadLanguageFile(path);
    if (!read.file) {
        err << path << ' ' << read.error << '\n';
        return std::nullopt;
    }
    return std::move(*read.file);
}

int Export(const std::string& langPath, const std::string& poPath, const std::string* referencePath, std::ostream& out,
           std::ostream& err) {
    if (IsInputFile(langPath, poPath, err) || (referencePath && IsInputFile(*referencePath, poPath, err)))
        return kExitUsage;
    auto file = LoadLanguage(langPath, err);
    if (!file) return kExitUsage;
    std::optional<LanguageFile> reference;
    if (referencePath != nullptr && !(reference = LoadLanguage(*referencePath, err))) return kExitUsage;
    const std::string po =
        ExportLanguagePo(*file, reference ? &*reference : nullptr, Utf8FromPath(PathFromUtf8(langPath).filename()));
    if (!WriteOutputFile(poPath, po, err)) return kExitUsage;
    out << "Written " << file->strings.size() << " strings to " << poPath << '\n';
    return kExitSuccess;
}

int Import(const std::string& langPath, const std::string& poPath, std::ostream& out, std::ostream& err) {
    auto file = LoadLanguage(langPath, err);
    if (!file) return kExitUsage;
    std::string po, reason;
    if (!ReadWholeFile(poPath, po, &reason)) {
        err << poPath << ": " << reason << '\n';
        return kExitUsage;
    }
    const LanguageImport result = ImportLanguagePo(*file, po);
    if (!result.bytes) {
        err << poPath << ": " << result.error << " " << langPath << " was left as it was.\n";
        return kExitRejected;
    }
    if (result.fuzzy > 0) err << poPath << ": " << result.fuzzy << " fuzzy entries left out\n";
    if (result.changed == 0) {
        out << "No string differs; " << langPath << " was left as it was.\n";
        return kExitSuccess;
    }
    FileError error;
    if (!WriteFileAtomically(langPath, *result.bytes, &error)) {
        err << error.message() << '\n';
        return kExitUsage;
    }
    out << result.changed << (result.changed == 1 ? " string" : " strings") << " changed in " << langPath << '\n';
    return kExitSuccess;
}

}  // namespace

std::optional<int> RunLang(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    if (operands.empty()) return std::nullopt;
    if (operands[0] == "import" && operands.size() == 3) return Import(operands[1], operands[2], out, err);
    if (operands[0] != "export") return std::nullopt;
    std::vector<std::string> files;
    std::optional<std::string> reference;
    for (std::size_t i = 1; i < operands.size(); ++i) {
        if (operands[i] == "--reference" && i + 1 < operands.size() && !reference)
            reference = operands[++i];
        else
            files.push_back(operands[i]);
    }
    if (files.size() != 2) return std::nullopt;
    return Export(files[0], files[1], reference ? &*reference : nullptr, out, err);
}

}  // namespace corvane
