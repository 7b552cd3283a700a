# The two commands of the README: `make demo` and `make test`.
MAKEFLAGS += --no-print-directory
.PHONY: deps native win64 win32 test unit tsan asan fuzzers fuzz-smoke fuzz soak e2e smoke32 dist \
	bench-exe bench-gui demo clean

deps:
	@scripts/ensure-deps.sh

native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native

win64: deps
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64

win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32

unit: native
	@ctest --preset native

# The unit and the native end-to-end tests under ThreadSanitizer, and under
# AddressSanitizer with UndefinedBehaviorSanitizer (clang; it also builds the
# fuzzers). Both stop at the first report.
tsan: deps
	@cmake --preset tsan >/dev/null
	@cmake --build --preset tsan
	@ctest --preset tsan

asan: fuzzers
	@ctest --preset asan

fuzzers: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

# Every fuzzer, two at a time, from the repository's seeds: a fixed number of
# inputs each (about 30 s) from a fixed random seed, one verdict on any machine.
fuzz-smoke: asan
	@fuzz/run-fuzzers.sh build/asan fixed

# Long runs: FUZZ_SECONDS each (default 10 minutes), the corpus kept in
# FUZZ_CORPUS between runs.
FUZZ_SECONDS ?= 600
FUZZ_CORPUS ?= $(HOME)/.cache/varnolux-fuzz
fuzz: fuzzers
	@fuzz/run-fuzzers.sh build/asan $(FUZZ_SECONDS) $(FUZZ_CORPUS)

# Varnolux.exe against the simulator under Wine for 10 000 dumps (long).
soak: native win64
	@tests/soak/run-soak.sh build/win64

e2e: native win64
	@tests/e2e/run-wine-tests.sh build/win64

# The shipped build: the 32-bit Varnolux.exe under 32-bit Wine through the main
# job (load, link, hold, Continue, values).
smoke32: native win32
	@WINEARCH=win32 tests/e2e/run-wine-tests.sh build/win32 \
		'untill_holds_at_the_third\|list_values_are_the_targets'

# The release zips dist/Varnolux-<version>-win32.zip and -win64.zip, checked.
dist: native win32 win64
	@scripts/dist.sh dist
	@tests/dist/check-dist.sh dist build/native

# The 32-bit Varnolux.exe's size and its time to the first window under Wine.
bench-exe: win32
	@bench/exe_start.sh build/win32

# Varnolux.exe's processor time per dump under Wine against the unpaced
# simulator: 20 and 2000 variables, and 2000 with the Watch, Plot and Port
# windows open, each as a share of a dump's wire time at 115200 (long).
bench-gui: native win64
	@bench/gui_dumps.sh build/win64

test: unit tsan asan fuzz-smoke win32 e2e smoke32 dist

demo: native win64
	@scripts/demo.sh build/win64

clean:
	rm -rf build
