#include "lsp/serve_language_protocol.h"

#include <chrono>
#include <optional>

#include "checker/grammar.h"
#include "core/language_tables.h"
#include "lsp/language_server.h"
#include "lsp/message_reader.h"
#include "lsp/message_writer.h"

namespace corvane {
namespace {

using Clock = std::chrono::steady_clock;

// A client that never stops sending still gets the problems of its newest texts this often.
constexpr auto kLongestDeferral = std::chrono::seconds(1);

}  // namespace

int ServeLanguageProtocol(std::istream& in, std::ostream& out, std::ostream& log, std::function<bool()> inputWaiting) {
    if (!inputWaiting) inputWaiting = [&in] { return in.rdbuf()->in_avail() > 0; };
    bool outputFailed = false;
    const auto send = [&](const nlohmann::json& message) {
        // Engine texts are converted before they get here; replacing keeps a stray byte from
        // costing the whole answer.
        const std::string body = message.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        if (!WriteMessage(out, body)) outputFailed = true;
    };
    LanguageServer server(LanguageTables::Standard(), Grammar::Standard(), send, log);
    MessageReader reader(in);
    std::optional<Clock::time_point> firstUnchecked;
    while (!server.exited() && !outputFailed) {
        if (server.hasUncheckedDocuments()) {
            if (!firstUnchecked) firstUnchecked = Clock::now();
            if (Clock::now() - *firstUnchecked >= kLongestDeferral || (!reader.HasBytesAtHand() && !inputWaiting())) {
                server.CheckChangedDocuments();
                firstUnchecked.reset();
            }
        }
        const ReadResult read = reader.Next();
        if (!read.problem.empty()) log << "corvane-script lsp: " << read.problem << '\n';
        if (read.status == ReadStatus::kEnd) break;
        if (read.status == ReadStatus::kMessage) server.Receive(read.body);
    }
    if (outputFailed) {
        log << "corvane-script lsp: the client no longer reads the answers\n";
        return 1;
    }
    return server.exitStatus();
}

}  // namespace corvane
