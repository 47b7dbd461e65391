#!/usr/bin/env bash
# Sets everything up and runs all of Kelvane's tests: the native unit tests
# against the simulated PC, the fuzz targets for a short while, the unit tests
# again under the sanitizers, the checks on the built Kelvane.exe, and the
# end-to-end tests under Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${KELVANE_OUT:-$root/out}
fuzz_seconds=${KELVANE_FUZZ_SECONDS:-15}
passed=0
failed=0

count() {  # passed failed
  passed=$((passed + $1))
  failed=$((failed + $2))
}

bash "$root/scripts/setup.sh" || exit 1
bash "$root/scripts/build.sh" || exit 1

echo "== native unit tests"
log=$(mktemp)
ctest --test-dir "$out/native" --output-on-failure -j "$(nproc)" 2>&1 | tee "$log" | grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
if line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log"); then
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  count $((total - bad)) "$bad"
else
  echo "native unit tests did not run"
  count 0 1
fi
rm -f "$log"

echo "== fuzz targets (${fuzz_seconds}s each)"
fuzz_dir="$out/fuzz"
if [ ! -f "$fuzz_dir/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz_dir" -G Ninja -DKELVANE_FUZZ=ON >/dev/null
fi
fuzz_targets=$(ninja -C "$fuzz_dir" -t targets all 2>/dev/null | sed -n 's/^\([a-z_]*_fuzz\): .*/\1/p' | sort -u)
if [ -n "$fuzz_targets" ] && ninja -C "$fuzz_dir" $fuzz_targets >/dev/null; then
  for target in "$fuzz_dir"/*_fuzz; do
    [ -x "$target" ] || continue
    name=$(basename "$target" _fuzz)
    corpus="$root/tests/fuzz/corpus/$name"
    work=$(mktemp -d)
    if "$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$work" "$corpus" >"$work.log" 2>&1; then
      echo "ok - fuzz $name"
      count 1 0
    else
      echo "not ok - fuzz $name"; tail -n 40 "$work.log"
      count 0 1
    fi
    rm -rf "$work" "$work.log"
  done
else
  echo "not ok - fuzz targets did not build"; ninja -C "$fuzz_dir" -j1 $fuzz_targets | tail -n 30
  count 0 1
fi

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
if ninja -C "$fuzz_dir" kelvane_tests >/dev/null && "$fuzz_dir/kelvane_tests" --gtest_brief=1 >"$fuzz_dir/sanitized.log" 2>&1; then
  echo "ok - unit tests under the sanitizers"
  count 1 0
else
  echo "not ok - unit tests under the sanitizers"; tail -n 60 "$fuzz_dir/sanitized.log"
  count 0 1
fi

echo "== Kelvane.exe"
for arch in i686 x86_64; do
  if bash "$root/tests/exe/check_exe.sh" "$out/$arch/Kelvane.exe"; then count 1 0; else count 0 1; fi
done

echo "== end to end under Wine"
log=$(mktemp)
bash "$root/tests/wine/run_all.sh" "$out/i686" 2>&1 | tee "$log"
if line=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1); then
  count "$(cut -d' ' -f1 <<<"$line")" "$(cut -d' ' -f3 <<<"$line")"
else
  echo "end-to-end tests did not report"
  count 0 1
fi
rm -f "$log"

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
