#pragma once
// A file compiled into the executable by the build (see cmake/embed.cmake).
#include <cstddef>

namespace kvx {

struct EmbeddedFile {
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
    size_t size() const { return size_t(end - begin); }
};

}  // namespace kvx
