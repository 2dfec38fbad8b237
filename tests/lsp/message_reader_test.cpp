#include "lsp/message_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace corvane {
namespace {

using Seen = std::vector<std::string>;

// What the reader made of a stream, one entry per call: "M:body", "B" (bad header) or "E" (end),
// each with its problem after a bar.
Seen ReadAll(const std::string& bytes, std::size_t maxBody = MessageReader::kMaxBodyBytes) {
    std::istringstream in(bytes);
    MessageReader reader(in, maxBody);
    Seen seen;
    for (int calls = 0; calls < 20; ++calls) {
        const ReadResult read = reader.Next();
        const char* kind = read.status == ReadStatus::kMessage     ? "M:"
                           : read.status == ReadStatus::kBadHeader ? "B"
                                                                   : "E";
        seen.push_back(kind + read.body + (read.problem.empty() ? "" : "|" + read.problem));
        if (read.status == ReadStatus::kEnd) break;
    }
    return seen;
}

TEST(MessageReader, ReadsMessagesSkipsBadHeadersAndStopsAtTruncation) {
    const std::string ok = "Content-Length: 2\r\n\r\nok";
    const std::string notNumber = "B|a Content-Length that is not a number";
    const std::string resync = "M:ok|skipped bytes up to the next Content-Length header";
    const std::pair<std::string, Seen> cases[] = {
        {"", {"E"}},
        {"Content-Length: 1\r\n\r\na" + ok, {"M:a", "M:ok", "E"}},
        {"content-length:4\r\nContent-Type: x; charset=utf-8\r\n\r\n\r\n\r\n", {"M:\r\n\r\n", "E"}},
        {"\r\n\nContent-Length: \t0 \n\n", {"M:", "E"}},  // bare LF, blanks around the value
        {"Content-Type: x\r\n\r\n" + ok, {"B|a header without Content-Length", "M:ok", "E"}},
        {"Content-Length: 1x\r\n\r\n" + ok, {notNumber, "M:ok", "E"}},
        {"Content-Length: -5\r\n\r\n" + ok, {notNumber, "M:ok", "E"}},
        {"Content-Length: 99999999999999999999999\r\n\r\n" + ok, {notNumber, "M:ok", "E"}},
        {"bad\r\nContent-Length: 3\r\n\r\nabc" + ok,
         {"B|a header line without a colon; its body was skipped", "M:ok", "E"}},
        {"Content-Length: 1\r\nContent-Length: 2\r\n\r\na" + ok,  // the first length frames the body
         {"B|two different Content-Length headers; its body was skipped", "M:ok", "E"}},
        {"X: " + std::string(5000, 'y') + "\r\nContent-Length: 1\r\n\r\nz" + ok,
         {"B|a header line longer than 4096 bytes; its body was skipped", "M:ok", "E"}},
        // After a length too short, a length that is no number or none at all, the next
        // Content-Length starts the next message, also at the end of a long run of other bytes.
        {"Content-Length: 3\r\n\r\n{\"a\":1}" + ok, {"M:{\"a", resync, "E"}},
        {"Content-Length: -5\r\n\r\n{}" + ok, {notNumber, resync, "E"}},
        {"Content-Type: x\r\n\r\n{}" + ok, {"B|a header without Content-Length", resync, "E"}},
        {"Content-Length: 1\r\n\r\n{" + std::string(9000, 'x') + "}" + ok, {"M:{", resync, "E"}},
        {"X-Content-Length: 5\r\n\r\n" + ok, {"B|a header without Content-Length", "M:ok", "E"}},
        // A length too large that swallowed the beginning of the next header ends where it begins.
        {"Content-Length: 9\r\n\r\n{}" + ok,
         {"M:{}|a Content-Length of 9 bytes, but the next header came after 2", "M:ok", "E"}},
        {"Content-Length: 9\r\n\r\n{}Contexts", {"M:{}Context", "E|the stream ended inside a header"}},
        {"Content-Length: 10\r\n\r\nabc", {"E|the stream ended inside a message (3 of 10 bytes)"}},
        {"Content-Length: 10", {"E|the stream ended inside a header"}},
        {"Content-Length: 10\r\n", {"E|the stream ended inside a header"}},
        {"Content-Length: 18446744073709551615\r\n\r\nabc",
         {"E|a message of 18446744073709551615 bytes, more than the limit of 67108864; the stream ended inside it"}},
    };
    for (const auto& [bytes, seen] : cases) EXPECT_EQ(ReadAll(bytes), seen) << bytes.substr(0, 60);
    EXPECT_EQ(ReadAll("Content-Length: 600\r\n\r\n" + std::string(300, ' ') + "\n" + ok, 5),
              (Seen{"B|a message of 600 bytes, more than the limit of 5; the next header came after 301 bytes of it",
                    "M:ok", "E"}));
    EXPECT_EQ(ReadAll("Content-Length: 6\r\n\r\nabcdef" + ok, 5),
              (Seen{"B|a message of 6 bytes, more than the limit of 5; its body was skipped", "M:ok", "E"}));
}

}  // namespace
}  // namespace corvane
