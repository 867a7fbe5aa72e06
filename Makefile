# Front door: `make test` and `make run` install what is missing, then build.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

RELEASE   := $(BUILD)-release

.PHONY: all deps release test run bench clean

all: test

deps:
	@tools/install-packages

# Configure and build everything, then run every test through ctest.
test: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

release: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

# Build (Release) and open the window; without a display the program says so.
run: release
	cmake --build $(RELEASE) -j $(JOBS) --target receipt-calculator
	$(RELEASE)/app/receipt-calculator

# Speed figures (printed, never asserted).
bench: release
	cmake --build $(RELEASE) -j $(JOBS)
	$(RELEASE)/bench/calculate_bench
	$(RELEASE)/bench/click_bench
	xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
	  $(RELEASE)/bench/startup_bench $(RELEASE)/app/receipt-calculator $(RELEASE)/bench/minimal_window

clean:
	rm -rf $(BUILD) $(RELEASE)
