#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "lsp/message_reader.h"
#include "lsp/message_writer.h"

namespace corvane {
namespace {

// What the reader made of a stream, one entry per call: "M:body", "B" (bad header) or "E" (end),
// with the problem after a bar where there was one.
std::vector<std::string> ReadAll(const std::string& bytes, std::size_t maxBody = MessageReader::kMaxBodyBytes) {
    std::istringstream in(bytes);
    MessageReader reader(in, maxBody);
    std::vector<std::string> seen;
    for (int calls = 0; calls < 20; ++calls) {
        const ReadResult read = reader.Next();
        std::string entry = read.status == ReadStatus::kMessage ? "M:" + read.body
                            : read.status == ReadStatus::kBadHeader ? "B" : "E";
        if (!read.problem.empty()) entry += "|" + read.problem;
        seen.push_back(entry);
        if (read.status == ReadStatus::kEnd) break;
    }
    return seen;
}

using Seen = std::vector<std::string>;

TEST(MessageReader, ReadsWellFormedStreams) {
    const std::pair<std::string, Seen> cases[] = {
        {"", {"E"}},
        {"Content-Length: 2\r\n\r\n{}", {"M:{}", "E"}},
        {"Content-Length: 1\r\n\r\naContent-Length: 3\r\n\r\nbcd", {"M:a", "M:bcd", "E"}},
        {"content-length:4\r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n\r\n\r\n",
         {"M:\r\n\r\n", "E"}},
        {"\r\n\r\nContent-Length: \t0 \n\n", {"M:", "E"}},  // bare LF and blanks around the value pass
        {"Content-Length: 3\r\nContent-Length: 3\r\n\r\nabc", {"M:abc", "E"}},
    };
    for (const auto& [bytes, seen] : cases) EXPECT_EQ(ReadAll(bytes), seen) << bytes;
}

TEST(MessageReader, SkipsBadHeadersAndStopsAtTruncation) {
    const std::string next = "Content-Length: 2\r\n\r\nok";
    const std::pair<std::string, Seen> cases[] = {
        {"Content-Type: x\r\n\r\n" + next, {"B|a header without Content-Length", "M:ok", "E"}},
        {"Content-Length: 1x\r\n\r\n" + next, {"B|a Content-Length that is not a number", "M:ok", "E"}},
        {"Content-Length: -5\r\n\r\n" + next, {"B|a Content-Length that is not a number", "M:ok", "E"}},
        {"Content-Length: 99999999999999999999999\r\n\r\n" + next,
         {"B|a Content-Length that is not a number", "M:ok", "E"}},
        {"garbage\r\nContent-Length: 3\r\n\r\nabc" + next,
         {"B|a header line without a colon; its body was skipped", "M:ok", "E"}},
        {"Content-Length: 1\r\nContent-Length: 2\r\n\r\na" + next,  // the first length frames the body
         {"B|two different Content-Length headers; its body was skipped", "M:ok", "E"}},
        {"X: " + std::string(5000, 'y') + "\r\nContent-Length: 1\r\n\r\nz" + next,
         {"B|a header line longer than 4096 bytes; its body was skipped", "M:ok", "E"}},
        {"Content-Length: 10\r\n\r\nabc", {"E|the stream ended inside a message (3 of 10 bytes)"}},
        {"Content-Length: 10", {"E|the stream ended inside a header"}},
        {"Content-Length: 10\r\n", {"E|the stream ended inside a header"}},
    };
    for (const auto& [bytes, seen] : cases) EXPECT_EQ(ReadAll(bytes), seen) << bytes.substr(0, 60);
}

TEST(MessageReader, SkipsBodiesAboveTheLimitWithoutStoringThem) {
    EXPECT_EQ(ReadAll("Content-Length: 6\r\n\r\nabcdefContent-Length: 5\r\n\r\nvwxyz", 5),
              (Seen{"B|a message of 6 bytes, more than the limit of 5; its body was skipped", "M:vwxyz", "E"}));
    // A length far beyond the stream, as a broken client might send it, ends the stream at once.
    EXPECT_EQ(ReadAll("Content-Length: 18446744073709551615\r\n\r\nabc"),
              (Seen{"E|a message of 18446744073709551615 bytes, more than the limit of 67108864; the stream ended "
                    "inside it"}));
}

TEST(MessageReader, ReadsWhatTheWriterWrites) {
    std::ostringstream out;
    const std::string body = "{\"text\":\"\xC3\xA9\\r\\n\"}";
    ASSERT_TRUE(WriteMessage(out, body));
    ASSERT_TRUE(WriteMessage(out, ""));
    EXPECT_EQ(out.str().substr(0, 22), "Content-Length: 17\r\n\r\n");
    EXPECT_EQ(ReadAll(out.str()), (Seen{"M:" + body, "M:", "E"}));
}

}  // namespace
}  // namespace corvane
