#include "core/loader.h"

#include <utility>

#include "core/code_text.h"
#include "core/compiled_file.h"
#include "core/script_messages.h"
#include "core/script_printer.h"

namespace corvane {
namespace {

constexpr unsigned char kScriptFileMark = 12;  // the low byte of START_SCRIPT

class ScriptLoader {
public:
    ScriptLoader(std::string_view bytes, const LanguageTables& tables) : bytes_(bytes), tables_(tables) {}

    LoadedScript Run() {
        script_.variables = ReadVariableEntries(bytes_);
        printer_.Reserve(bytes_.size() * 4);
        printer_.AddToken(kStartScriptWord);
        // The first code is START_SCRIPT by definition; the rest are read until ENDSCRIPT or until
        // no complete code is left.
        for (std::size_t at = 2; at + 1 < bytes_.size(); at += 2) {
            if (!printer_.AddToken(WordOf(Byte(at), Byte(at + 1)))) break;
        }
        script_.text = printer_.Take();
        return std::move(script_);
    }

private:
    std::uint8_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }

    // The word of a code; entry words and code texts are formed in `buffer_`.
    std::string_view WordOf(std::uint8_t low, std::uint8_t high) {
        const auto code = static_cast<std::uint16_t>(low | (high << 8));
        if (const std::string* text = tables_.tokens().FindTextByCode(code)) return *text;
        if (high != 0) {
            buffer_ = CodeText(code);
            script_.unknownCodes.push_back(buffer_);
            return buffer_;
        }
        const VariableEntry& entry = script_.variables[low];
        switch (entry.type) {
            case kConstantNumber:
                return Numbered("%", entry.value);
            case kUserVariable:
                return Numbered("VAR_", entry.value);
            case kInternalValue: {
                const std::string* name = tables_.internals().FindNameByNumber(entry.value);
                return name ? std::string_view(*name) : Numbered("INT_", entry.value);
            }
            default:
                buffer_ = CodeText(code);
                return buffer_;
        }
    }

    std::string_view Numbered(std::string_view prefix, std::int32_t value) {
        buffer_.assign(prefix);
        buffer_ += std::to_string(value);
        return buffer_;
    }

    std::string_view bytes_;
    const LanguageTables& tables_;
    ScriptPrinter printer_;  // its indentation starts empty for every file
    std::string buffer_;
    LoadedScript script_;
};

}  // namespace

LoadResult LoadScript(std::string_view fileBytes, const LanguageTables& tables) {
    if (fileBytes.empty() || static_cast<unsigned char>(fileBytes[0]) != kScriptFileMark) {
        return LoadResult::Failure(LoadError{LoadErrorKind::kNotAScriptFile, std::string(kNotAScriptFile)});
    }
    return LoadResult::Success(ScriptLoader(fileBytes, tables).Run());
}

}  // namespace corvane
