# Plattenwerk: make run | make test | make bench | make fuzz | make package
BUILD      ?= build
BENCH_DIR  ?= build-bench
FUZZ_DIR   ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS       ?= $(shell nproc)
# The document make run opens; empty: the program directory's copy of the example.
DOCUMENT   ?=

# Developers' builds treat warnings as errors; a user's plain cmake build does not.
WERROR     ?= -DPW_WERROR=ON

.PHONY: all deps configure build test run bench fuzz fuzz-bmp package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(WERROR)

configure: $(BUILD)/build.ninja

build: deps configure
	@[ -z "$(WERROR)" ] || grep -q '^PW_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(WERROR)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD) $(DOCUMENT)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPW_BUILD_BENCH=ON -DPW_BUILD_TESTS=OFF $(WERROR)
	cmake --build $(BENCH_DIR) -j $(JOBS)
	@for b in $(BENCH_DIR)/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done
	@bench/startup.sh $(BENCH_DIR) 5

fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPW_BUILD_FUZZ=ON -DPW_BUILD_TESTS=OFF -DPW_BUILD_GUI=ON $(WERROR)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_document fuzz_metafile make_fuzz_seeds
	@scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The bitmap codec's fuzzer (same build directory as make fuzz).
fuzz-bmp: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPW_BUILD_FUZZ=ON -DPW_BUILD_TESTS=OFF -DPW_BUILD_GUI=ON $(WERROR)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_bmp
	@scripts/fuzz-bmp.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The Debian package (plattenwerk_VERSION_ARCH.deb in the build directory).
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BENCH_DIR) $(FUZZ_DIR)
