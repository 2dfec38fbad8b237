#pragma once
// `corvane-script lsp`: the language server over a pair of byte streams.

#include <istream>
#include <ostream>

namespace corvane {

// Serves until the client's exit notification or the end of `in`. Only protocol messages go to
// `out`; problems with the client's messages go to `log`. Returns the process exit status: 0 when
// the client asked for shutdown first, else 1.
int ServeLanguageProtocol(std::istream& in, std::ostream& out, std::ostream& log);

}  // namespace corvane
