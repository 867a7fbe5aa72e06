# Front door: `make test` and `make run` install what is missing, then build.
BUILD     ?= build
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps test run bench clean

all: test

deps:
	@tools/install-packages

# Configure and build everything, then run every test through ctest.
test: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: deps
	cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-release -j $(JOBS)
	$(BUILD)-release/bench/calculate_bench

clean:
	rm -rf $(BUILD) $(BUILD)-release
