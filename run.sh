#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kelmor.  With a display it
# opens the program (running the batch file when one is given).  Without one
# it runs the batch file (by default examples/portal.bat) unattended on Qt's
# offscreen platform and prints the protocols and pictures it wrote and the
# messages the program would have shown.  Exit status of such a run: 0 when
# it reached CLOSE and no message was an error, 3 when one was (a picture
# that could not be written counts as one), 1 when the run ended early, 2
# when the batch file cannot be run; a program that ended abnormally gives
# its own status.
# KELMOR_BINARY names a Kelmor already built: it is run, nothing installed or
# built.
set -euo pipefail
here="$PWD"
root="$(cd "$(dirname "$0")" && pwd)"
source "$root/scripts/setup.sh"
if [ -n "${KELMOR_BINARY:-}" ]; then
  if [ ! -x "$KELMOR_BINARY" ]; then
    echo "run.sh: KELMOR_BINARY=$KELMOR_BINARY is no program" >&2
    exit 2
  fi
  kelmor="$(realpath "$KELMOR_BINARY")"
else
  kelmor_install_missing
  kelmor_build
  kelmor="$root/build/bin/Kelmor"
fi

# Qt warns on every start when the session names no runtime folder; give it
# the private one it would take anyway.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  runtime="${TMPDIR:-/tmp}/runtime-$(id -u)"
  if mkdir -p "$runtime" 2>/dev/null && [ -O "$runtime" ] && chmod 700 "$runtime"; then
    export XDG_RUNTIME_DIR="$runtime"
  fi
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$kelmor" "$@"
fi

# The example's paths are relative to the repository; a batch file given here
# is read from, and its paths are relative to, the folder run.sh was called in.
if [ $# -gt 0 ]; then
  workdir="$here"
  batch="$1"
else
  workdir="$root"
  batch="examples/portal.bat"
  mkdir -p "$root/out"
fi
cd "$workdir"
if [ ! -f "$batch" ] || [ ! -r "$batch" ]; then
  echo "run.sh: cannot read the batch file $batch" >&2
  exit 2
fi
if ! kelmor_batch_text "$batch" | grep -qiE '^[[:space:]]*CLOSE[[:space:]]*([(=]|$)'; then
  echo "run.sh: $batch has no CLOSE line; without a display the program would not end." >&2
  echo "run.sh: end the batch file with CLOSE, or run it with a display." >&2
  exit 2
fi

log="$(mktemp "${TMPDIR:-/tmp}/kelmor-messages.XXXXXX")"
errors="$(mktemp "${TMPDIR:-/tmp}/kelmor-errors.XXXXXX")"
# Made before the program starts: a results file this run wrote is not older.
started="$(mktemp "${TMPDIR:-/tmp}/kelmor-started.XXXXXX")"
trap 'rm -f "$log" "$errors" "$started"' EXIT
QT_QPA_PLATFORM=offscreen KELMOR_MESSAGE_LOG="$log" "$kelmor" "$batch" 2>"$errors" &
pid=$!
# A run that ends before its CLOSE leaves the program waiting for a user:
# its last message says so, and the program is ended here.
while kill -0 "$pid" 2>/dev/null && ! kelmor_batch_ended_early "$log"; do
  sleep 0.2
done
status=0
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" || true
  echo "run.sh: the batch run ended early (see the messages); the program is ended." >&2
  status=1
else
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || echo "run.sh: the program ended abnormally (exit status $status)." >&2
fi
if [ "$status" -eq 0 ] && kelmor_showed_error "$log"; then
  status=3
fi
# The offscreen platform's note on window size hints says nothing to the user.
grep -vxF 'This plugin does not support propagateSizeHints()' "$errors" >&2 || true

# The files named by SAVERESULT (protocols) and SAVEGRAPHFILE (pictures)
# lines that this run wrote (the file names on disk are UTF-8).
list_written() {
  kelmor_batch_text "$batch" |
    sed -nE "s/^[[:space:]]*$1[[:space:]]*(\\([^=]*)?=[[:space:]]*(.*[^[:space:]])[[:space:]]*\$/\\2/Ip" |
    awk '!seen[$0]++' | while IFS= read -r file; do
    if [ -f "$file" ] && [ ! "$started" -nt "$file" ]; then
      echo "  $(realpath "$file")"
    fi
  done
}
echo "Protocols written:"
list_written saveresult
echo "Pictures written:"
list_written savegraphfile
if [ -s "$log" ]; then
  echo "Messages:"
  sed 's/^/  /' "$log"
fi
exit "$status"
