# make run   - install what is missing, build, start the program
# make test  - install what is missing, build, run every test (GUI tests offscreen)
# make bench - build optimised and print the conversion benchmark's figures
# make sanitize, make fuzz, make fuzz-smoke - the hardening builds

BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench sanitize fuzz fuzz-smoke clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/src/app/VolantrixTool

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVX_BUILD_GUI=OFF -DVX_BUILD_TESTS=OFF
	cmake --build build-bench -j$(JOBS) --target vx_bench
	./build-bench/bench/vx_bench

clean:
	rm -rf $(BUILD) build-bench build-sanitize build-fuzz
