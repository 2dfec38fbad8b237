#include "lsp/message_reader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "support/file_utils.h"

namespace corvane {
namespace {

constexpr std::size_t kChunkBytes = 64u << 10;
constexpr std::string_view kLengthName = "content-length";
// How far before a line break a header line that ends there is looked for.
constexpr std::size_t kLookBack = 256;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A byte that may be part of a header's name ("X-Content-Length" is another header).
bool IsNamePart(char c) {
    return c == '-' || c == '_' || IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Decimal digits only; nothing when the value does not fit.
std::optional<std::size_t> ReadLength(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::size_t value = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return std::nullopt;
        const auto digit = static_cast<std::size_t>(c - '0');
        if (value > (std::numeric_limits<std::size_t>::max() - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// Where a "Content-Length: N" line that ends with the line feed at `lineEnd` begins, if one does.
std::optional<std::size_t> HeaderBefore(std::string_view bytes, std::size_t lineEnd) {
    std::size_t at = lineEnd;
    if (at > 0 && bytes[at - 1] == '\r') --at;
    while (at > 0 && IsBlank(bytes[at - 1])) --at;
    const std::size_t digitsEnd = at;
    while (at > 0 && IsDigit(bytes[at - 1])) --at;
    if (at == digitsEnd) return std::nullopt;
    while (at > 0 && IsBlank(bytes[at - 1])) --at;
    if (at == 0 || bytes[at - 1] != ':') return std::nullopt;
    --at;
    while (at > 0 && IsBlank(bytes[at - 1])) --at;
    if (at < kLengthName.size()) return std::nullopt;
    const std::size_t start = at - kLengthName.size();
    if (ToLowerAscii(bytes.substr(start, kLengthName.size())) != kLengthName) return std::nullopt;
    if (start > 0 && IsNamePart(bytes[start - 1])) return std::nullopt;
    return start;
}

// Whether `rest` can be the beginning of a "Content-Length: N" line, cut short.
bool BeginsHeader(std::string_view rest) {
    std::size_t at = std::min(rest.size(), kLengthName.size());
    if (ToLowerAscii(rest.substr(0, at)) != kLengthName.substr(0, at)) return false;
    while (at < rest.size() && IsBlank(rest[at])) ++at;
    if (at < rest.size() && rest[at++] != ':') return false;
    while (at < rest.size() && IsBlank(rest[at])) ++at;
    while (at < rest.size() && IsDigit(rest[at])) ++at;
    while (at < rest.size() && IsBlank(rest[at])) ++at;
    if (at < rest.size() && rest[at] == '\r') ++at;
    return at == rest.size();
}

// Where the start of a header stands at the end of a body that ends a JSON value too early: a
// body framed a few bytes too long has swallowed the beginning of the next message.
std::optional<std::size_t> HeaderAtEnd(std::string_view body) {
    const std::size_t from = body.size() > kLookBack ? body.size() - kLookBack : 1;
    for (std::size_t at = from; at < body.size(); ++at) {
        if ((body[at - 1] == '}' || body[at - 1] == ']') && BeginsHeader(body.substr(at))) return at;
    }
    return std::nullopt;
}

std::string CutShort(std::size_t length, std::size_t bytes) {
    return "a Content-Length of " + std::to_string(length) + " bytes, but the next header came after " +
           std::to_string(bytes);
}

}  // namespace

void MessageReader::ForgetUsedBytes() {
    ahead_.clear();
    atHand_ = 0;
}

void MessageReader::PutBack(std::string& bytes, std::size_t from) {
    ahead_ = bytes.substr(from) + ahead_.substr(atHand_);
    atHand_ = 0;
    bytes.resize(from);
}

int MessageReader::NextByte() {
    if (atHand_ < ahead_.size()) {
        const auto c = static_cast<unsigned char>(ahead_[atHand_++]);
        if (atHand_ == ahead_.size()) ForgetUsedBytes();
        return c;
    }
    return in_.get();
}

std::size_t MessageReader::ReadSome(char* into, std::size_t most) {
    if (atHand_ < ahead_.size()) {
        const std::size_t count = std::min(most, ahead_.size() - atHand_);
        ahead_.copy(into, count, atHand_);
        atHand_ += count;
        if (atHand_ == ahead_.size()) ForgetUsedBytes();
        return count;
    }
    // Waiting for more than the stream has at hand could wait for a message the client will only
    // send after an answer.
    const std::streamsize atHand = in_.rdbuf()->in_avail();
    const std::size_t want = std::min(most, atHand > 0 ? static_cast<std::size_t>(atHand) : std::size_t{1});
    in_.read(into, static_cast<std::streamsize>(want));
    return static_cast<std::size_t>(in_.gcount());
}

MessageReader::LineStatus MessageReader::ReadHeaderLine(std::string& line) {
    line.clear();
    bool tooLong = false;
    for (int c = NextByte(); c != std::char_traits<char>::eof(); c = NextByte()) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return tooLong ? LineStatus::kTooLong : LineStatus::kLine;
        }
        line.push_back(static_cast<char>(c));
        if (line.size() > kMaxHeaderLineBytes) tooLong = true;
        // Of a long line only its end is kept: a header may follow the rest of a broken message.
        if (line.size() == 2 * kMaxHeaderLineBytes) line.erase(0, kMaxHeaderLineBytes);
    }
    return LineStatus::kEnd;
}

ReadResult MessageReader::Next() {
    std::optional<std::size_t> length;
    std::string problem;
    bool inHeader = false;
    bool resynchronised = false;
    std::string line;
    for (;;) {
        const LineStatus status = ReadHeaderLine(line);
        if (status == LineStatus::kEnd) {
            return {ReadStatus::kEnd, {}, inHeader || !line.empty() ? "the stream ended inside a header" : ""};
        }
        if (status == LineStatus::kLine && line.empty()) {
            if (inHeader) break;
            continue;  // blank lines between messages do no harm
        }
        // A Content-Length after other bytes on its line follows the rest of a message framed too
        // short or a body that had no header: a new message starts there.
        if (const std::size_t at = ToLowerAscii(line).find(kLengthName);
            at != std::string::npos && at > 0 && !IsNamePart(line[at - 1])) {
            line.erase(0, at);
            length = std::optional<std::size_t>();
            problem.clear();
            resynchronised = true;
        } else if (status == LineStatus::kTooLong) {
            inHeader = true;
            problem = "a header line longer than " + std::to_string(kMaxHeaderLineBytes) + " bytes";
            continue;
        }
        inHeader = true;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            problem = "a header line without a colon";
            continue;
        }
        if (ToLowerAscii(Trim(std::string_view(line).substr(0, colon))) != kLengthName) continue;
        const std::optional<std::size_t> value = ReadLength(Trim(std::string_view(line).substr(colon + 1)));
        if (!value) {
            problem = "a Content-Length that is not a number";
        } else if (length && *length != *value) {
            problem = "two different Content-Length headers";
        } else {
            length = value;
        }
    }
    if (!problem.empty()) {
        // A length seen beside a broken header still tells where the next message starts.
        if (length) return ReadBody(*length, problem);
        return {ReadStatus::kBadHeader, {}, problem};
    }
    if (!length) return {ReadStatus::kBadHeader, {}, "a header without Content-Length"};
    if (*length > maxBodyBytes_) {
        return ReadBody(*length, "a message of " + std::to_string(*length) + " bytes, more than the limit of " +
                                     std::to_string(maxBodyBytes_));
    }
    ReadResult read = ReadBody(*length, {});
    if (resynchronised && read.problem.empty()) read.problem = "skipped bytes up to the next Content-Length header";
    return read;
}

ReadResult MessageReader::ReadBody(std::size_t length, std::string problem) {
    // Read in chunks so that a length announced by a stream that then ends costs no more memory
    // than the bytes that really came.
    const bool keep = problem.empty();
    std::string bytes;        // the body when kept, else the last bytes of it
    std::size_t dropped = 0;  // bytes skipped before `bytes`
    while (dropped + bytes.size() < length) {
        const std::size_t had = bytes.size();
        bytes.resize(had + std::min(kChunkBytes, length - dropped - had));
        bytes.resize(had + ReadSome(bytes.data() + had, bytes.size() - had));
        if (bytes.size() == had) {
            if (!keep) return {ReadStatus::kEnd, {}, problem + "; the stream ended inside it"};
            return {ReadStatus::kEnd,
                    {},
                    "the stream ended inside a message (" + std::to_string(had) + " of " + std::to_string(length) +
                        " bytes)"};
        }
        for (std::size_t end = bytes.find('\n', had); end != std::string::npos; end = bytes.find('\n', end + 1)) {
            const std::optional<std::size_t> header = HeaderBefore(bytes, end);
            if (!header) continue;
            PutBack(bytes, *header);
            if (!keep)
                return {ReadStatus::kBadHeader,
                        {},
                        problem + "; the next header came after " + std::to_string(dropped + *header) + " bytes of it"};
            return {ReadStatus::kMessage, std::move(bytes), CutShort(length, *header)};
        }
        if (!keep && bytes.size() > kLookBack) {
            dropped += bytes.size() - kLookBack;
            bytes.erase(0, bytes.size() - kLookBack);
        }
    }
    if (!keep) return {ReadStatus::kBadHeader, {}, problem + "; its body was skipped"};
    if (const std::optional<std::size_t> header = HeaderAtEnd(bytes)) {
        PutBack(bytes, *header);
        return {ReadStatus::kMessage, std::move(bytes), CutShort(length, *header)};
    }
    return {ReadStatus::kMessage, std::move(bytes), {}};
}

}  // namespace corvane
