# Entry points: `make run`, `make test`, `make bench`.
JOBS ?= $(shell nproc)

.PHONY: deps run test bench clean

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
	cd build/test && ASAN_OPTIONS=detect_leaks=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
		ctest --output-on-failure -j $(JOBS)

build/bench/build.ninja: | deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZANTOBY_BENCH=ON -DZANTOBY_TESTS=OFF

bench: deps build/bench/build.ninja
	cmake --build build/bench -j $(JOBS)
	@scripts/run-benchmarks build/bench/benchmarks

clean:
	rm -rf build
