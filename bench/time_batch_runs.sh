#!/usr/bin/env bash
# Times whole unattended batch runs of Kelmor on generated frames: start,
# reading the system and load files, the first-order, second-order and
# buckling analyses with a results protocol after each, and closing.
#
# Usage: bench/time_batch_runs.sh [STOREYSxBAYS ...]   (default 30x30 60x60 100x100)
# Environment:
#   KELMOR_BENCH_TIMEOUT         seconds after which a run is killed (default 300)
#   KELMOR_BENCH_BUCKLING_LIMIT  largest storeys x bays that also gets SOLVEK
#                                (default 10000, a 100 x 100 frame)
#
# Prints first the time of a run that only starts the program and closes it,
# then one line per frame: the wall-clock time of the whole run, the peak
# resident memory (when /usr/bin/time is there), the protocols written, and
# how the run ended; then, per frame, the stages of a first-order run timed
# as the differences of runs that stop after each command (start and close,
# reading both files, SOLVEI, SAVERESULT); then every message the program
# would have shown.  build/bin/analysis_bench splits the analysis further
# (model build and numbering, assembly, factorisation and solve).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
timeout_s="${KELMOR_BENCH_TIMEOUT:-300}"
buckling_limit="${KELMOR_BENCH_BUCKLING_LIMIT:-10000}"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(30x30 60x60 100x100)
for size in "${sizes[@]}"; do
  [[ "$size" =~ ^[1-9][0-9]*x[1-9][0-9]*$ ]] || {
    echo "time_batch_runs: a size is STOREYSxBAYS, e.g. 30x30, not '$size'" >&2
    exit 2
  }
done

source "$root/scripts/setup.sh"
kelmor_build >/dev/null

work="$(mktemp -d "${TMPDIR:-/tmp}/kelmor-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
measure=()
[ -x /usr/bin/time ] && measure=(/usr/bin/time -v -o time.txt)

# The batch file of one frame; SOLVEK only where $2 says so.
write_batch() {
  local folder="$1" buckling="$2"
  {
    printf '%s\n' HIDE "OPENSYSTEM = frame.ssy" "OPENLOAD = frame.sla"
    printf '%s\n' SOLVEI "SAVERESULT = theorie-1.txt" SOLVEII "SAVERESULT = theorie-2.txt"
    [ "$buckling" = yes ] && printf '%s\n' SOLVEK "SAVERESULT = knicken.txt"
    printf '%s\n' CLOSE
  } >"$folder/run.bat"
}

# Ends the run (process group of `timeout`) once it ended early.
watch_run() {
  local pid="$1" log="$2"
  while kill -0 "$pid" 2>/dev/null; do
    if [ -f "$log" ] && kelmor_batch_ended_early "$log"; then
      kill -TERM "$pid" 2>/dev/null || true
      return
    fi
    sleep 0.2
  done
}

# Runs one frame in its own folder (with its own copy of the program, whose
# settings file lives beside it) and prints its line of the table.
run_frame() {
  local size="$1" storeys="${1%x*}" bays="${1#*x}" folder="$work/$1" buckling=no
  mkdir -p "$folder/tmp" && chmod 700 "$folder/tmp"
  cp "$root/build/bin/Kelmor" "$folder/"
  local frame
  frame="$("$root/build/bin/frame_files" "$storeys" "$bays" "$folder/frame.ssy" "$folder/frame.sla")"
  [ $((storeys * bays)) -le "$buckling_limit" ] && buckling=yes
  write_batch "$folder" "$buckling"

  local start end pid status=0 ended
  start="$(date +%s.%N)"
  (cd "$folder" && QT_QPA_PLATFORM=offscreen KELMOR_MESSAGE_LOG="$folder/messages.log" \
    TMPDIR="$folder/tmp" XDG_RUNTIME_DIR="$folder/tmp" \
    timeout -k 5 "$timeout_s" "${measure[@]}" ./Kelmor run.bat 2>stderr.txt) &
  pid=$!
  watch_run "$pid" "$folder/messages.log" &
  local watcher=$!
  wait "$pid" || status=$?
  end="$(date +%s.%N)"
  kill "$watcher" 2>/dev/null || true
  wait "$watcher" 2>/dev/null || true

  if [ -f "$folder/messages.log" ] && kelmor_batch_ended_early "$folder/messages.log"; then
    ended="ended early"
  elif [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    ended="killed after ${timeout_s} s"
  elif [ "$status" -ne 0 ]; then
    ended="exit status $status"
  else
    ended="ok"
  fi
  local peak=""
  [ -f "$folder/time.txt" ] &&
    peak="$(awk -F': ' '/Maximum resident set size/ {printf "%.0f", $2 / 1024}' "$folder/time.txt")"
  local written=0 expected=2
  [ "$buckling" = yes ] && expected=3
  for protocol in theorie-1.txt theorie-2.txt knicken.txt; do
    [ -f "$folder/$protocol" ] && written=$((written + 1))
  done
  local seconds
  seconds="$(LC_ALL=C awk -v a="$start" -v b="$end" 'BEGIN {printf "%.2f", b - a}')"
  printf '%-9s %-30s %-7s %9s %9s %6s   %s\n' "$size" "${frame#*: }" "$buckling" "$seconds" \
    "${peak:--}" "$written/$expected" "$ended"
}

# Seconds of a run of the batch lines given, in the frame's folder.
time_lines() {
  local folder="$1"
  shift
  printf '%s\n' HIDE "$@" CLOSE >"$folder/stage.bat"
  local start
  start="$(date +%s.%N)"
  (cd "$folder" && QT_QPA_PLATFORM=offscreen KELMOR_MESSAGE_LOG="$folder/stage.log" \
    TMPDIR="$folder/tmp" XDG_RUNTIME_DIR="$folder/tmp" \
    timeout -k 5 "$timeout_s" ./Kelmor stage.bat 2>/dev/null) || true
  LC_ALL=C awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {printf "%.3f", b - a}'
}

# The first-order run of a frame stage by stage.
stage_line() {
  local folder="$work/$1" open=("OPENSYSTEM = frame.ssy" "OPENLOAD = frame.sla")
  local started read solved saved
  started="$(time_lines "$folder")"
  read="$(time_lines "$folder" "${open[@]}")"
  solved="$(time_lines "$folder" "${open[@]}" SOLVEI)"
  saved="$(time_lines "$folder" "${open[@]}" SOLVEI "SAVERESULT = stage.txt")"
  LC_ALL=C awk -v f="$1" -v a="$started" -v b="$read" -v c="$solved" -v d="$saved" \
    'BEGIN {printf "%-9s %9.2f %9.2f %9.2f %11.2f %9.2f\n", f, a, b - a, c - b, d - c, d}'
}

# Start and close alone, in a folder of its own.
mkdir -p "$work/start/tmp" && chmod 700 "$work/start/tmp"
cp "$root/build/bin/Kelmor" "$work/start/"
printf '%s\n' HIDE CLOSE >"$work/start/run.bat"
start="$(date +%s.%N)"
(cd "$work/start" && QT_QPA_PLATFORM=offscreen KELMOR_MESSAGE_LOG="$work/start/messages.log" \
  TMPDIR="$work/start/tmp" XDG_RUNTIME_DIR="$work/start/tmp" \
  timeout -k 5 "$timeout_s" ./Kelmor run.bat 2>/dev/null) || true
LC_ALL=C awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {printf "start and close: %.2f s\n", b - a}'

printf '%-9s %-30s %-7s %9s %9s %6s   %s\n' frame "size" SOLVEK "wall s" "peak MB" \
  files "end"
for size in "${sizes[@]}"; do
  run_frame "$size"
done

echo
printf '%-9s %9s %9s %9s %11s %9s\n' frame start read SOLVEI SAVERESULT "wall s"
for size in "${sizes[@]}"; do
  stage_line "$size"
done

# Everything the program would have shown in a message box, and what it
# wrote to stderr beyond the offscreen platform's note on size hints.
for size in "${sizes[@]}"; do
  folder="$work/$size"
  if [ -s "$folder/messages.log" ]; then
    echo "Messages of $size:"
    sed 's/^/  /' "$folder/messages.log"
  fi
  if grep -vxF 'This plugin does not support propagateSizeHints()' "$folder/stderr.txt" |
    grep -q .; then
    echo "Errors of $size:"
    grep -vxF 'This plugin does not support propagateSizeHints()' "$folder/stderr.txt" |
      sed 's/^/  /'
  fi
done
