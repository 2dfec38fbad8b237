#pragma once
// The command line's standard input, read in blocks straight from the system. Unlike std::cin it
// can tell how much input is waiting without waiting for it (in_avail), which lets the language
// server check a burst of changes once, at its end.

#include <streambuf>

namespace corvane {

class StandardInputBuffer : public std::streambuf {
public:
    StandardInputBuffer() { setg(buffer_, buffer_, buffer_); }
    StandardInputBuffer(const StandardInputBuffer&) = delete;
    StandardInputBuffer& operator=(const StandardInputBuffer&) = delete;

protected:
    int_type underflow() override;
    // Bytes the system holds for us beyond the buffer: a lower bound, 0 when it cannot tell.
    std::streamsize showmanyc() override;

private:
    char buffer_[64 * 1024];
};

}  // namespace corvane
