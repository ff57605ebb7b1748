# Entry points: `make run`, `make install`, `make package`, `make test`, `make bench`, `make fuzz`.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: deps run install package test bench fuzz clean

deps:
	@scripts/install-deps

build/run/build.ninja: | deps
	cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANTOBY_TESTS=OFF

run: deps build/run/build.ninja
	cmake --build build/run -j $(JOBS)
	@scripts/start-program build/run

# The program as it is installed and packaged: a release build of its own.
build/package/build.ninja: | deps
	cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DZANTOBY_TESTS=OFF

# `make install PREFIX=/opt/zantoby DESTDIR=/tmp/stage`: installs into PREFIX (with sudo when the
# user cannot write there) and, unless staged under DESTDIR, refreshes the desktop's caches.
install: deps build/package/build.ninja
	cmake --build build/package -j $(JOBS)
	@scripts/install-program build/package "$(PREFIX)" "$(DESTDIR)"

# The Debian package, in build/package.
package: deps build/package/build.ninja
	cmake --build build/package -j $(JOBS)
	cd build/package && cpack -G DEB

# Tests and fuzzing stop on every warning, also in a build folder set up before the option was;
# a user's build does not. A test that hangs fails after ten minutes rather than holding up the run.
build/test/build.ninja: | deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANTOBY_SANITIZE=ON -DZANTOBY_WERROR=ON

test: deps build/test/build.ninja
	cmake -DZANTOBY_WERROR=ON build/test > /dev/null
	cmake --build build/test -j $(JOBS)
	cd build/test && ASAN_OPTIONS=detect_leaks=1 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
		ctest --output-on-failure --timeout 600 -j $(JOBS)

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
		-DZANTOBY_TESTS=OFF -DZANTOBY_WERROR=ON

fuzz: deps build/fuzz/build.ninja
	cmake -DZANTOBY_WERROR=ON build/fuzz > /dev/null
	cmake --build build/fuzz --target fuzzers -j $(JOBS)
	@FUZZ_INSTANCES=$(FUZZ_INSTANCES) scripts/run-fuzzers build/fuzz $(FUZZ_TIME) $(FUZZ_JOBS) $(FUZZ_TARGETS)

clean:
	rm -rf build
