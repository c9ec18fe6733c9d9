#include "platform/base/memory_advice.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>

namespace qf {
namespace {

// The C library's own step (mallopt(3)); mallopt cannot be asked for the one in force.
constexpr int kOrdinaryTopPad = 128 * 1024;
constexpr int kLargeTopPad = 64 * 1024 * 1024;
constexpr uintptr_t kHugePage = 2 * 1024 * 1024;

} // namespace

LargeHeapSteps::LargeHeapSteps() {
    mallopt(M_TOP_PAD, kLargeTopPad);
}

LargeHeapSteps::~LargeHeapSteps() {
    mallopt(M_TOP_PAD, kOrdinaryTopPad);
}

void AdviseHugePages(void* data, size_t size) {
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kHugePage - 1);
    if (end >= begin + 2 * kHugePage)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace qf
