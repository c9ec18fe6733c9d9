#pragma once
// A hint to the C library for the few large jobs that fill hundreds of
// megabytes at once (opening a large document), where taking memory in small
// steps costs more than the work itself.

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

} // namespace qf
