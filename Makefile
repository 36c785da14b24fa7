# Kelpra: the two set-up commands (run, test), the benchmarks and the data check.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench check-data clean

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

bench: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ./bench/kelpra_bench

clean:
	rm -rf $(BUILD_DIR)
