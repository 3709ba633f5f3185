# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_WERROR=ON

.PHONY: all deps test-deps package-deps build run test test-asan test-fuzz test-clean-root deb assets bench fuzz clean

all: build

deps:
	scripts/install-deps.sh build

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/ui/kalvenor

# Redraws the pictures and re-synthesises the sounds into assets/.
assets: build
	cmake --build $(BUILD) --target generate-assets

test: test-deps build test-asan test-fuzz test-clean-root
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Speed, memory and idle cost of the game, against peers (bench/README.md).
bench: build
	scripts/install-deps.sh bench
	bench/run-all.sh $(BUILD)

# Coverage-guided fuzzing of the game logic for FUZZ_SECONDS (default 600).
FUZZ_SECONDS ?= 600
fuzz: test-deps
	tests/fuzz/run.sh $(FUZZ_SECONDS)

# The game logic and its unit tests once more under ASan and UBSan.
test-asan: test-deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug \
	  -DKALVENOR_SANITIZE=ON -DKALVENOR_UI=OFF -DKALVENOR_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L unit

# Replays the fuzzing corpus, then a short bounded fuzz run.
test-fuzz: test-deps
	tests/fuzz/run.sh 60

# The Debian package, built from a clean export of the committed tree (not
# from uncommitted changes) in $(DEB_DIR), where the .deb, .changes and
# .buildinfo land; then checked by lintian.
DEB_DIR ?= build-deb
deb: package-deps
	rm -rf $(DEB_DIR) && mkdir -p $(DEB_DIR)/kalvenor
	git archive HEAD | tar -x -C $(DEB_DIR)/kalvenor
	cd $(DEB_DIR)/kalvenor && DEB_BUILD_OPTIONS="parallel=$(JOBS)" dpkg-buildpackage -us -uc -b
	lintian --pedantic --fail-on error,warning $(DEB_DIR)/kalvenor_*.changes

# The package installed with apt on a clean Debian 12 root, played once.
test-clean-root: deb test-deps
	tests/package/clean_root_install.py $(DEB_DIR)/kalvenor_*.deb $(DEB_DIR)/clean-root

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz $(DEB_DIR)
