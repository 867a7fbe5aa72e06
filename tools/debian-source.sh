# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build a Qt from Debian's source packages.

# debian_source PACKAGE VERSION WORK: the source package, unpacked with
# Debian's patches into WORK/source, fetched through a private apt
# configuration with a deb-src line: the machine's own sources and lists stay
# untouched. apt checks the files against the archive's signed index. Then
# SOURCE_DATE_EPOCH is the date of the package's last changelog entry, so
# that any date the build writes (__DATE__, rcc's file times) is that one.
debian_source() {
  local package=$1 version=$2 work=$3
  mkdir -p "$work/apt/sources" "$work/apt/state/lists/partial" "$work/apt/cache/archives/partial"
  cat >"$work/apt/sources/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  local apt=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/sources"
             -o "Dir::State=$work/apt/state" -o "Dir::Cache=$work/apt/cache" -o APT::Sandbox::User="$(id -un)")
  apt-get "${apt[@]}" update -qq
  (cd "$work" && apt-get "${apt[@]}" source --download-only -qq "$package=$version")
  dpkg-source -x "$work/${package}_${version#*:}.dsc" "$work/source" >"$work/unpack.log" 2>&1 ||
    { cat "$work/unpack.log"; return 1; }
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/source/debian/changelog" -STimestamp)
  export SOURCE_DATE_EPOCH
}
