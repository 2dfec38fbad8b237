#include "core/loader.h"

#include <utility>

#include "core/code_text.h"
#include "core/compiled_file.h"
#include "core/script_messages.h"

namespace corvane {
namespace {

constexpr unsigned char kScriptFileMark = 12;  // the low byte of START_SCRIPT

std::string LineStarting(std::string_view word) { return std::string(kLineBreak) + std::string(word); }

class ScriptLoader {
public:
    ScriptLoader(std::string_view bytes, const LanguageTables& tables)
        : bytes_(bytes), tables_(tables), openBrace_(LineStarting("{")), closeBrace_(LineStarting("}")),
          endScript_(LineStarting("ENDSCRIPT")) {}

    LoadedScript Run() {
        script_.variables = ReadVariableEntries(bytes_);
        script_.text.reserve(bytes_.size() * 4);
        AddLog(kStartScriptWord);
        // The first code is START_SCRIPT by definition; the rest are read until ENDSCRIPT or until
        // no complete code is left.
        for (std::size_t at = 2; at + 1 < bytes_.size(); at += 2) {
            if (!LoadCode(CodeBytes{Byte(at), Byte(at + 1)})) break;
        }
        return std::move(script_);
    }

private:
    std::uint8_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }

    // Appends one code's word; false once ENDSCRIPT has been read.
    bool LoadCode(CodeBytes code) {
        const std::string codeText = CodeText(static_cast<std::uint16_t>(code.low | (code.high << 8)));
        const std::string word = WordOf(code, codeText);
        if (word == closeBrace_ && !indentation_.empty()) indentation_.pop_back();
        AddLog(word);
        if (word == openBrace_) indentation_ += '\t';
        return word != endScript_;
    }

    std::string WordOf(CodeBytes code, const std::string& codeText) {
        if (const std::string* text = tables_.tokens().FindTextByCode(codeText)) return *text;
        if (code.high != 0) {
            script_.unknownCodes.push_back(codeText);
            return codeText;
        }
        return EntryWord(script_.variables[code.low], codeText);
    }

    std::string EntryWord(const VariableEntry& entry, const std::string& codeText) const {
        switch (entry.type) {
            case kConstantNumber:
                return "%" + std::to_string(entry.value);
            case kUserVariable:
                return "VAR_" + std::to_string(entry.value);
            case kInternalValue: {
                const std::string* name = tables_.internals().FindNameByNumber(entry.value);
                return name ? *name : "INT_" + std::to_string(entry.value);
            }
            default:
                return codeText;
        }
    }

    void AddLog(std::string_view word) {
        if (word.starts_with(kLineBreak)) {
            script_.text += kLineBreak;
            script_.text += indentation_;
            word.remove_prefix(kLineBreak.size());
        }
        script_.text += word;
        script_.text += ' ';
    }

    std::string_view bytes_;
    const LanguageTables& tables_;
    const std::string openBrace_;
    const std::string closeBrace_;
    const std::string endScript_;
    std::string indentation_;  // one tab per open brace; empty at the start of every file
    LoadedScript script_;
};

}  // namespace

LoadResult LoadResult::Success(LoadedScript script) {
    LoadResult result;
    result.ok_ = true;
    result.script_ = std::move(script);
    return result;
}

LoadResult LoadResult::Failure(LoadError error) {
    LoadResult result;
    result.error_ = std::move(error);
    return result;
}

LoadResult LoadScript(std::string_view fileBytes, const LanguageTables& tables) {
    if (fileBytes.empty() || static_cast<unsigned char>(fileBytes[0]) != kScriptFileMark) {
        return LoadResult::Failure(LoadError{LoadErrorKind::kNotAScriptFile, std::string(kNotAScriptFile)});
    }
    return LoadResult::Success(ScriptLoader(fileBytes, tables).Run());
}

}  // namespace corvane
