# Wraps CMake: Ninja, folder build/, RelWithDebInfo.
SHELL := /bin/bash
BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

ASAN_DIR   ?= build-asan
FUZZ_DIR   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS    ?= 20000
FUZZERS    := fuzz_keyfile fuzz_mapfile fuzz_search
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build test run bench clean test-sanitize fuzz fuzz-smoke fuzz-build

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

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTROW_SANITIZE=ON \
	  -DKESTROW_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-build:
	@bash scripts/ensure-deps.sh clang libclang-rt-14-dev
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DKESTROW_BUILD_FUZZ=ON -DKESTROW_BUILD_UI=OFF -DKESTROW_BUILD_BENCH=OFF -DKESTROW_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

# Each fuzzer for FUZZ_SECONDS, growing a corpus in fuzz-out/ from the committed seeds.
fuzz: fuzz-build
	@for f in $(FUZZERS); do \
	  seeds=fuzz/corpus/$${f#fuzz_}; out=fuzz-out/$${f#fuzz_}; mkdir -p $$out; \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -artifact_prefix=fuzz-out/ $$out $$seeds || exit 1; \
	done

# A short fixed number of runs of each fuzzer, from the seeds; what CI runs.
fuzz-smoke: fuzz-build
	@for f in $(FUZZERS); do \
	  seeds=fuzz/corpus/$${f#fuzz_}; out=$$(mktemp -d); \
	  echo "== $$f, $(FUZZ_RUNS) runs"; \
	  $(FUZZ_DIR)/fuzz/$$f -runs=$(FUZZ_RUNS) -seed=1 -timeout=10 -rss_limit_mb=2048 \
	    -artifact_prefix=$$out/ $$out $$seeds 2>&1 | grep -E '^#[0-9]+ *DONE|ERROR|SUMMARY|Done' ; \
	  status=$${PIPESTATUS[0]}; rm -rf $$out; [ $$status -eq 0 ] || exit 1; \
	done

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
