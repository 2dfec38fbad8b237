// Any bytes from a client: the message reader always moves on and never stores more than its
// limit, and the server answers with nothing but well-formed messages, without crashing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "lsp/message_reader.h"
#include "lsp/serve_language_protocol.h"

namespace {

constexpr std::size_t kSmallLimit = 256;  // so that the skipping of large bodies is reached too

void CheckReader(const std::string& bytes) {
    std::istringstream in(bytes);
    corvane::MessageReader reader(in, kSmallLimit);
    // Every result but the end consumes at least one byte.
    for (std::size_t calls = 0;; ++calls) {
        if (calls > bytes.size()) std::abort();
        const corvane::ReadResult read = reader.Next();
        if (read.body.size() > kSmallLimit) std::abort();
        if (read.status != corvane::ReadStatus::kMessage && !read.body.empty()) std::abort();
        if (read.status == corvane::ReadStatus::kEnd) return;
    }
}

void CheckServer(const std::string& bytes) {
    std::istringstream in(bytes);
    std::ostringstream out;
    std::ostringstream log;
    const int status = corvane::ServeLanguageProtocol(in, out, log);
    if (status != 0 && status != 1) std::abort();
    std::istringstream written(out.str());
    corvane::MessageReader reader(written);
    for (corvane::ReadResult read = reader.Next(); read.status != corvane::ReadStatus::kEnd; read = reader.Next()) {
        if (read.status != corvane::ReadStatus::kMessage) std::abort();
        if (!nlohmann::json::accept(read.body)) std::abort();
    }
    if (!reader.Next().problem.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckReader(bytes);
    CheckServer(bytes);
    return 0;
}
