#!/usr/bin/env bash
# Starts the built program on Xvfb, takes a screenshot and checks pixels:
# green result fields, grey common face-value boxes, white background.
set -euo pipefail
program=$1
tools=$2
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT
"$tools/screenshot" "$program" "$shot" >/dev/null

failures=0
expect() {  # expect NAME X Y R,G,B
  local got
  got=$(convert "$shot" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:)
  if [ "$got" != "$4" ]; then
    echo "FAIL $1 at $2,$3: got $got, expected $4"
    failures=$((failures + 1))
  else
    echo "ok   $1 at $2,$3: $got"
  fi
}
# Points inside controls, right of any text, in window pixels.
expect "Output1 counted green" 490 404 192,255,192
expect "Output2 counted green" 715 404 192,255,192
expect "Road1 counted green" 489 432 192,255,192
expect "O1 counted green" 715 432 192,255,192
expect "InputMoney1(5) common grey" 648 138 224,224,224
expect "InputMoney1(6) common grey" 122 172 224,224,224
expect "InputMoney1(15) common grey" 122 268 224,224,224
expect "InputMoney1(0) white" 122 110 255,255,255
expect "window background white" 400 30 255,255,255
expect "below the grid white" 400 355 255,255,255
expect "Frame2 white" 95 462 255,255,255
expect "Line1 black" 259 200 0,0,0

size=$(identify -format "%wx%h" "$shot")
[ "$size" = "794x534" ] || { echo "FAIL window size $size"; failures=$((failures + 1)); }
echo "$((12 + 1 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
