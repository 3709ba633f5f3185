# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_WERROR=ON

.PHONY: all deps build run test test-asan test-fuzz assets bench fuzz clean

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

test: build test-asan test-fuzz
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Speed, memory and idle cost of the game, against peers (bench/README.md).
bench: build
	scripts/install-deps.sh bench
	bench/run-all.sh $(BUILD)

# Coverage-guided fuzzing of the game logic for FUZZ_SECONDS (default 600).
FUZZ_SECONDS ?= 600
fuzz: deps
	tests/fuzz/run.sh $(FUZZ_SECONDS)

# The game logic and its unit tests once more under ASan and UBSan.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug \
	  -DKALVENOR_SANITIZE=ON -DKALVENOR_UI=OFF -DKALVENOR_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L unit

# Replays the fuzzing corpus, then a short bounded fuzz run.
test-fuzz: deps
	tests/fuzz/run.sh 60

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
