#pragma once
// Reads the messages of a language client from a byte stream: header lines ("Content-Length: N"),
// an empty line, then N bytes of JSON. A broken client must never crash or stall the server, so
// every header is checked and every length is bounded before a byte of the body is stored. A
// length that is wrong costs at most the message it frames: a Content-Length header inside a body
// (JSON has no line breaks inside its strings, so none can be part of it) starts the next message.

#include <cstddef>
#include <istream>
#include <string>

namespace corvane {

enum class ReadStatus {
    kMessage,    // `body` holds one message (`problem` says when its length was wrong)
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

    // Whether bytes of the stream that the reader took but has not used wait in it.
    bool HasBytesAtHand() const { return atHand_ < ahead_.size(); }

private:
    enum class LineStatus { kLine, kTooLong, kEnd };
    LineStatus ReadHeaderLine(std::string& line);
    // Reads the `length` bytes of a body, keeping them when `problem` is empty and skipping them
    // otherwise, up to a header that starts the next message.
    ReadResult ReadBody(std::size_t length, std::string problem);
    // Moves the bytes of `bytes` from `from` on in front of the bytes at hand.
    void PutBack(std::string& bytes, std::size_t from);
    void ForgetUsedBytes();
    int NextByte();
    // Up to `most` bytes, at least one unless the stream ends; never waits for more than one.
    std::size_t ReadSome(char* into, std::size_t most);

    std::istream& in_;
    std::size_t maxBodyBytes_;
    std::string ahead_;  // bytes read past the end of a body that was framed too long
    std::size_t atHand_ = 0;
};

}  // namespace corvane
