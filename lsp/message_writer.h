#pragma once
// Writes one message to a language client: the Content-Length header, an empty line and the body.

#include <ostream>
#include <string_view>

namespace corvane {

// Flushes, since the client waits for each message. False when the stream failed.
bool WriteMessage(std::ostream& out, std::string_view body);

}  // namespace corvane
