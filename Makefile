# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later

# Front door: `make test` and `make run` install what is missing, then build.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

RELEASE   := $(BUILD)-release
# The program's file name, as CMakeLists.txt gives it.
PROGRAM   := $(shell sed -n 's/^set(PROGRAM_NAME \(.*\))$$/\1/p' CMakeLists.txt)

# Every date an artefact holds is the commit's: a fresh clone built today and
# one built next year give the same bytes. A source tarball carries the date
# in .source-date-epoch, which git archive fills in.
ifndef SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH := $(shell grep -sx '[0-9]*' .source-date-epoch || git log -1 --format=%ct)
endif
export SOURCE_DATE_EPOCH

.PHONY: all deps plain release test test-format test-licence test-plain test-sanitize test-qt5 test-package test-fuzz fuzz package screenshot run \
        bench pictures clean windows-deps windows-build windows test-windows screenshot-windows dist check-reproducible web-deps web test-web screenshot-web bench-web web-node-modules

all: test

deps:
	@tools/install-packages

# Build everything and run every test through ctest, check the package, run
# every test again with AddressSanitizer and UndefinedBehaviorSanitizer, and
# those that run on Windows against Qt 5 too, then let the fuzzer drive the
# random user for a few seconds.
test: test-format test-licence test-plain test-package test-sanitize test-qt5 test-fuzz

# Every C++ file is laid out in the house style (.clang-format).
test-format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# Every file states its licence and copyright (REUSE).
test-licence: deps
	reuse lint

plain: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

test-plain: plain
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 1200

# (The build runs the tests too, to list their cases.)
SANITIZE := $(BUILD)-sanitize
SANITIZERS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# sanitized FOLDER, CMAKE OPTIONS: a Debug build under the sanitizers, and its tests.
define sanitized
	cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=Debug -DRECEIPTS_SANITIZE=ON $(2) $(CMAKE_ARGS)
	$(SANITIZERS) cmake --build $(1) -j $(JOBS)
	cd $(1) && $(SANITIZERS) ctest --output-on-failure -j $(JOBS) --timeout 1200
endef
test-sanitize: deps
	$(call sanitized,$(SANITIZE),)

# The same sources against Qt 5.15, the Windows build's Qt (Debian's, the same version): the tests that run on
# Windows, offscreen, under the sanitizers, so that a break of the Qt 5 code shows here first.
QT5 := $(BUILD)-qt5
test-qt5: deps
	$(call sanitized,$(QT5),-DRECEIPTS_QT=Qt5)

# The random user as a libFuzzer target (clang, ASan, UBSan): from the
# committed seeds, then fresh inputs for FUZZ_SECONDS. A failing input is kept
# in $(FUZZ)/ and printed; `make fuzz` runs longer and keeps its corpus.
FUZZ          := $(BUILD)-fuzz
FUZZ_SECONDS  ?= 20
FUZZ_CORPUS   ?= $(FUZZ)/scratch-corpus
FUZZ_OPTIONS  := -max_len=512 -len_control=0 -detect_leaks=0 -print_final_stats=1 -artifact_prefix=$(FUZZ)/
test-fuzz: deps
	cmake -S . -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRECEIPTS_FUZZ=ON $(CMAKE_ARGS)
	cmake --build $(FUZZ) -j $(JOBS)
	rm -rf $(FUZZ)/scratch-corpus && mkdir -p $(FUZZ_CORPUS)
	ASAN_OPTIONS=quarantine_size_mb=16:malloc_context_size=5 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  $(FUZZ)/fuzz/random_user_fuzzer $(FUZZ_CORPUS) fuzz/seeds -max_total_time=$(FUZZ_SECONDS) $(FUZZ_OPTIONS)

fuzz:  # an hour unless FUZZ_SECONDS is given
	$(MAKE) test-fuzz FUZZ_SECONDS=$(if $(filter command line environment,$(origin FUZZ_SECONDS)),$(FUZZ_SECONDS),3600) \
	  FUZZ_CORPUS=$(FUZZ)/corpus

# Release builds take Debian's hardening flags (stack protector, fortify,
# relro, now), as a distribution's build of the package would.
HARDENING := DEB_BUILD_MAINT_OPTIONS=hardening=+all
release: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_FLAGS="$$($(HARDENING) dpkg-buildflags --get CXXFLAGS) $$($(HARDENING) dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(HARDENING) dpkg-buildflags --get LDFLAGS)" $(CMAKE_ARGS)
	cmake --build $(RELEASE) -j $(JOBS)

# Build (Release) and open the window; without a display the program says so.
run: release
	$(RELEASE)/app/$(PROGRAM)

# After a change to how the window looks: its pictures drawn anew, at every
# scale the tests run at (look at them before committing).
pictures: plain
	cd $(BUILD) && UPDATE_PICTURES=1 ctest -R 'LooksAsItsPictures|at_scale' --output-on-failure

# The Debian package.
package: release
	cd $(RELEASE) && cpack -G DEB

# The package checked without installing it: lintian, then unpacked into a
# scratch root, validated in place and started from there on Xvfb. Then
# packed again a second later: the same bytes.
test-package: package
	tools/check-package $(RELEASE)/$(PROGRAM)_*.deb
	rm -rf $(RELEASE)/first && mkdir $(RELEASE)/first && mv $(RELEASE)/$(PROGRAM)_*.deb $(RELEASE)/first/
	sleep 1 && cd $(RELEASE) && cpack -G DEB >/dev/null
	tools/same-bytes $(RELEASE)/first/$(PROGRAM)_*.deb $(RELEASE)/$(PROGRAM)_*.deb

# A PNG of the window, for the README.
screenshot: release
	tools/screenshot $(RELEASE)/app/$(PROGRAM) docs/screenshot.png

# Speed figures (printed, never asserted).
bench: release
	$(RELEASE)/bench/calculate_bench
	$(RELEASE)/bench/click_bench
	tools/with-xvfb \
	  $(RELEASE)/bench/startup_bench $(RELEASE)/bench/minimal_window $(RELEASE)/bench/texts_only_window \
	  $(RELEASE)/app/$(PROGRAM)

# Windows, 64-bit (x86_64) and 32-bit (x86): cross-built with MinGW-w64
# against a Qt that tools/build-windows-qt builds once for each from Debian's
# sources into the user's cache (the README says how long), in $(WINDOWS)/ARCH.
# The tests run under Wine on a private Xvfb, in scratch Wine prefixes that
# are removed afterwards.
WINDOWS        := $(BUILD)-windows
WINDOWS_ARCHES := $(basename $(notdir $(wildcard packaging/windows/*.arch)))
windows-deps:
	@tools/install-packages windows

windows-build: windows-deps
	for arch in $(WINDOWS_ARCHES); do \
	  qt=$$(tools/build-windows-qt $$arch $(JOBS)) && \
	  cmake -S . -B $(WINDOWS)/$$arch -G Ninja -DCMAKE_BUILD_TYPE=Release -DWINDOWS_ARCH=$$arch \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/mingw-w64.cmake -DWINDOWS_QT=$$qt \
	    "-DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/tools/with-wine;--dlls;$$arch;$(CURDIR)/$(WINDOWS)/wineprefix-$$arch" && \
	  cmake --build $(WINDOWS)/$$arch -j $(JOBS) || exit 1; \
	done

# The portable zips and the installer, in $(WINDOWS)/dist.
windows: windows-build
	packaging/windows/make-dist $(WINDOWS)

# Every test that makes sense on Windows, under Wine as Windows 7, for both
# architectures; what the zips hold checked for imports Windows 7 lacks (Wine
# has more); the zips and the installer checked as a user meets them on
# Windows 7 and on Windows 10, 32- and 64-bit, and made again a second later:
# the same bytes. Where this machine runs no 32-bit programs, the 32-bit
# program is checked without running it, and the runs it needs are skipped,
# each with a line that says so.
test-windows: windows
	packaging/windows/test-windows $(WINDOWS) docs/screenshot.png

# The program in the browser: built with Qt for WebAssembly, which
# tools/build-web-qt builds once from Debian's sources into the user's
# cache, as a static site in $(WEB)/dist/ (configured afresh when that Qt
# changes, which CMake's cache would otherwise half remember). Its logic
# tests run under Node.
WEB := $(BUILD)-web
web-deps:
	@tools/install-packages web

web: deps web-deps
	qt=$$(tools/build-web-qt $(JOBS)) && . tools/emscripten.sh && \
	  fresh=$$(grep -qsx "QT_DIR:PATH=$$qt/lib/cmake/Qt6" $(WEB)/CMakeCache.txt || echo --fresh) && \
	  cmake $$fresh -S . -B $(WEB) -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$$EMSCRIPTEN_TOOLCHAIN \
	    "-DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/node;--no-experimental-fetch" $(CMAKE_ARGS) && \
	  cmake --build $(WEB) -j $(JOBS)

# The page in Debian's headless Chromium (test-web.mjs says what it checks),
# then the logic tests as WebAssembly under Node; the site zipped
# twice, a second apart: the same bytes.
page-test = tools/control-places $(WEB) >$(WEB)/places.txt && \
  node tests/web/test-web.mjs $(WEB)/dist $(WEB)/places.txt docs/screenshot.png
test-web: web web-node-modules
	$(page-test)
	cd $(WEB) && ctest --output-on-failure -j $(JOBS) --timeout 1200
	packaging/web/zip-site $(WEB)/dist $(WEB)/first/site.zip
	sleep 1 && packaging/web/zip-site $(WEB)/dist $(WEB)/site.zip
	tools/same-bytes $(WEB)/first/site.zip $(WEB)/site.zip

# PNGs of the page on a desktop and on a phone, for the README.
screenshot-web: web web-node-modules
	export UPDATE_PICTURES=1 && $(page-test)

# The page's download and first frame against a bare window's and the
# texts-only window's (printed, never asserted).
bench-web: web web-node-modules
	. tools/emscripten.sh && cmake --build $(WEB) -j $(JOBS) --target minimal_window texts_only_window
	node bench/web-start.mjs $(WEB)/dist $(WEB)/bench/minimal_window.js $(WEB)/bench/texts_only_window.js

# puppeteer-core from npm, into tests/web/ as its lock file says; npm's
# download cache beside our Qts.
web-node-modules:
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error --cache "$${XDG_CACHE_HOME:-$$HOME/.cache}/receipt-calculator/npm"

# Every artefact of a release in one folder, with their checksums: the .deb,
# the two portable zips, the installer, the site and (from a git checkout) the source
# tarball. Built from a fresh clone or from that tarball, the same bytes.
DIST := $(BUILD)-dist
dist: package windows web
	rm -rf $(DIST) && mkdir -p $(DIST)
	cp $(RELEASE)/$(PROGRAM)_*.deb $(WINDOWS)/dist/*.zip $(WINDOWS)/dist/*.exe $(DIST)/
	. $(RELEASE)/identity.sh && packaging/web/zip-site $(WEB)/dist $(DIST)/$$PROGRAM_NAME-$$VERSION-web.zip
	. $(RELEASE)/identity.sh && if git rev-parse --git-dir >/dev/null 2>&1; then \
	  git archive --format=tar --prefix=$$PROGRAM_NAME-$$VERSION/ HEAD | gzip -9n >$(DIST)/$$PROGRAM_NAME-$$VERSION.tar.gz; fi
	cd $(DIST) && sha256sum $$(ls | LC_ALL=C sort) >SHA256SUMS
	cat $(DIST)/SHA256SUMS

# make dist here and in a fresh clone of the same commit under another path:
# the two SHA256SUMS must be the same. (The clone reuses the cached Qt.)
# Where they differ, it says which file inside each artefact differs.
ELSEWHERE := $(BUILD)-elsewhere/clone
check-reproducible: dist
	rm -rf $(BUILD)-elsewhere && git clone -q . $(ELSEWHERE)
	$(MAKE) -C $(ELSEWHERE) dist
	status=0; for file in $$(cd $(DIST) && ls | grep -vx SHA256SUMS); do \
	  tools/same-bytes $(DIST)/$$file $(ELSEWHERE)/$(DIST)/$$file || status=1; \
	done; diff $(DIST)/SHA256SUMS $(ELSEWHERE)/$(DIST)/SHA256SUMS && exit $$status
	rm -rf $(BUILD)-elsewhere

# PNGs of the window and of the installer's first page under Wine, for the README.
screenshot-windows: windows
	packaging/windows/check-dist $(WINDOWS) x86_64 docs/screenshot.png docs/screenshot-windows.png
	UPDATE_PICTURES=1 packaging/windows/installer-pages $(WINDOWS)

clean:
	rm -rf $(BUILD) $(RELEASE) $(SANITIZE) $(QT5) $(FUZZ) $(WINDOWS) $(DIST) $(BUILD)-elsewhere
