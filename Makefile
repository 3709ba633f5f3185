# The two commands a newcomer needs: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_WERROR=ON

.PHONY: all deps build run test test-asan assets bench clean

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

test: build test-asan
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Speed of the game logic (Google Benchmark).
bench: build
	$(BUILD)/bench/kalvenor_bench

# The game logic and its unit tests once more under ASan and UBSan.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug \
	  -DKALVENOR_SANITIZE=ON -DKALVENOR_UI=OFF -DKALVENOR_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L unit

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
