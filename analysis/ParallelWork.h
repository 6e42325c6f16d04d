#pragma once
// The threads the analysis spreads its large loops over, and a way to run
// one piece of work on several of them.  No result depends on the count.
#include <functional>
#include <string_view>

// The threads for the next large loop: one per core that is idle now (other
// programs' threads running at this moment take theirs), at most one per
// physical core, at most useful and at most 8, and never fewer than half the
// logical cores (at most 8): hyperthreads share a core's arithmetic units,
// and a count that shrinks under the analysis's own threads would slow it
// down.
int AnalysisThreads(int useful = 8);

// The rule of AnalysisThreads from the logical cores, the hardware threads
// per core, the threads of other programs running now and the useful count.
int ChooseThreads(int logicalCores, int threadsPerCore, int othersRunning, int useful = 8);

// The count of processors a kernel CPU list names ("0", "0,4", "0-1,8-9");
// 0 for a text that is no such list.
int CountCpuList(std::string_view list);

// The threads running now by the "procs_running" line of /proc/stat
// (the reading thread among them); -1 when the text has no such line.
int RunningThreads(std::string_view procStat);

// Does item number item (0 .. count - 1) on thread number thread.
using ParallelTask = std::function<void(int item, int thread)>;

// Calls task for the items 0 .. count - 1 on up to threads threads, thread 0
// the calling one; an idle thread takes the next item not yet taken, so the
// items are begun in order.  When the system refuses a thread the others do
// its share.  task must not raise an exception.
void ForEachInParallel(int count, int threads, const ParallelTask &task);

// Runs work(t) for t = 0 .. count - 1 at once, t = 0 on the calling thread
// and the others on threads of their own; returns when all are done.  Where
// the system refuses a thread, its part runs on the calling thread after the
// calling thread's own.  work must not throw.
void RunOnThreads(int count, const std::function<void(int)> &work);
