#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Songloom, builds it, and then either
# starts the program or runs every test.
#   scripts/songloom.sh run [FOLDER]   build and start
#   scripts/songloom.sh test           build and run all tests
#   scripts/songloom.sh bench          build and run the benchmarks
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
build="${SONGLOOM_BUILD_DIR:-$root/build}"

packages=(g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-good fonts-wine)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local flags=()
  [ "${CI:-}" = "true" ] && flags+=(-DSONGLOOM_WERROR=ON)
  cmake -S "$root" -B "$build" -G Ninja "${flags[@]}" "$@" >/dev/null
  cmake --build "$build" -j "$(nproc)"
}

cmd="${1:-run}"
shift || true
install_missing
case "$cmd" in
  run)
    configure_and_build
    if [ -x "$build/src/app/songloom" ]; then
      exec "$build/src/app/songloom" "$@"
    fi
    # No window yet: show what the metadata reader sees in a folder.
    folder="${1:-$HOME/Music}"
    shopt -s nullglob nocaseglob
    files=("$folder"/*.mp3)
    if [ ${#files[@]} -eq 0 ]; then
      echo "No MP3 files in $folder; pass a folder: scripts/songloom.sh run FOLDER" >&2
      exit 1
    fi
    exec "$build/src/cli/songloom-cli" info "${files[@]}"
    ;;
  test)
    configure_and_build
    cd "$build"
    ctest --output-on-failure -j "$(nproc)"
    ;;
  bench)
    build="${SONGLOOM_BENCH_DIR:-$root/build-release}"
    configure_and_build -DCMAKE_BUILD_TYPE=Release
    exec "$build/bench/songloom_bench" "$@"
    ;;
  *)
    echo "usage: scripts/songloom.sh run [FOLDER] | test | bench" >&2
    exit 2
    ;;
esac
