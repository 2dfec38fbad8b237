#include "cli/standard_input_buffer.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define CORVANE_READ _read
#else
#include <poll.h>
#include <unistd.h>
#define CORVANE_READ ::read
#endif

namespace corvane {

namespace {

constexpr int kStandardInput = 0;

}  // namespace

StandardInputBuffer::int_type StandardInputBuffer::underflow() {
    for (;;) {
        const auto got = CORVANE_READ(kStandardInput, buffer_, static_cast<unsigned>(sizeof buffer_));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return traits_type::eof();
        setg(buffer_, buffer_, buffer_ + got);
        return traits_type::to_int_type(buffer_[0]);
    }
}

std::streamsize StandardInputBuffer::showmanyc() {
#ifdef _WIN32
    // Language clients talk through pipes; for anything else the answer is "cannot tell".
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(kStandardInput));
    DWORD waiting = 0;
    if (GetFileType(handle) == FILE_TYPE_PIPE && PeekNamedPipe(handle, nullptr, 0, nullptr, &waiting, nullptr))
        return static_cast<std::streamsize>(waiting);
    return 0;
#else
    // Readable at once: at least one byte, or the end of the input, which the next read finds.
    pollfd input{kStandardInput, POLLIN, 0};
    return ::poll(&input, 1, 0) == 1 && (input.revents & (POLLIN | POLLHUP)) != 0 ? 1 : 0;
#endif
}

}  // namespace corvane
