#include "assist/brace_fix.h"

#include <string>

#include "text/text_lines.h"

namespace corvane {
namespace {

bool IsIndent(char c) { return c == ' ' || c == '\t'; }

std::string IndentOf(std::string_view text, const BlockStart& block) {
    return std::string(LineIndent(text, block.brace.value_or(block.opener.position)));
}

TextFix Insert(std::string_view word, std::size_t position, std::string text) {
    return TextFix{"Insert " + std::string(word), position, 0, std::move(text), true};
}

}  // namespace

std::string_view LineIndent(std::string_view text, std::size_t offset) {
    const std::size_t start = LineStartOf(text, offset);
    std::size_t end = start;
    while (end < text.size() && IsIndent(text[end])) ++end;
    return text.substr(start, end - start);
}

std::optional<std::string_view> IndentBeforeWord(std::string_view text, std::size_t offset) {
    const std::string_view indent = LineIndent(text, offset);
    if (indent.data() + indent.size() != text.data() + offset) return std::nullopt;
    return indent;
}

TextFix InsertBraceFix(std::string_view text, std::span<const BlockStart> blocks, std::optional<std::size_t> before,
                       std::string_view word) {
    const std::string_view lineBreak = LineBreakOf(text);
    const std::string closer(word);
    std::string inserted;
    if (before) {
        const std::size_t start = LineStartOf(text, *before);
        const bool alone = !lineBreak.empty() && IndentBeforeWord(text, *before);
        for (const BlockStart& block : blocks)
            inserted += alone ? IndentOf(text, block) + closer + std::string(lineBreak) : closer + " ";
        return Insert(word, alone ? start : *before, std::move(inserted));
    }
    std::size_t end = text.size();
    while (end > 0 && (IsLineBreak(text[end - 1]) || IsIndent(text[end - 1]))) --end;
    for (const BlockStart& block : blocks) {
        inserted += lineBreak.empty() ? " " + closer : std::string(lineBreak) + IndentOf(text, block) + closer;
    }
    return Insert(word, end, std::move(inserted));
}

}  // namespace corvane
