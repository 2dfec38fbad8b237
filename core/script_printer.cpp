#include "core/script_printer.h"

#include "core/code_text.h"

namespace corvane {
namespace {

constexpr std::string_view kOpenBrace = "\r\n{";
constexpr std::string_view kCloseBrace = "\r\n}";
constexpr std::string_view kEndScript = "\r\nENDSCRIPT";
// The checker accepts at most 100 open blocks, so every script it passes prints exactly as before;
// deeper blocks of a crafted file stay at this level, which keeps the text linear in the file.
constexpr std::size_t kMaxIndentation = 100;

}  // namespace

bool ScriptPrinter::Add(std::string_view tokenText, std::string_view spelling) {
    if (tokenText == kCloseBrace && openBraces_ > 0) {
        --openBraces_;
        if (indentation_.size() > openBraces_) indentation_.pop_back();
    }
    if (tokenText.starts_with(kLineBreak)) {
        text_ += kLineBreak;
        text_ += indentation_;
    }
    text_ += spelling;
    text_ += ' ';
    if (tokenText == kOpenBrace && ++openBraces_ <= kMaxIndentation) indentation_ += '\t';
    return tokenText != kEndScript;
}

bool ScriptPrinter::AddToken(std::string_view tokenText) {
    std::string_view word = tokenText;
    if (word.starts_with(kLineBreak)) word.remove_prefix(kLineBreak.size());
    return Add(tokenText, word);
}

}  // namespace corvane
