# make run   builds the program (release) and starts it; installs only what
#            that needs
# make test  builds and runs every test, plainly and under the sanitizers
# make fuzz-long  runs every fuzz target for ten minutes (before a release)
JOBS ?= $(shell nproc)

.PHONY: run test deps deps-run build-release test-dev test-asan fuzz fuzz-long build-fuzz clean

deps:
	@scripts/install-deps

deps-run:
	@scripts/install-deps run

run: deps-run build-release
	./build/release/mirlfumarix

build-release:
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

test: deps test-dev test-asan fuzz

test-dev:
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

test-asan:
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The fuzz targets run for a few seconds each when clang is there.
fuzz: build-fuzz
	@if command -v clang++ >/dev/null 2>&1; then scripts/run-fuzzers build/fuzz; fi

# Before a release: every fuzz target for ten minutes.
fuzz-long: deps build-fuzz
	@FUZZ_SECONDS=600 scripts/run-fuzzers build/fuzz

build-fuzz:
	@if command -v clang++ >/dev/null 2>&1; then \
	  cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j $(JOBS); \
	else echo "fuzz: clang++ not found, fuzz targets skipped"; fi

clean:
	rm -rf build
