#include "assist/typing_edits.h"

#include <algorithm>

#include "core/block_words.h"
#include "core/script_words.h"
#include "text/text_lines.h"

namespace corvane {

namespace {

constexpr std::size_t kSpacesPerTab = 4;

// The blanks one outdent takes from the start of the line at `start`.
std::size_t OutdentLength(std::string_view text, std::size_t start) {
    if (start < text.size() && text[start] == '\t') return 1;
    std::size_t spaces = 0;
    while (spaces < kSpacesPerTab && start + spaces < text.size() && text[start + spaces] == ' ') ++spaces;
    return spaces;
}

}  // namespace

std::size_t NewLineTabs(std::string_view lineBeforeCaret) {
    std::size_t tabs = static_cast<std::size_t>(std::count(lineBeforeCaret.begin(), lineBeforeCaret.end(), '\t'));
    std::string_view last;
    ScriptWordReader reader(lineBeforeCaret);
    ScriptWord word;
    while (reader.Next(word)) last = word.text;
    if (BlockWordOf(last) == BlockWord::kOpenBrace) ++tabs;
    return tabs;
}

std::vector<BlankEdit> ShiftLines(std::string_view text, std::size_t from, std::size_t to, bool outdent) {
    from = std::min(from, text.size());
    to = std::clamp(to, from, text.size());
    std::vector<std::size_t> starts{LineStartOf(text, from)};
    // The selection reaches the next line only with a character of it, not with its start alone.
    for (std::size_t next = NextLineStart(text, starts.back()); next < to; next = NextLineStart(text, next)) {
        starts.push_back(next);
    }
    std::vector<BlankEdit> edits;
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (!outdent) {
            edits.push_back({*start, 0, "\t"});
        } else if (const std::size_t length = OutdentLength(text, *start); length > 0) {
            edits.push_back({*start, length, ""});
        }
    }
    return edits;
}

std::vector<std::string_view> MissingClosers(std::string_view text, std::size_t caret) {
    caret = std::min(caret, text.size());
    long long openBraces = 0;  // "{" less "}"
    long long openIfs = 0;     // IF less ENDIF
    bool braceAtCaret = false;
    BlockWord beforeBrace = BlockWord::kNone;  // the block word before that brace
    BlockWord lastBlockWord = BlockWord::kNone;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) {
        const BlockWord kind = BlockWordOf(word.text);
        openBraces += kind == BlockWord::kOpenBrace ? 1 : (kind == BlockWord::kCloseBrace ? -1 : 0);
        openIfs += kind == BlockWord::kIf ? 1 : (kind == BlockWord::kEndIf ? -1 : 0);
        if (word.position >= caret) continue;
        // Only blanks may stand between the brace and the caret.
        braceAtCaret = kind == BlockWord::kOpenBrace && word.position + word.text.size() <= caret;
        if (braceAtCaret) beforeBrace = lastBlockWord;
        if (kind != BlockWord::kNone) lastBlockWord = kind;
    }
    std::vector<std::string_view> closers;
    if (!braceAtCaret || openBraces <= 0) return closers;
    closers.push_back("}");
    if (beforeBrace == BlockWord::kIf && openIfs > 0) closers.push_back("ENDIF");
    return closers;
}

}  // namespace corvane
