#!/usr/bin/env bash
# Installs what the project needs, then checks formatting, builds with warnings
# as errors and runs every test, and runs the tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer. Tests run headless on Qt's offscreen platform.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen

echo "== formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== build and tests"
"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j2)

if [ "${PLB_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== tests under sanitizers"
  "$root/scripts/build.sh" "$root/build-asan" -DPLB_SANITIZE=ON -DPLB_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug
  (cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" ctest --output-on-failure -j2)
fi
echo "== all tests passed"
