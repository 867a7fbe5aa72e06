#!/usr/bin/env bash
# The built program from outside: a display that cannot be opened, its app
# id on Weston, and its window on Xvfb with the machine's fonts and with none
# at all. (Its options are checked with the package, tools/check-package.)
# Usage: program_test.sh PROGRAM
set -uo pipefail
program=$(realpath "$1")
tools=$(dirname "$(realpath "$0")")/../tools
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passes=0 failures=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}
says() {  # says CODE LINE COMMAND...: without a display, the exit code and a line of what it printed
  env -u DISPLAY -u WAYLAND_DISPLAY "${@:3}" >"$scratch/out" 2>&1
  [ $? -eq "$1" ] && grep -qx -- "$2" "$scratch/out"
}
check "an unreachable display" says 1 'receipt-calculator: cannot open the display :99' env DISPLAY=:99 "$program"

"$tools/with-weston" env WAYLAND_DEBUG=client timeout 3 "$program" 2>"$scratch/wayland"
check "the Wayland app id names the desktop entry" grep -q 'set_app_id("io.github.nevrik.receipt_calculator")' "$scratch/wayland"

shot() { env "${@:2}" "$tools/screenshot" "$program" "$1" >/dev/null; }  # shot OUT.png [ENV=VALUE...]
check "window on Xvfb" shot "$scratch/window.png"
check "green Output1" [ "$(convert "$scratch/window.png" -format '%[pixel:p{490,404}]' info:)" = "srgb(192,255,192)" ]
printf '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' \
  "$scratch/cache" >"$scratch/fonts.conf"
check "window with no font installed" shot "$scratch/bare.png" FONTCONFIG_FILE="$scratch/fonts.conf"
# Only the rendering settings differ (antialiasing, hinting); a missing label would differ by thousands.
check "reads the same without fonts" [ "$(compare -fuzz 40% -metric AE "$scratch/window.png" "$scratch/bare.png" null: 2>&1)" -lt 1000 ]

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
