#include "platform/base/memory_advice.h"

#include <malloc.h>

namespace qf {
namespace {

// The C library's own step (mallopt(3)); mallopt cannot be asked for the one in force.
constexpr int kOrdinaryTopPad = 128 * 1024;
constexpr int kLargeTopPad = 64 * 1024 * 1024;

} // namespace

LargeHeapSteps::LargeHeapSteps() {
    mallopt(M_TOP_PAD, kLargeTopPad);
}

LargeHeapSteps::~LargeHeapSteps() {
    mallopt(M_TOP_PAD, kOrdinaryTopPad);
}

} // namespace qf
