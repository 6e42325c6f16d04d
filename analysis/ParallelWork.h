#pragma once
// The threads the analysis spreads its large loops over, and a way to run
// one piece of work on several of them.  No result depends on the count.
#include <functional>

// Half the cores (hyperthreads share a core's arithmetic units), at most 8.
// The same count every time, whatever else the machine runs: a choice by
// the load average counted the analysis's own threads and shrank the count
// in the middle of a buckling search on an otherwise idle machine.
int AnalysisThreads();

// Runs work(t) for t = 0 .. count - 1 at once, t = 0 on the calling thread
// and the others on threads of their own; returns when all are done.  Where
// the system refuses a thread, its part runs on the calling thread after the
// calling thread's own.  work must not throw.
void RunOnThreads(int count, const std::function<void(int)> &work);
