#include "assist/brace_fix.h"

#include <string>

namespace corvane {
namespace {

constexpr std::string_view kTitle = "Insert }";

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsIndent(char c) { return c == ' ' || c == '\t'; }

std::size_t LineStart(std::string_view text, std::size_t offset) {
    while (offset > 0 && !IsLineBreak(text[offset - 1])) --offset;
    return offset;
}

// The file's own line break; empty for a text of one line.
std::string_view LineBreakOf(std::string_view text) {
    const std::size_t feed = text.find('\n');
    if (feed != std::string_view::npos) return feed > 0 && text[feed - 1] == '\r' ? "\r\n" : "\n";
    return text.find('\r') != std::string_view::npos ? "\r" : "";
}

std::string_view IndentOfLine(std::string_view text, std::size_t offset) {
    const std::size_t start = LineStart(text, offset);
    std::size_t end = start;
    while (end < text.size() && IsIndent(text[end])) ++end;
    return text.substr(start, end - start);
}

std::string IndentOf(std::string_view text, const BlockStart& block) {
    return std::string(IndentOfLine(text, block.brace.value_or(block.opener.position)));
}

TextFix Insert(std::size_t position, std::string text) {
    return TextFix{std::string(kTitle), position, 0, std::move(text), true};
}

}  // namespace

TextFix InsertBraceFix(std::string_view text, std::span<const BlockStart> blocks, std::optional<std::size_t> before) {
    const std::string_view lineBreak = LineBreakOf(text);
    std::string braces;
    if (before) {
        const std::size_t start = LineStart(text, *before);
        bool alone = !lineBreak.empty();  // the word begins its line
        for (std::size_t i = start; i < *before && alone; ++i) alone = IsIndent(text[i]);
        for (const BlockStart& block : blocks)
            braces += alone ? IndentOf(text, block) + "}" + std::string(lineBreak) : "} ";
        return Insert(alone ? start : *before, std::move(braces));
    }
    std::size_t end = text.size();
    while (end > 0 && (IsLineBreak(text[end - 1]) || IsIndent(text[end - 1]))) --end;
    for (const BlockStart& block : blocks) {
        braces += lineBreak.empty() ? " }" : std::string(lineBreak) + IndentOf(text, block) + "}";
    }
    return Insert(end, std::move(braces));
}

}  // namespace corvane
