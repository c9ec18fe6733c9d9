#pragma once
// Memory running short, for real, in a test program: the program linking
// allocation_budget.cpp gets operator new and delete that count what it
// holds while a budget lives, and refuse what goes beyond it.
#include <cstddef>

namespace qf::test {

// While one lives, what the program takes through operator new may exceed
// what it held when the budget began by at most bytes: an allocation of the
// program's own code beyond that throws std::bad_alloc, as when memory runs
// out, and what is freed meanwhile makes room again. One budget at a time.
class AllocationBudget {
public:
    explicit AllocationBudget(std::size_t bytes);
    ~AllocationBudget();
    AllocationBudget(const AllocationBudget&) = delete;
    AllocationBudget& operator=(const AllocationBudget&) = delete;

    // How many allocations it refused so far.
    int GetRefusals() const;
};

} // namespace qf::test
