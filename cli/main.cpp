#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/standard_input_buffer.h"
#include "cli/standard_output_buffer.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // decompile writes the loader's text byte for byte: no CR may be added in front of its LFs;
    // the language server counts the bytes of its messages both ways.
    _setmode(_fileno(stdout), _O_BINARY);
    // "-" reads a compiled file or a script from standard input: every byte as it is.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    corvane::StandardInputBuffer input;
    std::istream in(&input);
    corvane::StandardOutputBuffer output;
    std::ostream out(&output);
    int status = corvane::kExitUsage;
    try {
        status = corvane::RunCli(args, in, out, std::cerr);
    } catch (const std::bad_alloc&) {
        // Every output file is written whole or not at all, so nothing is half written now.
        std::cerr << "corvane-script: out of memory; nothing was written\n";
    }
    return output.Finish(status, std::cerr);
}
