# SPDX-License-Identifier: GPL-3.0-or-later
# The commands a newcomer needs: `make run`, `make check` after every change,
# `make test` before a push (what CI runs), `make soak` now and then.
BUILD      ?= build
# The fuzzer's clang build under ASan and UBSan (tests/fuzz/run.sh), where the
# game logic's unit tests run once more.
ASAN_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_WERROR=ON

.PHONY: all deps build run check test test-asan test-fuzz soak assets bench fuzz clean

all: build

deps:
	scripts/install-deps.sh build test

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/ui/kalvenor

# Redraws the pictures and re-synthesises the sounds into assets/.
assets: build
	cmake --build $(BUILD) --target generate-assets

# Unit, window and asset tests and the fuzzing corpus replay: a minute or so.
check: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L 'unit|ui|assets'

# Everything but the soak: the sanitizer build's tests and a short fuzz run,
# then every test of the build, the end-to-end ones side by side: they mostly
# wait for the window and the audio server, so one more than the cores.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) + 1 )))
test: build test-asan
	ctest --test-dir $(BUILD) --output-on-failure -j $(TEST_JOBS) -LE soak

# The long forms: a 20,000-click storm, 1,000 Start / Stop playing cycles and
# a ten-minute fuzz run.
soak: build
	ctest --test-dir $(BUILD) --output-on-failure -L soak
	tests/fuzz/run.sh 600

# Speed, memory and idle cost of the game, against peers (bench/README.md).
bench: build
	scripts/install-deps.sh bench
	bench/run-all.sh $(BUILD)

# Coverage-guided fuzzing of the game logic for FUZZ_SECONDS (default 600).
FUZZ_SECONDS ?= 600
fuzz: deps
	tests/fuzz/run.sh $(FUZZ_SECONDS)

# The game logic and its unit tests once more under ASan and UBSan, in the
# fuzzer's build, after the fuzzer's corpus replay and short run.
test-asan: test-fuzz
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L unit

# Replays the fuzzing corpus, then a short bounded fuzz run.
TEST_FUZZ_SECONDS ?= 60
test-fuzz: deps
	FUZZ_BUILD=$(abspath $(ASAN_BUILD)) tests/fuzz/run.sh $(TEST_FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-asan
