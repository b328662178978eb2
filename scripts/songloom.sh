#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Songloom, builds it, and then either
# starts the program or runs every test.
#   scripts/songloom.sh run [FOLDER]   build and start
#   scripts/songloom.sh test           build and run all tests
#   scripts/songloom.sh bench          build and run the benchmarks
#   scripts/songloom.sh fuzz [SECONDS]  build the fuzz targets with clang, run each for SECONDS
#                                       (default 60); fails when one of them crashes
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
build="${SONGLOOM_BUILD_DIR:-$root/build}"

packages=(g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-good fonts-wine)
# The fuzz build needs clang and its sanitizer runtimes (a recommendation, so named here), no Qt.
fuzz_packages=(cmake ninja-build clang libclang-rt-14-dev)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() {
  local flags=()
  [ "${CI:-}" = "true" ] && flags+=(-DSONGLOOM_WERROR=ON)
  cmake -S "$root" -B "$build" -G Ninja "${flags[@]}" "$@" >/dev/null
}

configure_and_build() {
  configure "$@"
  cmake --build "$build" -j "$(nproc)"
}

# Each fuzz target and the seed folder it starts from (as songloom_fuzz_seeds writes them).
fuzz_targets=(track_info:mp3 id3v2:id3v2 playlist:playlist tag_round_trip:mp3)

# Runs every fuzz target for $1 seconds from its seeds and the corpus of earlier runs; crash
# inputs are kept in $build/fuzz-runs/crashes. Fails when a target crashed.
run_fuzzers() {
  local seconds="$1" out="$build/fuzz-runs" failed=()
  rm -rf "$out/seeds"
  "$build/fuzz/songloom_fuzz_seeds" "$out/seeds"
  mkdir -p "$out/crashes"
  for entry in "${fuzz_targets[@]}"; do
    local target="${entry%%:*}" kind="${entry#*:}" extra=()
    # Real files made by other programs, when the shared test data lies beside the clone.
    local testdata="$root/../shared/testdata"
    [ "$kind" != playlist ] && [ -d "$testdata" ] && extra+=("$testdata")
    mkdir -p "$out/corpus/$target"
    echo "== fuzz_$target: ${seconds}s"
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$out/crashes/$target-" "$out/corpus/$target" "$out/seeds/$kind" \
        "${extra[@]}" 2>"$out/$target.log"; then
      grep -E "DONE|number_of_executed_units" "$out/$target.log" || true
    else
      failed+=("$target")
      grep -vE "^(INFO|#[0-9]+[[:space:]])" "$out/$target.log" | head -n 60 || true
      sed -n "s|.*Test unit written to |reproduce: $build/fuzz/fuzz_$target |p" "$out/$target.log"
    fi
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: crashed: ${failed[*]} (inputs in $out/crashes)" >&2
    return 1
  fi
}

cmd="${1:-run}"
shift || true
if [ "$cmd" = fuzz ]; then
  install_missing "${fuzz_packages[@]}"
else
  install_missing "${packages[@]}"
fi
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
  fuzz)
    build="${SONGLOOM_FUZZ_DIR:-$root/build-fuzz}"
    configure -DCMAKE_CXX_COMPILER=clang++ -DSONGLOOM_FUZZ=ON -DSONGLOOM_BUILD_GUI=OFF \
      -DSONGLOOM_BUILD_TESTS=OFF -DSONGLOOM_BUILD_BENCH=OFF
    cmake --build "$build" -j "$(nproc)" --target songloom_fuzz
    run_fuzzers "${1:-60}"
    ;;
  *)
    echo "usage: scripts/songloom.sh run [FOLDER] | test | bench | fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
