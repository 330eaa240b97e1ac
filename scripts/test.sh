#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display: always the PE32+
# suite under 64-bit Wine, and the PE32 suite under 32-bit Wine where this host can execute
# 32-bit code. Fails when a suite that ran fails, or when none ran. Arguments go to ctest.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/host.sh"
"$here/setup.sh" || exit 1

passed=() failed=()
run_suite() {
  local arch=$1 name=$2 build_dir
  shift 2
  build_dir=$(LZ_WINE_ARCH=$arch; source "$here/wine-env.sh"; echo "$BUILD_DIR")
  echo "test.sh: the $name suite"
  if "$here/build.sh" "$arch" &&
     (cd "$build_dir" && xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j2 "$@"); then
    passed+=("$name")
  else
    failed+=("$name")
  fi
}

run_suite win64 PE32+ "$@"
if host_runs_32bit; then
  run_suite win32 PE32 "$@"
  skipped=""
else
  skipped="; PE32 skipped: $host_32bit_reason"
fi

echo "test.sh: suites passed: ${passed[*]:-none}; failed: ${failed[*]:-none}$skipped"
((${#failed[@]} == 0 && ${#passed[@]} > 0))
