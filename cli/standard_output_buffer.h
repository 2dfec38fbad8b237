#pragma once
// The command line's standard output. It remembers why a write failed, so that text standard output
// could not take (a full disk, a closed output) ends in an error, never in a silent success.

#include <ostream>
#include <streambuf>

namespace corvane {

class StandardOutputBuffer : public std::streambuf {
public:
    StandardOutputBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
    StandardOutputBuffer(const StandardOutputBuffer&) = delete;
    StandardOutputBuffer& operator=(const StandardOutputBuffer&) = delete;

    // Writes what is left and returns `status` when all text was written, or when the reader closed
    // the pipe early (there is nobody left to tell); otherwise tells `err` and returns kExitUsage.
    int Finish(int status, std::ostream& err);

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool WriteBuffer();

    char buffer_[8192];
    int failure_ = 0;  // errno of the first failed write
};

}  // namespace corvane
