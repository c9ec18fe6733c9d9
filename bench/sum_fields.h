#pragma once
// The plainest decoding of a file's bytes read whole, for the open benchmarks.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qf::bench {

// The plain decoding of a file's bytes: every 4-byte field, added up.
inline uint32_t SumFields(const char* bytes, size_t size) {
    uint32_t sum = 0;
    for (size_t at = 0; at + 4 <= size; at += 4) {
        uint32_t field = 0;
        std::memcpy(&field, bytes + at, 4);
        sum += field;
    }
    return sum;
}

} // namespace qf::bench
