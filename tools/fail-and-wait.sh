# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later

# How the scripts fail, and how they wait (sourced): for the thing itself, a
# server's socket, a window, its paint, a line, never for a fixed time. On a loaded machine the
# first start of Xvfb, Weston, Mesa, Qt or Wine comes late, so the bound is
# generous; only a failure waits it out.
patience=180
# within SECONDS CHECK [ARG...]: runs CHECK every tenth of a second until it holds, for at most SECONDS.
within() { local tries=$(($1 * 10)); shift; for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done; return 1; }
# fail MESSAGE...: says what failed and ends the script.
fail() { echo "FAIL: $*" >&2; exit 1; }
# settle FILE CAPTURE [ARG...]: CAPTURE writes a picture to FILE, again until two captures in a row are the same
# picture, and not all of one colour (drawn, and done drawing), for at most the patience.
settle() {
  local file=$1 status=0
  within $patience settled "$@" || status=$?
  rm -f "$file.last.png"
  return $status
}
settled() {  # one try of settle
  local file=$1
  shift
  [ ! -f "$file" ] || mv "$file" "$file.last.png"
  "$@" && [ -f "$file.last.png" ] && [ "$(identify -format %k "$file")" -gt 1 ] &&
    [ "$(compare -metric AE "$file" "$file.last.png" null: 2>&1)" = 0 ]
}
