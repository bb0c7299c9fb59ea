# Set-up, build and test on Debian 12. Every target installs what it is missing
# first (scripts/install-deps), so a fresh machine needs nothing but make.
#   make run             build everything and open the window
#   make test            build everything and run every test through CTest
#   make test-sanitize   the tests under AddressSanitizer and UBSan
#   make fuzz            the core's libFuzzer target, FUZZ_SECONDS long
#   make bench           the benchmarks
#   make package         the Debian package build/metrova_<version>_<arch>.deb
#   make install-check   install into a temporary prefix, validate, package, lintian

FUZZ_SECONDS ?= 60

.PHONY: run test build test-sanitize fuzz bench package install-check clean

build:
	@scripts/install-deps build
	@test -f build/CMakeCache.txt || cmake --preset default
	cmake --build --preset default

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2; exit 1; fi
	build/app/metrova

test: build
	ctest --preset default

test-sanitize:
	@scripts/install-deps build
	@test -f build-sanitize/CMakeCache.txt || cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz:
	@scripts/install-deps build fuzz
	@test -f build-fuzz/CMakeCache.txt || cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build-fuzz/corpus
	build-fuzz/fuzz/metrova_core_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		build-fuzz/corpus fuzz/seeds

bench: build
	build/bench/metrova_core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build/bench/metrova_window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

package: build
	@scripts/install-deps package
	cd build && cpack -G DEB

install-check: build
	@scripts/install-deps package
	scripts/install-check build

clean:
	rm -rf build build-sanitize build-fuzz
