#pragma once
// The short warning sound of refused input.  Each beep is counted so that
// tests can tell that input was refused.
enum class BeepKind {
  Simple, // the plain speaker beep
  Default // the system's default sound
};

void MessageBeep(BeepKind kind);

// Beeps of one kind since the start or the last reset, and of both kinds.
int MessageBeepCount(BeepKind kind);
int MessageBeepCount();
void ResetMessageBeepCount();
