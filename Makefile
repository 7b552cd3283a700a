# The two commands of the README: `make demo` and `make test`.
MAKEFLAGS += --no-print-directory
.PHONY: deps native win64 win32 test unit tsan e2e demo clean

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

# The link thread and the UI thread's refresh under ThreadSanitizer.
tsan: deps
	@cmake --preset tsan >/dev/null
	@cmake --build --preset tsan --target test_sim test_app
	@TSAN_OPTIONS=halt_on_error=1 build/tsan/test_sim --gtest_brief=1
	@TSAN_OPTIONS=halt_on_error=1 build/tsan/test_app --gtest_brief=1

e2e: native win64
	@tests/e2e/run-wine-tests.sh build/win64

test: unit tsan win32 e2e

demo: native win64
	@scripts/demo.sh build/win64

clean:
	rm -rf build
