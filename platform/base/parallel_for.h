#pragma once
// Runs independent pieces of one job side by side. The caller keeps the
// pieces apart: fn(i) may touch nothing that fn(j) touches, and nothing
// shared that is written (code-page converters, counters, static caches).
#include <cstddef>
#include <functional>

namespace qf {

// The threads this machine offers for one job: its hardware threads, at
// least 1 and at most 8.
int WorkerThreads();

// Calls fn(i) once for every i in [0, count), on up to threads threads, the
// calling one among them; with one thread, or one piece, all on the calling
// thread in order. Every piece runs even when another throws; once all are
// done the exception of the lowest throwing i is thrown again, as a plain
// loop would have thrown it first. The helping threads are started on first
// need and kept for later calls.
void ParallelFor(size_t count, int threads, const std::function<void(size_t)>& fn);

} // namespace qf
