#include "analysis/ParallelWork.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr int kMaxThreads = 8;

std::string ReadText(const char *path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return file ? text.str() : std::string();
}

// A decimal count at the start of text, -1 when there is none.
int LeadingCount(std::string_view text, std::size_t &used) {
  int value = 0;
  used = 0;
  while (used < text.size() && text[used] >= '0' && text[used] <= '9' && value < 1000000)
    value = value * 10 + (text[used++] - '0');
  return used == 0 ? -1 : value;
}

} // namespace

int CountCpuList(std::string_view list) {
  while (!list.empty() && (list.back() == '\n' || list.back() == ' '))
    list.remove_suffix(1);
  int count = 0;
  while (!list.empty()) {
    std::size_t used = 0;
    const int first = LeadingCount(list, used);
    if (first < 0)
      return 0;
    list.remove_prefix(used);
    int last = first;
    if (!list.empty() && list.front() == '-') {
      list.remove_prefix(1);
      last = LeadingCount(list, used);
      if (last < first)
        return 0;
      list.remove_prefix(used);
    }
    count += last - first + 1;
    if (list.empty())
      return count;
    if (list.front() != ',' || list.size() == 1)
      return 0;
    list.remove_prefix(1);
  }
  return 0;
}

int RunningThreads(std::string_view procStat) {
  constexpr std::string_view key = "\nprocs_running ";
  const std::size_t at = procStat.find(key);
  if (at == std::string_view::npos)
    return -1;
  std::size_t used = 0;
  return LeadingCount(procStat.substr(at + key.size()), used);
}

int ChooseThreads(int logicalCores, int threadsPerCore, int othersRunning, int useful) {
  const int logical = std::max(logicalCores, 1);
  const int physical = std::max(logical / std::max(threadsPerCore, 1), 1);
  const int least = std::min(std::clamp(logical / 2, 1, kMaxThreads), physical);
  const int most = std::min({physical, kMaxThreads, std::max(useful, least)});
  return std::clamp(physical - std::max(othersRunning, 0), least, most);
}

int AnalysisThreads(int useful) {
  const int logical = static_cast<int>(std::thread::hardware_concurrency());
  const int perCore =
      CountCpuList(ReadText("/sys/devices/system/cpu/cpu0/topology/thread_siblings_list"));
  const int running = RunningThreads(ReadText("/proc/stat"));
  // Unknown: as if every other core were busy, which gives the least count.
  const int others = running < 1 ? logical : running - 1;
  return ChooseThreads(logical, perCore < 1 ? 2 : perCore, others, useful);
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

void ForEachInParallel(int count, int threads, const ParallelTask &task) {
  std::atomic<int> next{0};
  RunOnThreads(std::clamp(threads, 1, std::max(count, 1)), [&](int thread) {
    for (int item; (item = next.fetch_add(1, std::memory_order_relaxed)) < count;)
      task(item, thread);
  });
}
