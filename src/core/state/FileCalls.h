#pragma once
// The system calls a file replacement makes that can fail half-way.
#include <cstddef>

namespace quorbel {

// Tests replace them to make a step fail; everyone else uses System(). A null sync or
// close is the system's.
struct FileCalls {
    // Creates and opens a file of a fresh unique name from pathTemplate, whose last six
    // characters are XXXXXX and are replaced; never follows a link. As mkstemp.
    int (*createTemp)(char* pathTemplate);
    long (*write)(int fd, const void* data, size_t size);
    int (*rename)(const char* from, const char* to);
    int (*sync)(int fd) = nullptr;
    int (*close)(int fd) = nullptr;

    static const FileCalls& System();
};

}  // namespace quorbel
