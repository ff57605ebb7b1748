# Entry points: `make run`, `make test`, `make bench`, `make fuzz`.
JOBS ?= $(shell nproc)

.PHONY: deps run test bench fuzz clean

deps:
	@scripts/install-deps

build/run/build.ninja: | deps
	cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANTOBY_TESTS=OFF

run: deps build/run/build.ninja
	cmake --build build/run -j $(JOBS)
	@scripts/start-program build/run

build/test/build.ninja: | deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANTOBY_SANITIZE=ON

test: deps build/test/build.ninja
	cmake --build build/test -j $(JOBS)
	cd build/test && ASAN_OPTIONS=detect_leaks=1 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
		ctest --output-on-failure -j $(JOBS)

build/bench/build.ninja: | deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZANTOBY_BENCH=ON -DZANTOBY_TESTS=OFF

bench: deps build/bench/build.ninja
	cmake --build build/bench -j $(JOBS)
	@scripts/run-benchmarks build/bench/benchmarks

# `make fuzz FUZZ_TIME=600 FUZZ_JOBS=4 FUZZ_TARGETS="ListFile DrawingData"`: each target (all by
# default) runs FUZZ_TIME seconds, FUZZ_JOBS of them at once, each on FUZZ_INSTANCES cores.
FUZZ_TIME ?= 60
FUZZ_JOBS ?= 1
FUZZ_INSTANCES ?= 1
FUZZ_TARGETS ?=

build/fuzz/build.ninja: | deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANTOBY_SANITIZE=ON -DZANTOBY_FUZZ=ON \
		-DZANTOBY_TESTS=OFF

fuzz: deps build/fuzz/build.ninja
	cmake --build build/fuzz --target fuzzers -j $(JOBS)
	@FUZZ_INSTANCES=$(FUZZ_INSTANCES) scripts/run-fuzzers build/fuzz $(FUZZ_TIME) $(FUZZ_JOBS) $(FUZZ_TARGETS)

clean:
	rm -rf build
