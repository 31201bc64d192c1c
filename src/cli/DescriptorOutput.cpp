#include "DescriptorOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorbel::cli {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() {
    Drain();
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int DescriptorOutput::sync() {
    return Drain() ? 0 : -1;
}

bool DescriptorOutput::Drain() {
    const char* next = pbase();
    const char* const end = pptr();
    // Once a write has failed nothing more is written: the output is already incomplete.
    bool written = failure_.empty();
    while (written && next < end) {
        const ssize_t count = ::write(fd_, next, static_cast<size_t>(end - next));
        if (count > 0) {
            next += count;
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else {
            failure_ = count < 0 ? std::strerror(errno) : "nothing was written";
            written = false;
        }
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

}  // namespace quorbel::cli
