#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail

KELMOR_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
                 xvfb xauth fonts-dejavu-core locales qt6-translations-l10n)

kelmor_install_missing() {
  local missing=()
  for p in "${KELMOR_PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

kelmor_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$root/build" -j "$(nproc)"
}

# True when the message log of a batch run shows that the run stopped before
# its CLOSE, leaving the program waiting for a user.  A picture that could
# not be written is told with the program's name too, but the run goes on.
kelmor_batch_ended_early() {
  grep -qP '^(Fehler Batchdatei|Kelmor(?!\tFehler beim Kopieren des Bildes))\t|^Fehler\tBatch(befehl|datei) ' "$1"
}

# True when the message log of a batch run holds a message with one of the
# captions of the program's error messages, or says that a picture could not
# be written.
kelmor_showed_error() {
  grep -qE $'^(Fehler|Fehler Batchdatei|Berechnungsfehler|Eingabefehler)\t|^Kelmor\tFehler beim Kopieren des Bildes' "$1"
}

# The batch file as the program reads it, in UTF-8 without carriage returns:
# a leading byte-order mark dropped, a file that is valid UTF-8 as it is,
# any other decoded from Windows-1252.
kelmor_batch_text() {
  if iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; then
    sed '1s/^\xEF\xBB\xBF//' "$1"
  else
    iconv -c -f WINDOWS-1252 -t UTF-8 "$1" || true
  fi | tr -d '\r'
}
