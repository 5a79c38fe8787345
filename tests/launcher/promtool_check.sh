#!/usr/bin/env bash
# Every stored exposition of the status and report tests (status/*.prom, reports/*.prom: what
# zlxdiag prints for their scenarios) passes `promtool check metrics`: the format parses and the
# names follow Prometheus' conventions. Exits 77 (skipped) without promtool.
# Usage: promtool_check.sh TESTS_LAUNCHER_DIR
set -euo pipefail
if ! command -v promtool >/dev/null; then
  echo "promtool is not installed: skipped"
  exit 77
fi
failed=0
checked=0
for file in "$1"/status/*.prom "$1"/reports/*.prom; do
  checked=$((checked + 1))
  if problems=$(promtool check metrics <"$file" 2>&1); then
    echo "ok    $file"
  else
    echo "FAIL  $file: $problems"
    failed=1
  fi
done
[ "$checked" -ge 10 ] || { echo "only $checked expositions found"; exit 1; }
exit $failed
