#include "platform/base/parallel_for.h"

#include <atomic>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(ParallelForTest, EveryPieceRunsOnceWhateverTheThreads) {
    for (int threads : {1, 2, 5, 64}) {
        for (size_t count : {size_t{0}, size_t{1}, size_t{3}, size_t{1000}}) {
            std::vector<std::atomic<int>> runs(count);
            qf::ParallelFor(count, threads, [&](size_t i) { ++runs[i]; });
            for (size_t i = 0; i < count; ++i)
                EXPECT_EQ(runs[i].load(), 1) << threads << " threads, piece " << i << " of " << count;
        }
    }
}

// The helping threads are shared: calls made from inside pieces, and calls
// one after another, still run every piece once and return.
TEST(ParallelForTest, NestedAndRepeatedCallsFinish) {
    for (int round = 0; round < 20; ++round) {
        std::vector<std::atomic<int>> runs(8 * 64);
        qf::ParallelFor(8, 8, [&](size_t outer) {
            qf::ParallelFor(64, 4, [&](size_t inner) { ++runs[outer * 64 + inner]; });
        });
        for (size_t i = 0; i < runs.size(); ++i)
            ASSERT_EQ(runs[i].load(), 1) << "round " << round << ", piece " << i;
    }
}

TEST(ParallelForTest, OneThreadRunsInOrderOnTheCaller) {
    std::vector<size_t> order;
    std::set<std::thread::id> seen;
    qf::ParallelFor(50, 1, [&](size_t i) {
        order.push_back(i);
        seen.insert(std::this_thread::get_id());
    });
    ASSERT_EQ(order.size(), 50u);
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i], i);
    EXPECT_EQ(seen, std::set<std::thread::id>{std::this_thread::get_id()});
}

TEST(ParallelForTest, TheLowestFailingPieceIsReportedAfterAllRan) {
    for (int threads : {1, 4}) {
        std::atomic<int> ran{0};
        try {
            qf::ParallelFor(200, threads, [&](size_t i) {
                ++ran;
                if (i == 170 || i == 30 || i == 99)
                    throw std::runtime_error(std::to_string(i));
            });
            ADD_FAILURE() << "no exception with " << threads << " threads";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "30");
        }
        EXPECT_EQ(ran.load(), 200);
    }
}

} // namespace
