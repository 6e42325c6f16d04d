#include "analysis/ParallelWork.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

int AnalysisThreads() {
  constexpr int kMaxThreads = 8;
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores / 2, 1, kMaxThreads);
}

void RunOnThreads(int count, const std::function<void(int)> &work) {
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(std::max(count, 1)));
  int started = 1;
  for (; started < count; ++started) {
    try {
      helpers.emplace_back(work, started);
    } catch (const std::system_error &) {
      break;
    }
  }
  work(0);
  for (int t = started; t < count; ++t)
    work(t);
  for (std::thread &helper : helpers)
    helper.join();
}
