#!/usr/bin/env bash
# Starts Songloom under a virtual X server with a small sample playlist and
# saves a screenshot:  scripts/screenshot.sh OUT.png [WIDTHxHEIGHT]
set -euo pipefail
out="$(realpath -m "${1:?usage: scripts/screenshot.sh OUT.png [WIDTHxHEIGHT]}")"
size="${2:-1366x768}"
cd "$(dirname "$0")/.."
root=$(pwd)
build="${SONGLOOM_BUILD_DIR:-$root/build}"

for p in xvfb xauth imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    { [ "$(id -u)" -eq 0 ] && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null; }
done
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target songloom songloom_sample_library >/dev/null

sample=$(mktemp -d /tmp/songloom-sample-XXXXXX)
trap 'rm -rf "$sample"' EXIT
playlist=$("$build/bench/songloom_sample_library" "$sample/Music" 14)

# The program restores the playlist kept beside its executable; lend it the sample.
exe="$build/src/app/songloom"
autosave="${exe}.m3u"
[ -f "$autosave" ] && cp "$autosave" "$sample/autosave.bak"
cp "$playlist" "$autosave"
xvfb-run -a -s "-screen 0 ${size}x24" bash -c "
  HOME='$sample' '$exe' & pid=\$!
  sleep 3
  import -window root '$out'
  kill \$pid"
if [ -f "$sample/autosave.bak" ]; then cp "$sample/autosave.bak" "$autosave"; else rm -f "$autosave"; fi
echo "$out"
