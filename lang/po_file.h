#pragma once
// gettext PO files, as far as translators' tools write them for one language: entries of comments,
// an optional msgctxt, msgid and msgstr, each text a run of quoted C strings (one line or many).
// Plural entries are refused: a language file has no plural forms.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct PoEntry {
    std::vector<std::string> comments;   // whole comment lines ("# ...", "#. ...", "#: ..."), flags apart
    std::vector<std::string> flags;      // the words of "#," lines, "fuzzy" among them
    std::optional<std::string> context;  // msgctxt
    std::string id;                      // msgid
    std::string str;                     // msgstr
    int line = 0;                        // where the entry's msgid stands, from 1
    bool Fuzzy() const;
    friend bool operator==(const PoEntry&, const PoEntry&) = default;
};

struct PoRead {
    std::vector<PoEntry> entries;  // in file order, the header entry (empty msgid, no context) included
    std::string error;             // "line N: ..." when the text is no PO file; entries are then empty
    bool ok() const { return error.empty(); }
};

PoRead ReadPo(std::string_view text);

// The entries as a PO file; ReadPo of the result gives the same entries back (lines aside).
std::string WritePo(const std::vector<PoEntry>& entries);

// A text as PO quoted strings after `keyword`: one line when it holds no line feed, else an empty
// first string and one string per line, each ending after its "\n".
std::string PoStatement(std::string_view keyword, std::string_view text);

}  // namespace corvane
