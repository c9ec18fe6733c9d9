#pragma once
// Memory running short, for real, in a test program: the program linking
// allocation_budget.cpp gets operator new and delete that count what the
// program's own code takes, and refuse it as a budget or a failure says.
//
// The program's own code is whatever lies in the program's text, wherever
// the toolkit called it from (an event handler, an idle or timer callback);
// an allocation that the C++ library makes counts as its caller's.
#include <cstddef>

namespace qf::test {

// While one lives, what the program takes through operator new may exceed
// what it held when the budget began by at most bytes: an allocation of the
// program's own code beyond that throws std::bad_alloc, as when memory runs
// out, and what is freed meanwhile makes room again. One budget or failure
// at a time.
class AllocationBudget {
public:
    explicit AllocationBudget(std::size_t bytes);
    ~AllocationBudget();
    AllocationBudget(const AllocationBudget&) = delete;
    AllocationBudget& operator=(const AllocationBudget&) = delete;

    // How many allocations it refused so far.
    int GetRefusals() const;
};

// While one lives, the program's own allocations are counted, and the nth of
// them (from 1) throws std::bad_alloc, as when memory runs out just then;
// those after it are given again. With 0 none is refused: it only counts.
class AllocationFailure {
public:
    explicit AllocationFailure(long long nth);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;

    // The program's own allocations so far, the refused one among them.
    long long GetCount() const;
    bool HasRefused() const;
};

} // namespace qf::test
