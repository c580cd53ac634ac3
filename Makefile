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
	cmake --build build-bench -j$(JOBS) --target volantrix-bench
	./build-bench/bench/volantrix-bench

# The whole test suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=address,undefined -DVX_BUILD_BENCH=OFF
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

FUZZ_FLAGS = -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_BUILD_GUI=OFF \
  -DVX_BUILD_TESTS=OFF -DVX_BUILD_BENCH=OFF -DVX_BUILD_FUZZ=ON -DVX_SANITIZE=address,undefined \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link

fuzz: deps
	cmake -S . -B build-fuzz $(FUZZ_FLAGS)
	cmake --build build-fuzz -j$(JOBS)

# Every fuzz target for FUZZ_SECONDS from its corpus, two at a time.
FUZZ_SECONDS ?= 60
fuzz-smoke: fuzz
	scripts/fuzz-run build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-bench build-sanitize build-fuzz
