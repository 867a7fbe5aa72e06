# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows architectures, one ARCH.arch file each beside this one (sourced).

arches_folder=$(dirname "${BASH_SOURCE[0]}")
# arches: their names, x86 and x86_64.
arches() { basename -s .arch "$arches_folder"/*.arch; }
# arch_value ARCH NAME: what ARCH.arch gives NAME.
arch_value() { (. "$arches_folder/$1.arch" && printf '%s\n' "${!2}"); }
