#include "lsp/message_reader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "support/file_utils.h"

namespace corvane {
namespace {

constexpr std::size_t kChunkBytes = 64u << 10;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A byte that may be part of a header's name ("X-Content-Length" is another header).
bool IsNamePart(char c) {
    return c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Decimal digits only; nothing when the value does not fit.
std::optional<std::size_t> ReadLength(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::size_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::size_t>(c - '0');
        if (value > (std::numeric_limits<std::size_t>::max() - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

MessageReader::LineStatus MessageReader::ReadHeaderLine(std::string& line) {
    line.clear();
    bool tooLong = false;
    for (int c = in_.get(); c != std::char_traits<char>::eof(); c = in_.get()) {
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
        if (const std::size_t at = ToLowerAscii(line).find("content-length");
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
        if (ToLowerAscii(Trim(std::string_view(line).substr(0, colon))) != "content-length") continue;
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
        if (length) return SkipBody(*length, problem);
        return {ReadStatus::kBadHeader, {}, problem};
    }
    if (!length) return {ReadStatus::kBadHeader, {}, "a header without Content-Length"};
    if (*length > maxBodyBytes_) {
        return SkipBody(*length, "a message of " + std::to_string(*length) + " bytes, more than the limit of " +
                                     std::to_string(maxBodyBytes_));
    }
    ReadResult read = ReadBody(*length);
    if (resynchronised && read.problem.empty()) read.problem = "skipped bytes up to the next Content-Length header";
    return read;
}

ReadResult MessageReader::ReadBody(std::size_t length) {
    // Read in chunks so that a length announced by a stream that then ends costs no more memory
    // than the bytes that really came.
    ReadResult result{ReadStatus::kMessage, {}, {}};
    while (result.body.size() < length) {
        const std::size_t want = std::min(kChunkBytes, length - result.body.size());
        const std::size_t had = result.body.size();
        result.body.resize(had + want);
        in_.read(result.body.data() + had, static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(in_.gcount());
        if (got < want) {
            result.body.resize(had + got);
            return {ReadStatus::kEnd,
                    {},
                    "the stream ended inside a message (" + std::to_string(result.body.size()) + " of " +
                        std::to_string(length) + " bytes)"};
        }
    }
    return result;
}

ReadResult MessageReader::SkipBody(std::size_t length, std::string problem) {
    std::size_t left = length;
    while (left > 0) {
        const std::size_t want = std::min<std::size_t>(left, std::size_t{1} << 30);
        in_.ignore(static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(in_.gcount());
        if (got < want) return {ReadStatus::kEnd, {}, problem + "; the stream ended inside it"};
        left -= got;
    }
    return {ReadStatus::kBadHeader, {}, problem + "; its body was skipped"};
}

}  // namespace corvane
