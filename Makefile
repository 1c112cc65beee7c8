# Thin front over CMake. `make run` and `make test` set up the machine first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all setup configure build run test bench package test-asan format-check clean

all: build

setup:
	@scripts/install-deps

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (DISPLAY is not set); use $(BUILD)/bin/tessaro-cli for the analyses without a window." >&2; \
	  exit 1; \
	fi
	@$(BUILD)/bin/tessaro

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done; true

# A Debian package of the release build (build-release/tessaro_<version>_<arch>.deb).
package: setup
	@cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	@cmake --build build-release --target tessaro tessaro-cli
	@cd build-release && cpack

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	@cmake --build build-asan
	@cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j2

# Every C++ source formatted as .clang-format says (a dry run: nothing is changed). `make test` runs
# it too.
format-check: setup
	@cmake -DSOURCE_DIR=$(CURDIR) -P cmake/FormatCheck.cmake

clean:
	@rm -rf $(BUILD)
