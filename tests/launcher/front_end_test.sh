#!/usr/bin/env bash
# The command-line modes of zlxdiag map no GUI toolkit; a script without --headless becomes the
# window program, which draws offscreen and prints the same transcript.
# Usage: front_end_test.sh ZLXDIAG SOURCE_DIR
set -euo pipefail
program=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/zlxdiag-front-end.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "front_end_test: $*" >&2; exit 1; }
script=$source/tests/scriptmode/cases/about.script
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# The loader names every library it maps in its debug output, the window program's too.
maps_toolkit() {
  rm -f "$work"/libs.*
  LD_DEBUG=libs LD_DEBUG_OUTPUT=$work/libs "$@" >/dev/null 2>&1 || true
  grep -qs 'libQt6' "$work"/libs.*
}

for mode in "--version" "--help" "--report" "--report --format json" \
            "--status" "--status --format json" "--watch --count 1 --interval 0.1" \
            "--headless --script $script" "-u"; do
  # shellcheck disable=SC2086
  if maps_toolkit "$program" $mode; then fail "zlxdiag $mode maps a Qt library"; fi
done
maps_toolkit "$program" --script "$script" || fail "--script without --headless did not draw"

"$program" --headless --script "$script" >"$work/headless" 2>&1 || fail "headless run failed"
"$program" --script "$script" >"$work/window" 2>&1 || fail "window run failed"
cmp -s "$work/headless" "$work/window" || { diff "$work/headless" "$work/window"; fail "transcripts differ"; }

# A run that cannot start ends the same way in both programs: its message and its status.
printf '{"machine": ' >"$work/cut-short.json"
for broken in "--scenario $work/missing.json" "--scenario $work/cut-short.json"; do
  for how in headless window; do
    status=0
    # shellcheck disable=SC2046,SC2086
    "$program" $([ $how = headless ] && echo --headless) --script "$script" $broken \
      >"$work/$how" 2>&1 || status=$?
    echo "exit $status" >>"$work/$how"
  done
  grep -qx 'exit 2' "$work/headless" || { cat "$work/headless"; fail "$broken: not status 2"; }
  cmp -s "$work/headless" "$work/window" || { diff "$work/headless" "$work/window"; fail "$broken ends differently when drawn"; }
done
echo "front_end_test: the command-line modes map no Qt library; scripts draw in the window program"
