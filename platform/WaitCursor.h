#pragma once
// The wait cursor over all of the program's windows while a long piece of
// work holds the message loop (a picture copied or exported), and the
// normal cursor again over a message box shown meanwhile.  Both nest.
class WaitCursor {
public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor &) = delete;
  WaitCursor &operator=(const WaitCursor &) = delete;
};

// The normal cursor while a box waits for its answer, when a wait cursor is
// shown; otherwise nothing.
class NormalCursor {
public:
  NormalCursor();
  ~NormalCursor();
  NormalCursor(const NormalCursor &) = delete;
  NormalCursor &operator=(const NormalCursor &) = delete;

private:
  bool Lifted;
};
