#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (build/fuzz) and runs each for a bounded time.
# Usage: scripts/fuzz.sh smoke        - a short run of every target (part of the test run)
#        scripts/fuzz.sh long SECONDS - a long run of every target
# Without clang the replay drivers of the host tree already cover the corpora; nothing to do here.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-smoke}"
seconds=10
[ "$mode" = long ] && seconds="${2:-600}"

if ! command -v clang++ >/dev/null || ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long){return 0;}' \
     | clang++ -x c++ -fsanitize=fuzzer - -o /tmp/grv-fuzz-probe 2>/dev/null; then
  echo "fuzz: clang with libFuzzer not available; corpus replay runs in the host tests"
  exit 0
fi

dir="$root/build/fuzz"
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRV_LIBFUZZER=ON >/dev/null || exit 1
fi
targets=$(cmake --build "$dir" --target help | sed -n 's/^\.\.\. \(fuzz_[A-Za-z0-9_]*\).*/\1/p')
[ -z "$targets" ] && { echo "fuzz: no targets"; exit 0; }
cmake --build "$dir" -j "$(nproc)" --target $targets >/dev/null || exit 1

status=0
for t in $targets; do
  corpus="$root/tests/fuzz/corpus/${t#fuzz_}"
  work="$dir/corpus-$t"; mkdir -p "$work"
  args=("$work"); [ -d "$corpus" ] && args+=("$corpus")
  exe=$(find "$dir" -type f -name "$t" -perm -u+x | head -n 1)
  # The bitmap decoder promises no large allocation for small input: any allocation over 32 MB is a fault.
  limits=(-rss_limit_mb=2048); [ "$t" = fuzz_bmp ] && limits+=(-malloc_limit_mb=32)
  # Mutations go mostly to inputs that run fast: a slow unit (one that decodes 128 KiB, say) stays in the
  # corpus and is still mutated, only less often than the quick ones.
  out=$("$exe" -max_total_time="$seconds" "${limits[@]}" -entropic_scale_per_exec_time=1 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$dir/crash-$t-" "${args[@]}" 2>&1)
  rc=$?
  runs=$(echo "$out" | sed -n 's/^stat::number_of_executed_units: *//p')
  if [ $rc -eq 0 ]; then
    echo "fuzz: $t: ${runs:-?} executions in ${seconds}s, no crash"
  else
    echo "$out" | tail -40
    echo "fuzz: $t: FAILED"
    status=1
  fi
done
exit $status
