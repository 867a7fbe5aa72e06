# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by a script that looks at windows: `on_xvfb "$@"` starts the script
# again on a private Xvfb (tools/with-xvfb), once; XVFB_SCREEN may give the
# screen's size.
on_xvfb() {
  [ -z "${ON_PRIVATE_XVFB:-}" ] || return 0
  export ON_PRIVATE_XVFB=1
  exec "$(dirname "${BASH_SOURCE[0]}")/with-xvfb" "$0" "$@"
}
