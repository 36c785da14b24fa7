# Kelpra: the two set-up commands (run, test), the benchmarks and the data check; the
# sanitized test suite and the fuzzers.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
COVERAGE_DIR ?= build-coverage
WINDOWS_DIR ?= build-windows
FUZZ_SECONDS ?= 60
FUZZ_SHORT_SECONDS ?= 20
PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench check-data clean fuzz-deps test-sanitize \
        fuzz-build fuzz fuzz-short install package coverage screenshots format-check windows \
        test-windows

all: build

deps:
	@bash tools/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: build
	cd sample && ../$(BUILD_DIR)/app/KLV

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Checks the shipped sample database with klv-check; it must come out clean.
check-data: build
	./$(BUILD_DIR)/tools/klv-check/klv-check sample

# Installs Kelpra as a desktop program under PREFIX (DESTDIR=... stages it elsewhere).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package kelpra_VERSION_ARCH.deb, in this folder.
package: build
	cd $(BUILD_DIR) && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX=$(CURDIR)

# The main window on each desktop (light and dark palette, scale 1 and 2, each language) in
# $(BUILD_DIR)/screenshots/, and the README's pictures among them in docs/, taken anew.
screenshots: build
	bash tools/screenshots.sh $(BUILD_DIR)/app/KLV sample $(BUILD_DIR)/screenshots docs

# Fails when clang-format would change any tracked C++ source (.clang-format holds the style).
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

bench: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/kelpra_bench

# The whole test suite (the windows' too when they are built) under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer; the first fault stops the test. (No
# strict_string_checks: X's keyboard library strndup()s unterminated buffers, within bounds.)
$(SANITIZE_DIR)/build.ninja: | deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	    -DKELPRA_SANITIZE=ON -DKELPRA_BUILD_BENCH=OFF $(CMAKE_FLAGS)

test-sanitize: deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR) -j2
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	    ctest --output-on-failure

# Line and branch coverage of the product folders by the whole suite: a build of its own with
# gcc's --coverage, the suite run once, gcovr's summary (the per-file table lands in
# $(COVERAGE_DIR)/coverage.txt).
$(COVERAGE_DIR)/build.ninja: | deps
	cmake -S . -B $(COVERAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELPRA_BUILD_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage $(CMAKE_FLAGS)

coverage: $(COVERAGE_DIR)/build.ninja
	@bash tools/install-deps.sh gcovr
	cmake --build $(COVERAGE_DIR)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
	gcovr --root . --object-directory $(COVERAGE_DIR) --exclude-directories '$(COVERAGE_DIR)/CMakeFiles' \
	    --filter 'opcodes/' --filter 'platform/' --filter 'ui/' --filter 'app/' \
	    --filter 'tools/klv-check/' --exclude '.*_autogen/.*' \
	    --txt $(COVERAGE_DIR)/coverage.txt --print-summary

# The core and klv-check for 64-bit Windows, cross-built with MinGW-w64 and linked
# statically: $(WINDOWS_DIR)/klv-check-VERSION-windows-x64.zip holds klv-check.exe and its
# manual. test-windows runs the core's tests and klv-check's under Wine (a prefix of the
# build folder's own, no display), and compares klv-check.exe with the Linux build's.
$(WINDOWS_DIR)/build.ninja: | deps
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DKELPRA_LINUX_KLV_CHECK=$(CURDIR)/$(BUILD_DIR)/tools/klv-check/klv-check

windows: deps $(WINDOWS_DIR)/build.ninja
	cmake --build $(WINDOWS_DIR) --target windows-zip

test-windows: configure $(WINDOWS_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target klv-check
	cmake --build $(WINDOWS_DIR)
	cd $(WINDOWS_DIR) && ctest --output-on-failure

# libFuzzer comes with clang; neither is needed by the ordinary build.
fuzz-deps:
	@bash tools/install-deps.sh clang libclang-rt-14-dev

$(FUZZ_DIR)/build.ninja: | fuzz-deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DKELPRA_FUZZ=ON -DKELPRA_BUILD_UI=OFF \
	    -DKELPRA_BUILD_TESTS=OFF -DKELPRA_BUILD_BENCH=OFF

fuzz-build: fuzz-deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j2

# Each fuzz target in turn for FUZZ_SECONDS; `make fuzz FUZZ_TARGETS="database"` for one.
fuzz: fuzz-build
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

fuzz-short:
	$(MAKE) fuzz FUZZ_SECONDS=$(FUZZ_SHORT_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(COVERAGE_DIR) $(WINDOWS_DIR)
