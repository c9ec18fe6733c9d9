#pragma once
// Hints to the C library and the kernel for the few large jobs that fill
// hundreds of megabytes at once (opening a large document), where taking
// memory 4 KB at a time costs more than the work itself.
#include <cstddef>

namespace qf {

// While one lives, the heap grows in large steps: threads that build many
// small records side by side then seldom wait on each other to enlarge their
// heaps. The ordinary steps come back with its end.
class LargeHeapSteps {
public:
    LargeHeapSteps();
    ~LargeHeapSteps();
    LargeHeapSteps(const LargeHeapSteps&) = delete;
    LargeHeapSteps& operator=(const LargeHeapSteps&) = delete;
};

// Asks for huge pages under a buffer of several megabytes that is about to
// be filled, so it takes one page fault per 2 MB. Smaller buffers, and
// systems that refuse, are left as they are; the contents never change.
void AdviseHugePages(void* data, size_t size);

} // namespace qf
