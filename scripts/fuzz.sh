#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs them one after another.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...] [-- LIBFUZZER_OPTION...]
#
# SECONDS per target (default 300); TARGET is parse (header parser and body
# scan on raw bytes), recording (whole files through the reader), archive
# (zip and rar files through the archive readers), ratings (the rating
# services' reply parsers) or versions (small headers of every version built
# from the fuzzer's bytes); default all five. Seeds come from the test fixture
# writer and from the recordings in $VELLUMCAST_CORPUS (default
# ../shared/corpus). Everything the runs produce
# stays in build-fuzz/: the growing corpus in corpus-TARGET/, crashes, hangs
# and leaks in findings-TARGET/, the log in TARGET.log.
# Inputs are cut to 256 KiB unless -- -max_len=N says otherwise (real
# recordings need about 4 MiB whole; short inputs keep the runs fast).
# Reproduce a finding: build-fuzz/bin/fuzz_TARGET build-fuzz/findings-TARGET/FILE
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build-fuzz"

seconds=300
targets=()
extra=()
while [ $# -gt 0 ]; do
    case "$1" in
        --) shift; extra=("$@"); break ;;
        parse|recording|archive|ratings|versions) targets+=("$1") ;;
        *[!0-9]*|'') echo "usage: scripts/fuzz.sh [SECONDS] [parse|recording|archive|ratings|versions]... [-- OPTION...]" >&2; exit 2 ;;
        *) seconds=$1 ;;
    esac
    shift
done
[ ${#targets[@]} -gt 0 ] || targets=(parse recording archive ratings versions)

recordings=${VELLUMCAST_CORPUS:-$root/../shared/corpus}

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELLUMCAST_FUZZ=ON -DVELLUMCAST_SANITIZE=ON -DVELLUMCAST_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_parse fuzz_recording fuzz_archive fuzz_ratings fuzz_versions fuzz_seeds

seeds="$build/seeds"
if [ -d "$recordings" ]; then
    "$build/bin/fuzz_seeds" "$seeds" "$recordings"
else
    echo "no recordings in $recordings: seeding from fixtures only"
    "$build/bin/fuzz_seeds" "$seeds"
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Inputs that once failed run once first; each must pass.
echo "== regression inputs"
# A flood of lobby chat takes a few seconds under the sanitizers; the limit
# leaves room for a loaded machine while still catching a hang.
if ! "$build/bin/fuzz_recording" -rss_limit_mb=2048 -timeout=60 "$seeds"/regression/* >"$build/regression.log" 2>&1; then
    echo "a regression input failed: see $build/regression.log"
    exit 1
fi
grep -E '^Executed' "$build/regression.log" || true

status=0
for target in "${targets[@]}"; do
    work="$build/corpus-$target"
    findings="$build/findings-$target"
    mkdir -p "$work" "$findings"
    inputs=("$work")
    [ -d "$seeds/$target" ] && inputs+=("$seeds/$target")
    # Whole real files seed the reader directly.
    if [ "$target" = recording ] && [ -d "$recordings" ]; then
        inputs+=("$recordings")
    fi
    echo "== fuzz_$target for ${seconds}s"
    "$build/bin/fuzz_$target" "${inputs[@]}" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=262144 \
        -print_final_stats=1 -artifact_prefix="$findings/" "${extra[@]}" 2>&1 \
        | tee "$build/$target.log" | grep -E '^#[0-9]+.*(pulse|DONE)|^stat::|ERROR|SUMMARY|Test unit written' \
        || true
    if grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error|Test unit written' "$build/$target.log"; then
        echo "fuzz_$target found a problem: see $build/$target.log and $findings/"
        status=1
    fi
done
exit $status
