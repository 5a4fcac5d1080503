# Wraps CMake: Ninja, folder build/, RelWithDebInfo.
BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@bash scripts/ensure-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/kestrow ]; then exec $(BUILD_DIR)/kestrow; \
	 else echo "built; the window ($(BUILD_DIR)/kestrow) is not part of this build yet"; fi

bench: build
	@for b in $(BUILD_DIR)/bench/*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	@rm -rf $(BUILD_DIR)
