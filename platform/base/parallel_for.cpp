#include "platform/base/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace qf {

namespace {

// The most threads that help a caller; WorkerThreads offers at most 8 in all.
constexpr size_t kMostHelpers = 7;

// The pieces of one call, taken one by one by the calling thread and by the
// helpers that join it.
class Job {
public:
    Job(size_t count, const std::function<void(size_t)>& fn) : m_fn(fn), m_failures(count), m_left(count) {}

    // Runs pieces until none is left to take. A helper that joins after the
    // last was taken touches nothing of the caller's.
    void Work() {
        const size_t count = m_failures.size();
        for (size_t i = m_next++; i < count; i = m_next++) {
            try {
                m_fn(i);
            } catch (...) {
                m_failures[i] = std::current_exception();
            }
            if (m_left.fetch_sub(1, std::memory_order_acq_rel) == 1) {
                std::lock_guard lock(m_mutex);
                m_finished.notify_all();
            }
        }
    }

    // Waits until every piece has run, then throws the lowest one's failure.
    void Finish() {
        {
            std::unique_lock lock(m_mutex);
            m_finished.wait(lock, [&] { return m_left.load(std::memory_order_acquire) == 0; });
        }
        for (const std::exception_ptr& failure : m_failures)
            if (failure)
                std::rethrow_exception(failure);
    }

private:
    const std::function<void(size_t)>& m_fn;
    std::vector<std::exception_ptr> m_failures;
    std::atomic<size_t> m_next{0};
    std::atomic<size_t> m_left;
    std::mutex m_mutex;
    std::condition_variable m_finished;
};

// Threads started once and kept waiting for jobs, so that a call does not
// pay for starting and ending threads (a third of a millisecond for eight).
class Helpers {
public:
    static Helpers& Get() {
        static auto* helpers = new Helpers; // its threads wait until the process ends
        return *helpers;
    }

    // Asks up to wanted helpers to join the job. Threads or memory running
    // short make fewer helpers: the caller runs the pieces left.
    void Offer(const std::shared_ptr<Job>& job, size_t wanted) {
        // A forked child has none of the parent's threads.
        if (getpid() != m_process)
            return;
        wanted = std::min(wanted, kMostHelpers);
        {
            std::lock_guard lock(m_mutex);
            for (; m_started < wanted; ++m_started) {
                try {
                    std::thread([this] { Serve(); }).detach();
                } catch (const std::system_error&) {
                    break;
                } catch (const std::bad_alloc&) {
                    break;
                }
            }
            const size_t helpers = std::min(wanted, m_started);
            for (wanted = 0; wanted < helpers; ++wanted) {
                try {
                    m_offers.push_back(job);
                } catch (const std::bad_alloc&) {
                    break;
                }
            }
        }
        if (wanted == 1)
            m_offered.notify_one();
        else if (wanted > 1)
            m_offered.notify_all();
    }

private:
    void Serve() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_offered.wait(lock, [&] { return !m_offers.empty(); });
            std::shared_ptr<Job> job = std::move(m_offers.front());
            m_offers.pop_front();
            lock.unlock();
            job->Work();
            job.reset();
            lock.lock();
        }
    }

    const pid_t m_process = getpid();
    std::mutex m_mutex;
    std::condition_variable m_offered;
    std::deque<std::shared_ptr<Job>> m_offers;
    size_t m_started = 0;
};

} // namespace

int WorkerThreads() {
    const unsigned hardware = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(hardware, 1u, 8u));
}

void ParallelFor(size_t count, int threads, const std::function<void(size_t)>& fn) {
    // Shared with the helpers, which may take it up after the call returned.
    auto job = std::make_shared<Job>(count, fn);
    const size_t helpers = std::min(count, static_cast<size_t>(std::max(threads, 1))) - (count > 0 ? 1 : 0);
    if (helpers > 0)
        Helpers::Get().Offer(job, helpers);
    job->Work();
    job->Finish();
}

} // namespace qf
