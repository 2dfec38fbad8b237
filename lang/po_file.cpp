#include "lang/po_file.h"

#include <algorithm>
#include <cctype>

namespace corvane {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\a':
                out += "\\a";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\v':
                out += "\\v";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    const auto u = static_cast<unsigned char>(c);
                    out += '\\';
                    out += static_cast<char>('0' + (u >> 6));
                    out += static_cast<char>('0' + (u >> 3 & 7));
                    out += static_cast<char>('0' + (u & 7));
                } else {
                    out += c;
                }
        }
    }
    return out;
}

// One quoted string ("..." with C escapes) from the start of `text`, which must hold nothing after
// it but blanks. Nothing, with `error` set, otherwise.
std::optional<std::string> Unquoted(std::string_view text, std::string& error) {
    text = Trim(text);
    if (text.size() < 2 || text.front() != '"') {
        error = "a quoted string was expected";
        return std::nullopt;
    }
    std::string out;
    std::size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) break;
        const char e = text[i];
        const std::string_view simple = "nrtabfv\"\\?'";
        const std::string_view meant = "\n\r\t\a\b\f\v\"\\?'";
        if (auto at = simple.find(e); at != std::string_view::npos) {
            out += meant[at];
        } else if (e >= '0' && e <= '7') {
            int value = 0;
            for (int n = 0; n < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++n, ++i)
                value = value * 8 + (text[i] - '0');
            --i;
            if (value > 255) {
                error = "an octal escape above \\377";
                return std::nullopt;
            }
            out += static_cast<char>(value);
        } else if (e == 'x') {
            int value = 0, digits = 0;
            while (i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) && digits < 2) {
                const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(text[++i])));
                value = value * 16 + (d <= '9' ? d - '0' : d - 'a' + 10);
                ++digits;
            }
            if (digits == 0) {
                error = "\\x without hexadecimal digits";
                return std::nullopt;
            }
            out += static_cast<char>(value);
        } else {
            error = std::string("an unknown escape \\") + e;
            return std::nullopt;
        }
    }
    if (i >= text.size()) {
        error = "a string without its closing quote";
        return std::nullopt;
    }
    if (!Trim(text.substr(i + 1)).empty()) {
        error = "text after the closing quote";
        return std::nullopt;
    }
    return out;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto start = text.find_first_not_of(" \t\r,", i);
        if (start == std::string_view::npos) break;
        const auto end = std::min(text.find_first_of(" \t\r,", start), text.size());
        words.emplace_back(text.substr(start, end - start));
        i = end;
    }
    return words;
}

class PoReader {
public:
    explicit PoReader(std::string_view text) : text_(text) {}

    PoRead Read() {
        PoRead result;
        std::string_view rest = text_;
        if (StartsWith(rest, "\xEF\xBB\xBF")) rest.remove_prefix(3);
        for (std::size_t at = 0;;) {
            const auto end = rest.find('\n', at);
            ++lineNumber_;
            if (!Take(Trim(rest.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at)))) break;
            if (end == std::string_view::npos) break;
            at = end + 1;
        }
        if (error_.empty()) Finish();
        if (!error_.empty()) {
            result.error = "line " + std::to_string(errorLine_) + ": " + error_;
            return result;
        }
        result.entries = std::move(entries_);
        return result;
    }

private:
    enum class Field { None, Context, Id, Str };

    std::string_view text_;
    int lineNumber_ = 0;
    int errorLine_ = 0;
    std::string error_;
    std::vector<PoEntry> entries_;
    PoEntry entry_;
    Field field_ = Field::None;
    bool hasId_ = false, hasStr_ = false;

    bool Fail(std::string message) {
        error_ = std::move(message);
        errorLine_ = lineNumber_;
        return false;
    }

    // Ends the entry under way, if any.
    bool Finish() {
        if (!hasId_ && field_ == Field::None && entry_.comments.empty() && entry_.flags.empty() && !entry_.context)
            return true;
        if (!hasId_) return Fail(entry_.context ? "msgctxt without a msgid" : "comments without an entry after them");
        if (!hasStr_) {
            Fail("msgid without a msgstr");
            errorLine_ = entry_.line;
            return false;
        }
        entries_.push_back(std::move(entry_));
        entry_ = PoEntry();
        field_ = Field::None;
        hasId_ = hasStr_ = false;
        return true;
    }

    bool Take(std::string_view line) {
        if (line.empty()) return true;
        if (line.front() == '#') {
            // An obsolete entry ("#~") is a comment to us; it belongs to no string.
            if (hasStr_ && !Finish()) return false;
            if (hasId_ || entry_.context) return Fail("a comment inside an entry");
            if (StartsWith(line, "#,")) {
                for (auto& word : Words(line.substr(2))) entry_.flags.push_back(std::move(word));
            } else {
                entry_.comments.emplace_back(line);
            }
            return true;
        }
        if (line.front() == '"') return Continue(line);
        const auto space = line.find_first_of(" \t");
        const std::string_view keyword = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? std::string_view() : line.substr(space);
        std::string error;
        auto text = Unquoted(value, error);
        if (keyword == "msgctxt") {
            if (hasStr_ && !Finish()) return false;
            if (hasId_ || entry_.context) return Fail("msgctxt in the middle of an entry");
            if (!text) return Fail("msgctxt: " + error);
            entry_.context = *text;
            field_ = Field::Context;
        } else if (keyword == "msgid") {
            if (hasStr_ && !Finish()) return false;
            if (hasId_) return Fail("a second msgid in one entry");
            if (!text) return Fail("msgid: " + error);
            entry_.id = *text;
            entry_.line = lineNumber_;
            hasId_ = true;
            field_ = Field::Id;
        } else if (keyword == "msgstr") {
            if (!hasId_ || hasStr_) return Fail("msgstr without a msgid before it");
            if (!text) return Fail("msgstr: " + error);
            entry_.str = *text;
            hasStr_ = true;
            field_ = Field::Str;
        } else if (keyword == "msgid_plural" || StartsWith(keyword, "msgstr[")) {
            return Fail("plural forms, which a language file does not have");
        } else {
            return Fail("unknown keyword " + std::string(keyword.substr(0, 40)));
        }
        return true;
    }

    bool Continue(std::string_view line) {
        std::string error;
        auto text = Unquoted(line, error);
        if (!text) return Fail(error);
        switch (field_) {
            case Field::Context:
                *entry_.context += *text;
                break;
            case Field::Id:
                entry_.id += *text;
                break;
            case Field::Str:
                entry_.str += *text;
                break;
            case Field::None:
                return Fail("a string outside any msgctxt, msgid or msgstr");
        }
        return true;
    }
};

}  // namespace

bool PoEntry::Fuzzy() const { return std::find(flags.begin(), flags.end(), "fuzzy") != flags.end(); }

PoRead ReadPo(std::string_view text) { return PoReader(text).Read(); }

std::string PoStatement(std::string_view keyword, std::string_view text) {
    std::string out(keyword);
    const auto firstBreak = text.find('\n');
    if (firstBreak == std::string_view::npos || firstBreak + 1 == text.size()) {
        return out + " \"" + Escaped(text) + "\"\n";
    }
    out += " \"\"\n";
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end + 1;
        out += "\"" + Escaped(text.substr(at, stop - at)) + "\"\n";
        at = stop;
    }
    return out;
}

std::string WritePo(const std::vector<PoEntry>& entries) {
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const PoEntry& entry = entries[i];
        if (i > 0) out += '\n';
        for (const auto& comment : entry.comments) out += comment + '\n';
        if (!entry.flags.empty()) {
            out += "#,";
            for (std::size_t f = 0; f < entry.flags.size(); ++f) out += (f ? ", " : " ") + entry.flags[f];
            out += '\n';
        }
        if (entry.context) out += PoStatement("msgctxt", *entry.context);
        out += PoStatement("msgid", entry.id);
        out += PoStatement("msgstr", entry.str);
    }
    return out;
}

}  // namespace corvane
