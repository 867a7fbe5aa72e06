# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build for the browser: Debian's emscripten,
# made to look like the SDK Qt's build expects.

# emcc runs under ${EMSDK_PYTHON:-python3}; a python3 that is a pyenv shim
# costs over a second a call, and a build calls emcc thousands of times.
export EMSDK_PYTHON=/usr/bin/python3
# emscripten's JavaScript optimiser needs acorn, from Debian's node-acorn.
export NODE_PATH=/usr/share/nodejs
# Qt asks "$EMSDK/.emscripten" where emcc is, relative to EMSDK: a folder in
# the cache answers, with links to Debian's emcc and em++.
EMSDK=${XDG_CACHE_HOME:-$HOME/.cache}/receipt-calculator/emsdk
export EMSDK
if [ ! -e "$EMSDK/emscripten/em++" ]; then
  mkdir -p "$EMSDK/emscripten"
  echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$EMSDK/.emscripten"
  ln -sf /usr/bin/emcc /usr/bin/em++ "$EMSDK/emscripten/"
fi
# Debian's toolchain file, which finds emscripten from where it lies.
export EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
