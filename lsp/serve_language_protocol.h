#pragma once
// `corvane-script lsp`: the language server over a pair of byte streams.

#include <functional>
#include <istream>
#include <ostream>

namespace corvane {

// Serves until the client's exit notification or the end of `in`. Only protocol messages go to
// `out`; problems with the client's messages go to `log`. Returns the process exit status: 0 when
// the client asked for shutdown first, else 1.
//
// Documents are checked when no more input is waiting (or a second after a change while input keeps
// coming), so that a burst of changes costs one check of the newest text. `inputWaiting` tells whether more of `in` can
// be read at once; without it the stream's own count of bytes at hand (std::streambuf::in_avail) tells.
int ServeLanguageProtocol(std::istream& in, std::ostream& out, std::ostream& log,
                          std::function<bool()> inputWaiting = {});

}  // namespace corvane
