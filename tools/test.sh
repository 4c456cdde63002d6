#!/usr/bin/env bash
# Sets up what is missing, then builds both builds and runs every test: the portable libraries
# natively under ASan and UBSan, the Windows build under Wine (code page 936) and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native

# Wine run as root ignores read-only attributes and permissions, so the Windows tests run as an
# unprivileged user, in a build folder that user can reach.
tester=aelang-tester
windows_build=$PWD/build/windows
run_windows_tests() {
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$windows_build" --output-on-failure
}
if [ "$(id -u)" -eq 0 ]; then
  id "$tester" >/dev/null 2>&1 || useradd --create-home --shell /usr/sbin/nologin "$tester"
  if ! runuser -u "$tester" -- test -x "$PWD"; then
    windows_build=/var/tmp/aelang-$(echo "$PWD" | md5sum | cut -c1-12)/windows
  fi
fi
cmake --preset windows -B "$windows_build" >/dev/null
cmake --build "$windows_build" -j"$jobs"
if [ "$(id -u)" -eq 0 ]; then
  chown -R "$tester" "$windows_build"
  export -f run_windows_tests
  runuser -u "$tester" -- env HOME="$(getent passwd "$tester" | cut -d: -f6)" \
    windows_build="$windows_build" bash -c run_windows_tests
else
  run_windows_tests
fi
