# Set-up, build and test on Debian 13 or Debian 12. Every target installs what
# it is missing first (scripts/install-deps), so a fresh machine needs nothing
# but make.
#   make run             build everything and open the window
#   make test            build everything and run every test through CTest
#   make test-sanitize   the tests under AddressSanitizer and UBSan
#   make lint            format check, clang-tidy and cppcheck, no finding allowed
#   make fuzz            the core's libFuzzer target, FUZZ_SECONDS long
#   make bench           the benchmarks
#   make numeric-proof   the power's and logarithm's tables and coefficients made anew (Sollya) and the
#                        error bounds of their fast paths proven (Gappa)
#   make ci-legs         the CI legs: clang, x86-64-v3, link-time optimisation, Debug, and the core
#                        for 32-bit x86, arm64, s390x and Windows
#   make package         the Debian package build/metrova_<version>_<arch>.deb, reproducible
#   make install-check   install into a temporary prefix, validate, package, lintian
#   make repro-check     package one commit in two clones and compare the bytes
#   make package-proof   install the package in a clean Debian root and open its window
#   make source-build-proof  build and test the source as a user would in a clean Debian root
#   make make-test-proof     make test in a clean Debian root, screen-reader tests included
# The proofs take RELEASE=bookworm (Debian 12) or RELEASE=trixie (Debian 13).

FUZZ_SECONDS ?= 60

# Every time that the build and the package record (the resources' times, the
# package's file and member times) is the last commit's, so that one commit
# gives the same bytes wherever and whenever it is built.
ifeq ($(origin SOURCE_DATE_EPOCH),undefined)
SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct 2>/dev/null)
endif
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: run test build build-with-bench test-sanitize fuzz bench numeric-proof ci-legs package package-proof source-build-proof \
	make-test-proof repro-check install-check lint format-check clean

build:
	@scripts/install-deps build
	@test -f build/CMakeCache.txt || cmake --preset default
	cmake --build --preset default

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2; exit 1; fi
	build/app/metrova

# The screen-reader tools come before the first configure, which registers
# their tests when it finds them; a build configured without them looks again.
test:
	@scripts/install-deps build a11y
	@if grep -qs '^METROVA_A11Y_TOOLS_MISSING:INTERNAL=.' build/CMakeCache.txt; then cmake -S . -B build; fi
	@$(MAKE) --no-print-directory build
	ctest --preset default

# Every source file matches .clang-format.
format-check:
	@scripts/install-deps lint
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# The format check (clang-format 14's output), clang-tidy (.clang-tidy) and
# cppcheck over the whole tree, no finding allowed; the benchmarks are built so
# that clang-tidy sees them too.
lint: format-check build-with-bench
	@scripts/install-deps lint
	run-clang-tidy -p build -quiet -j $$(nproc) '$(CURDIR)/(core|ui|app|tests|bench|tools)/' > build/clang-tidy.log 2>&1 \
		|| { grep -E 'warning:|error:' build/clang-tidy.log; echo "clang-tidy: findings above (build/clang-tidy.log)"; exit 1; }
	@echo "clang-tidy: no findings"
	cppcheck --std=c++20 --enable=warning,performance,portability --library=qt --library=googletest \
		--inline-suppr --error-exitcode=1 --quiet -I core -I core/numeric -I core/tables -I ui -I tests -I tests/ui core ui app tests bench fuzz tools
	@echo "cppcheck: no findings"

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

# build/ with the benchmarks asked for: the default build leaves them out
# while Google Benchmark is missing.
build-with-bench:
	@scripts/install-deps build bench
	@test -f build/CMakeCache.txt || cmake --preset default
	cmake -S . -B build -DMETROVA_BUILD_BENCH=ON
	cmake --build --preset default

bench: build-with-bench
	build/bench/metrova_elementary_bench tests/sweep
	build/bench/metrova_core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build/bench/metrova_window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

numeric-proof:
	scripts/numeric-proof

# One leg after another, each in its own build-<leg>/ (scripts/ci-legs).
ci-legs:
	scripts/ci-legs

package: build
	@scripts/install-deps package
	cd build && cpack -G DEB

# Installs the package in a throw-away Debian root and opens its window.
package-proof: package
	scripts/package-proof

# Builds and tests a clean checkout with the plain CMake commands in a
# throw-away Debian root that has only what install-deps build names.
source-build-proof:
	scripts/source-build-proof

# make test on a clean checkout in a throw-away Debian root (Debian 13 unless
# RELEASE says otherwise).
make-test-proof:
	scripts/make-test-proof

repro-check:
	scripts/repro-check

install-check: build
	@scripts/install-deps package
	scripts/install-check build

clean:
	rm -rf build build-sanitize build-fuzz build-clang build-fma build-lto build-debug build-i386 build-arm64 \
		build-s390x build-windows
