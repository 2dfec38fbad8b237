#include "core/script_printer.h"

#include "core/code_text.h"

namespace corvane {
namespace {

constexpr std::string_view kOpenBrace = "\r\n{";
constexpr std::string_view kCloseBrace = "\r\n}";
constexpr std::string_view kEndScript = "\r\nENDSCRIPT";

}  // namespace

bool ScriptPrinter::Add(std::string_view tokenText, std::string_view spelling) {
    if (tokenText == kCloseBrace && !indentation_.empty()) indentation_.pop_back();
    if (tokenText.starts_with(kLineBreak)) {
        text_ += kLineBreak;
        text_ += indentation_;
    }
    text_ += spelling;
    text_ += ' ';
    if (tokenText == kOpenBrace) indentation_ += '\t';
    return tokenText != kEndScript;
}

bool ScriptPrinter::AddToken(std::string_view tokenText) {
    std::string_view word = tokenText;
    if (word.starts_with(kLineBreak)) word.remove_prefix(kLineBreak.size());
    return Add(tokenText, word);
}

}  // namespace corvane
