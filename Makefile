# Set-up, build, test and checks on Debian 13 or Debian 12. Every target
# installs what it is missing first (scripts/install-deps), so a fresh machine
# needs nothing but make. `make help` lists the targets from the lines that
# start with two hashes above each one.

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

.PHONY: help run test build build-with-bench test-sanitize fuzz bench numeric-proof ci-legs package package-proof \
	source-build-proof make-test-proof repro-check install-check lint format-check shellcheck clean windows windows-check windows-startup

## this list
help:
	@awk '/^## / { doc = substr($$0, 4); next } /^[a-z-]+:/ && doc { sub(/:.*/, ""); printf "  make %-20s %s\n", $$0, doc } \
		{ doc = "" }' $(MAKEFILE_LIST)

## build the program and its tests in build/
build:
	@scripts/install-deps build
	@test -f build/CMakeCache.txt || cmake --preset default
	cmake --build --preset default

## build, then open the window
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2; exit 1; fi
	build/app/metrova

# The screen-reader tools come before the first configure, which registers
# their tests when it finds them; a build configured without them looks again.
## build, then run every test through CTest, the screen-reader ones included
test:
	@scripts/install-deps build a11y
	@if grep -qs '^METROVA_A11Y_TOOLS_MISSING:INTERNAL=.' build/CMakeCache.txt; then cmake -S . -B build; fi
	@$(MAKE) --no-print-directory build
	ctest --preset default

## every source file as .clang-format lays it out
format-check:
	@scripts/install-deps lint
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

## every shell script (by its first line) under shellcheck, following what it sources
shellcheck:
	@scripts/install-deps lint
	shellcheck -x $$(git ls-files | xargs file --mime-type | sed -n 's/: *text\/x-shellscript$$//p')
	@echo "shellcheck: no findings"

# The benchmarks are built so that clang-tidy sees them too.
## the format check, shellcheck, clang-tidy (.clang-tidy) and cppcheck, no finding allowed
lint: format-check shellcheck build-with-bench
	@scripts/install-deps lint
	run-clang-tidy -p build -quiet -j $$(nproc) '$(CURDIR)/(core|ui|app|tests|bench|tools)/' > build/clang-tidy.log 2>&1 \
		|| { grep -E 'warning:|error:' build/clang-tidy.log; echo "clang-tidy: findings above (build/clang-tidy.log)"; exit 1; }
	@echo "clang-tidy: no findings"
	cppcheck --std=c++20 --enable=warning,performance,portability --library=qt --library=googletest \
		--inline-suppr --error-exitcode=1 --quiet -I core -I core/numeric -I core/tables -I ui -I tests -I tests/ui core ui app tests bench fuzz tools
	@echo "cppcheck: no findings"

## the tests under AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
test-sanitize:
	@scripts/install-deps build
	@test -f build-sanitize/CMakeCache.txt || cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

## the core's libFuzzer target for FUZZ_SECONDS (default 60), in build-fuzz/
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

## the benchmarks
bench: build-with-bench
	build/bench/metrova_elementary_bench tests/sweep
	build/bench/metrova_core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build/bench/metrova_window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

## the power's and logarithm's tables and coefficients made anew (Sollya), their fast paths' error bounds proven (Gappa)
numeric-proof:
	scripts/numeric-proof

## CI's legs one after another, each in its own build-<leg>/ (scripts/ci-legs names them)
ci-legs:
	scripts/ci-legs

## the Debian package build/metrova_<version>_<arch>.deb, reproducible
package: build
	@scripts/install-deps package
	cd build && cpack -G DEB

## the package installed, removed and purged by piuparts and its window opened in clean roots (root; RELEASE)
package-proof: package
	scripts/package-proof

## the plain CMake build and tests, offline, in a clean root with only install-deps build's packages (root; RELEASE)
source-build-proof:
	scripts/source-build-proof

## make test in a clean root, as a new user meets it (root; RELEASE, default trixie)
make-test-proof:
	scripts/make-test-proof

## one commit packaged in two clones at different paths; the bytes must agree
repro-check:
	scripts/repro-check

## the Windows installer, MSI, portable zip and winget manifests in build-win64/windows/ (cross-built in a Debian 13 root; as root)
windows:
	scripts/windows qt build

## the Windows leg: those built and signed with a throwaway certificate, their tests and installers under wine, UI Automation, two builds compared
windows-check:
	scripts/windows qt build sign test e2e uia repro

## start-up under wine beside a bare Qt window with the same Qt, 14 paired runs of each (as root; RUNS=N)
windows-startup:
	scripts/windows qt build startup

## install into a temporary prefix, validate the desktop entry and metadata, package, lintian
install-check: build
	@scripts/install-deps package
	scripts/install-check build

## remove every build folder
clean:
	rm -rf build build-sanitize build-fuzz build-clang build-fma build-lto build-debug build-i386 build-arm64 \
		build-s390x build-windows build-win64
