#include "cli/standard_output_buffer.h"

#include <cerrno>
#include <cstring>

#include "cli/cli_app.h"

#ifdef _WIN32
#include <io.h>
#define CORVANE_WRITE _write
#else
#include <unistd.h>
#define CORVANE_WRITE ::write
#endif

namespace corvane {

namespace {

constexpr int kStandardOutput = 1;

}  // namespace

// After the first failure the rest of the text is dropped: a reader that left wants none of it.
bool StandardOutputBuffer::WriteBuffer() {
    const char* next = pbase();
    while (failure_ == 0 && next < pptr()) {
        const auto written = CORVANE_WRITE(kStandardOutput, next, static_cast<unsigned>(pptr() - next));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) failure_ = written < 0 ? errno : EIO;
        if (written > 0) next += written;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return failure_ == 0;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
    if (!WriteBuffer()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int StandardOutputBuffer::sync() { return WriteBuffer() ? 0 : -1; }

int StandardOutputBuffer::Finish(int status, std::ostream& err) {
    WriteBuffer();
    if (failure_ == 0 || failure_ == EPIPE) return status;
    err << "corvane-script: cannot write to standard output (" << std::strerror(failure_) << ")\n";
    return kExitUsage;
}

}  // namespace corvane
