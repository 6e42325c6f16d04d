#pragma once
// A long text formatted on several threads with the bytes one thread gives.
// The pieces 0 .. count - 1 of a text (the rows of a table, say) are cut
// into contiguous ranges; each thread takes the next range not yet taken and
// formats it at the end of a buffer of its own, and the ranges are then
// appended to the text in order.  This holds only for pieces whose text
// depends on nothing an earlier piece wrote (no running numbers, no page
// breaks).  The buffers are kept from one call to the next, so a text
// formatted in several tables meets fresh memory only once.
//
//   ParallelText parallel(AnalysisThreads(), expectedBytes);
//   text += "heading\n";
//   parallel.Append(text, rows, [&](std::string &part, int first, int last) { ... });
#include <exception>
#include <functional>
#include <string>
#include <vector>

// Appends the text of the pieces first .. last - 1 to part.
using AppendRange = std::function<void(std::string &part, int first, int last)>;

class ParallelText {
public:
  // threads: the most threads a call uses, the calling one among them (at
  // least 1); bytes: about how long the text of one call will be at most,
  // reserved once for each thread (the buffers grow past it as needed).
  ParallelText(int threads, std::size_t bytes);

  // Appends the text of the pieces 0 .. count - 1 to text.  With one thread,
  // or too few pieces to share, appendRange(text, 0, count) is called on
  // the calling thread.  When the system refuses a thread the others do its
  // share.  When appendRange raises an exception for a range, text receives
  // the ranges before it and what that range appended before the
  // exception, which then goes on to the caller: text holds what one thread
  // would have written.
  void Append(std::string &text, int count, const AppendRange &appendRange);

private:
  struct Range {
    int first = 0;
    int last = 0;
    int buffer = 0; // of the thread that formatted it
    std::size_t start = 0;
    std::size_t end = 0;
    std::exception_ptr failure;
  };
  void AppendRanges(std::string &text);

  int threads;
  std::vector<std::string> buffers; // one per thread
  std::vector<Range> ranges;
};
