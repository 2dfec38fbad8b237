#include "support/file_utils.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>

namespace corvane {

namespace {
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(PathFromUtf8(path), ec)) return false;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    return in.is_open();
}

std::string CrLf() { return "\r\n"; }

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperAscii);
    return out;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replaceWith) {
    const std::string lowFind = ToLowerAscii(find);
    if (lowFind.empty() || ToLowerAscii(replaceWith).find(lowFind) != std::string::npos) return std::string(text);

    // The result must equal "replace the leftmost occurrence, then search again from the front"
    // (a replacement can complete a new occurrence with the text before it), without that loop's
    // quadratic cost. Feed characters into the output one at a time; whenever the output ends with
    // `find`, swap it for the replacement, whose characters are fed again in front of the rest of
    // the input. The output never holds an occurrence, so the first one to end is the leftmost.
    const std::size_t m = lowFind.size();
    std::string out;
    out.reserve(text.size());
    std::string pending;  // replacement characters still to feed, next one at the back
    std::size_t next = 0;
    while (!pending.empty() || next < text.size()) {
        char c;
        if (!pending.empty()) {
            c = pending.back();
            pending.pop_back();
        } else {
            c = text[next++];
        }
        out.push_back(c);
        if (out.size() < m || lowerAscii(c) != lowFind.back()) continue;
        bool match = true;
        for (std::size_t k = 0; k < m && match; ++k) match = lowerAscii(out[out.size() - m + k]) == lowFind[k];
        if (!match) continue;
        out.resize(out.size() - m);
        pending.append(replaceWith.rbegin(), replaceWith.rend());
    }
    return out;
}

bool ReadWholeStream(std::istream& in, std::string& out, std::string* error, std::uintmax_t maxBytes) {
    out.clear();
    // Read in chunks through read(): it turns a failing read into the stream's bad state, where
    // the stream buffer's own underflow would throw out of an iterator. The limit holds while
    // reading, for files that grow and files that tell no size (/proc).
    char buffer[65536];
    errno = 0;
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (out.size() + got > maxBytes) {
            out.clear();
            if (error) *error = "is too large (more than " + std::to_string(maxBytes) + " bytes)";
            return false;
        }
        out.append(buffer, got);
    }
    if (in.bad()) {
        const int code = errno;
        out.clear();
        if (error) *error = std::string("reading failed (") + (code != 0 ? std::strerror(code) : "read error") + ")";
        return false;
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& out, std::string* error, std::uintmax_t maxBytes) {
    out.clear();
    auto failWith = [&](std::string reason) {
        if (error) *error = std::move(reason);
        return false;
    };
    std::error_code ec;
    const auto fsPath = PathFromUtf8(path);
    const auto status = std::filesystem::status(fsPath, ec);
    if (std::filesystem::is_directory(status)) return failWith("is a folder, not a file");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return failWith("is not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(fsPath, ec);
    if (!ec && size > maxBytes)
        return failWith("is too large (" + std::to_string(size) + " bytes, at most " + std::to_string(maxBytes) + ")");
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) return failWith(std::strerror(errno));
    return ReadWholeStream(in, out, error, maxBytes);
}

}  // namespace corvane
