#include "lang/language_po.h"

#include <charconv>
#include <set>

#include "lang/language_text.h"
#include "lang/po_file.h"

namespace corvane {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The editor's text of a string never holds a lone surrogate (TextFromUnits shows it as U+FFFD).
std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        AppendUtf8(out, c);
    }
    return out;
}

// Nothing when the bytes are no well-formed UTF-8.
std::optional<std::u16string> Utf16(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}

// Translators' tools expect LF alone between lines; the import puts each string's own breaks back.
std::u16string WithLineFeeds(std::u16string text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += u'\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string PoText(const std::u16string& units) { return Utf8(WithLineFeeds(TextFromUnits(units))); }

std::optional<std::size_t> StringNumber(const std::string& context) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(context.data(), context.data() + context.size(), number);
    if (error != std::errc() || end != context.data() + context.size() || context.empty()) return std::nullopt;
    return number;
}

std::string AtLine(const PoEntry& entry) { return "line " + std::to_string(entry.line) + ": "; }

}  // namespace

std::string ExportLanguagePo(const LanguageFile& file, const LanguageFile* reference, std::string_view fileName) {
    std::vector<PoEntry> entries;
    PoEntry header;
    header.comments = {"# Strings of the language file " + std::string(fileName) + ", keyed by string number.",
                       reference ? "# msgid: the reference language's string; msgstr: this file's string."
                                 : "# msgid and msgstr: this file's string."};
    header.str = "Project-Id-Version: " + std::string(fileName) +
                 "\nPO-Revision-Date: \nLast-Translator: \nLanguage-Team: \nLanguage: \nMIME-Version: 1.0\n"
                 "Content-Type: text/plain; charset=UTF-8\nContent-Transfer-Encoding: 8bit\n";
    entries.push_back(std::move(header));
    for (std::size_t n = 0; n < file.strings.size(); ++n) {
        PoEntry entry;
        entry.context = std::to_string(n);
        entry.str = PoText(file.strings[n]);
        if (reference != nullptr && n < reference->strings.size()) {
            entry.id = PoText(reference->strings[n]);
        } else {
            if (reference != nullptr)
                entry.comments.push_back("#. The reference file has no string " + std::to_string(n) + ".");
            entry.id = entry.str;
        }
        entries.push_back(std::move(entry));
    }
    return WritePo(entries);
}

LanguageImport ImportLanguagePo(const LanguageFile& file, std::string_view poText) {
    LanguageImport result;
    PoRead read = ReadPo(poText);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    LanguageDocument document(file);
    std::set<std::size_t> seen;
    for (const PoEntry& entry : read.entries) {
        if (!entry.context) {
            if (entry.id.empty()) {
                // The header: only UTF-8 is read.
                const auto charset = entry.str.find("charset=");
                if (charset != std::string::npos && entry.str.compare(charset + 8, 5, "UTF-8") != 0) {
                    result.error = AtLine(entry) + "the file is not in UTF-8 (its header names another charset)";
                    return result;
                }
                continue;
            }
            result.error = AtLine(entry) + "the entry has no msgctxt with its string number";
            return result;
        }
        const auto number = StringNumber(*entry.context);
        if (!number || *number >= document.Count()) {
            result.error = AtLine(entry) + "msgctxt \"" + entry.context->substr(0, 40) +
                           "\" is no string number of this file (0 to " + std::to_string(document.Count() - 1) + ")";
            return result;
        }
        if (!seen.insert(*number).second) {
            result.error = AtLine(entry) + "string " + std::to_string(*number) + " has a second entry";
            return result;
        }
        auto text = Utf16(entry.str);
        if (!text) {
            result.error = AtLine(entry) + "the msgstr of string " + std::to_string(*number) + " is not UTF-8";
            return result;
        }
        if (entry.Fuzzy()) {
            ++result.fuzzy;
            continue;
        }
        if (text->empty()) continue;
        std::u16string withBreaks = RestoreLineBreaks(*text, document.Text(*number));
        if (withBreaks == document.Text(*number)) continue;
        document.SetText(*number, std::move(withBreaks));
        ++result.changed;
    }
    LanguageSave save = document.BytesToSave();
    if (!save.bytes) {
        result.error = UnsavableCharacterMessage(save);
        return result;
    }
    result.bytes = std::move(save.bytes);
    return result;
}

std::string UnsavableCharacterMessage(const LanguageSave& save) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string code;
    for (int shift = 12; shift >= 0; shift -= 4) code += kDigits[(save.character >> shift) & 0xF];
    return "string " + std::to_string(save.number) + " holds the character U+" + code + " at position " +
           std::to_string(save.position + 1) + ", which a language file cannot hold.";
}

}  // namespace corvane
