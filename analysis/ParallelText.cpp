#include "analysis/ParallelText.h"

#include "analysis/ParallelWork.h"
#include "model/HugePages.h"

#include <algorithm>

namespace {

// Ranges per thread: a thread slowed by other work on the machine leaves its
// later ranges to the others.
constexpr int kRangesPerThread = 4;
// Below this many pieces a range is not worth sharing.
constexpr int kPiecesPerRange = 16;

} // namespace

ParallelText::ParallelText(int threads, std::size_t bytes) : threads(std::max(threads, 1)) {
  if (this->threads == 1)
    return;
  // Each buffer can hold all of a call's text: a thread may take most of the
  // ranges, and a buffer that grew on a thread of its own would leave its
  // memory with that thread's heap.  Only what is written takes memory.
  buffers.resize(static_cast<std::size_t>(this->threads));
  for (std::string &buffer : buffers) {
    buffer.reserve(bytes);
    PreferHugePages(buffer.data(), buffer.capacity());
  }
}

void ParallelText::Append(std::string &text, int count, const AppendRange &appendRange) {
  const int rangeCount = std::min(threads * kRangesPerThread, count / kPiecesPerRange);
  if (threads <= 1 || rangeCount <= 1) {
    appendRange(text, 0, count);
    return;
  }
  ranges.assign(static_cast<std::size_t>(rangeCount), Range{});
  for (int r = 0; r < rangeCount; ++r) {
    ranges[r].first = static_cast<int>(static_cast<long long>(count) * r / rangeCount);
    ranges[r].last = static_cast<int>(static_cast<long long>(count) * (r + 1) / rangeCount);
  }
  for (std::string &buffer : buffers)
    buffer.clear();
  ForEachInParallel(rangeCount, threads, [&](int r, int thread) {
    // Formatted in a string of this thread's own stack: the buffers'
    // headers share cache lines, and every append writes the length.
    std::string part = std::move(buffers[static_cast<std::size_t>(thread)]);
    Range &range = ranges[static_cast<std::size_t>(r)];
    range.buffer = thread;
    range.start = part.size();
    try {
      appendRange(part, range.first, range.last);
    } catch (...) {
      range.failure = std::current_exception();
    }
    range.end = part.size();
    buffers[static_cast<std::size_t>(thread)] = std::move(part);
  });
  AppendRanges(text);
}

// Appends the ranges in order up to and including the first that failed,
// whose exception is then raised again.
void ParallelText::AppendRanges(std::string &text) {
  std::size_t bytes = 0;
  for (const Range &range : ranges)
    bytes += range.end - range.start;
  text.reserve(text.size() + bytes);
  for (const Range &range : ranges) {
    text.append(buffers[static_cast<std::size_t>(range.buffer)], range.start,
                range.end - range.start);
    if (range.failure)
      std::rethrow_exception(range.failure);
  }
}
