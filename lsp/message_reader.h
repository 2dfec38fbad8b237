#pragma once
// Reads the messages of a language client from a byte stream: header lines ("Content-Length: N"),
// an empty line, then N bytes of JSON. A broken client must never crash or stall the server, so
// every header is checked and every length is bounded before a byte of the body is stored.

#include <cstddef>
#include <istream>
#include <string>

namespace corvane {

enum class ReadStatus {
    kMessage,    // `body` holds one message
    kBadHeader,  // the header block was unusable and is skipped; `problem` says why
    kEnd,        // the stream ended (a message cut short ends it too; `problem` then says so)
};

struct ReadResult {
    ReadStatus status = ReadStatus::kEnd;
    std::string body;
    std::string problem;
};

class MessageReader {
public:
    // Far beyond any script (at most a few hundred KB), far below what would hurt the machine.
    static constexpr std::size_t kMaxBodyBytes = 64u << 20;
    static constexpr std::size_t kMaxHeaderLineBytes = 4096;

    explicit MessageReader(std::istream& in, std::size_t maxBodyBytes = kMaxBodyBytes)
        : in_(in), maxBodyBytes_(maxBodyBytes) {}

    // The next message. After a bad header block the next call goes on with the bytes after it.
    ReadResult Next();

private:
    enum class LineStatus { kLine, kTooLong, kEnd };
    LineStatus ReadHeaderLine(std::string& line);
    ReadResult ReadBody(std::size_t length);
    ReadResult SkipBody(std::size_t length, std::string problem);

    std::istream& in_;
    std::size_t maxBodyBytes_;
};

}  // namespace corvane
