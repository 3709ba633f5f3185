# SPDX-License-Identifier: GPL-3.0-or-later
# The commands a newcomer needs: `make run`, `make check` after every change,
# `make test` before a push (what CI runs; SKIP_CLEAN_ROOT=1 leaves out the
# package test on a clean root), `make soak` now and then, and `make deb` for
# the Debian package.
BUILD      ?= build
# The fuzzer's clang build under ASan and UBSan (tests/fuzz/run.sh), where the
# game logic's unit tests run once more.
ASAN_BUILD ?= build-fuzz
# The sound player under ASan and UBSan, on its own: its server thread reads
# the samples the window gives it.
SOUND_ASAN_BUILD ?= build-asan-sound
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVENOR_WERROR=ON
# The distribution's interpreter, which has the distribution's python3-xlib.
PYTHON3    ?= /usr/bin/python3

.PHONY: all deps test-deps package-deps game build run check test test-asan test-fuzz \
        test-clean-root soak deb assets translations bench fuzz clean

all: build

# What building and running the game need; the test libraries and tools and
# the packaging tools come with the targets that use them.
deps:
	scripts/install-deps.sh build

test-deps:
	scripts/install-deps.sh build test

package-deps:
	scripts/install-deps.sh build package

# The game and its sound module alone. A fresh build tree is configured
# without tests and benchmarks; one that has them keeps them.
game: deps
	test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DKALVENOR_TESTS=OFF -DKALVENOR_BENCH=OFF
	cmake --build $(BUILD) -j $(JOBS) --target kalvenor

run: game
	$(BUILD)/ui/kalvenor

# Everything: the game, its tools, the tests and the benchmarks.
build: test-deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DKALVENOR_TESTS=ON -DKALVENOR_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

# Redraws the pictures and re-synthesises the sounds into assets/.
assets: build
	cmake --build $(BUILD) --target generate-assets

# Brings translations/ up to date with the sources: a new text arrives in
# every .ts and .po file, untranslated, and `make check` names it until it is.
translations: build
	cmake --build $(BUILD) --target update-translations

# Unit, window and asset tests and the fuzzing corpus replay: a minute or so.
check: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L 'unit|ui|assets'

# Everything but the soak: the sanitizer build's tests and a short fuzz run,
# every test of the build, the end-to-end ones side by side (they mostly wait
# for the window and the audio server, so one more than the cores), then the
# package installed on a clean root.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) + 1 )))
test: test-deps build test-asan
	ctest --test-dir $(BUILD) --output-on-failure -j $(TEST_JOBS) -LE soak
	$(if $(SKIP_CLEAN_ROOT),@echo "test: the package test on a clean root is skipped (SKIP_CLEAN_ROOT)",$(MAKE) test-clean-root)

# The long forms: a 20,000-click storm, 1,000 Start / Stop playing cycles and
# a ten-minute fuzz run.
soak: test-deps build
	ctest --test-dir $(BUILD) --output-on-failure -L soak
	tests/fuzz/run.sh 600

# Speed, memory and idle cost of the game, against peers (bench/README.md).
bench: build
	scripts/install-deps.sh bench
	bench/run-all.sh $(BUILD)

# Coverage-guided fuzzing of the game logic for FUZZ_SECONDS (default 600).
FUZZ_SECONDS ?= 600
fuzz: test-deps
	tests/fuzz/run.sh $(FUZZ_SECONDS)

# The game logic and its unit tests once more under ASan and UBSan, in the
# fuzzer's build, after the fuzzer's corpus replay and short run; then the
# sound player's test, in a build of its own with the window's compiler, file
# by file (each sound file is seen to include what it uses).
test-asan: test-fuzz
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -L unit
	cmake -S . -B $(SOUND_ASAN_BUILD) $(CMAKE_FLAGS) -DKALVENOR_SANITIZE=ON -DKALVENOR_ROOM_UNITS=OFF -DKALVENOR_BENCH=OFF >/dev/null
	cmake --build $(SOUND_ASAN_BUILD) -j $(JOBS) --target pulse_player_test
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir $(SOUND_ASAN_BUILD) --output-on-failure -R '^pulse_player_test$$'

# Replays the fuzzing corpus, then a short bounded fuzz run.
TEST_FUZZ_SECONDS ?= 60
test-fuzz: test-deps
	FUZZ_BUILD=$(abspath $(ASAN_BUILD)) tests/fuzz/run.sh $(TEST_FUZZ_SECONDS)

# The Debian package, built from a clean export of the committed tree (not
# from uncommitted changes) in $(DEB_DIR), where the .deb, .changes and
# .buildinfo land; then checked by lintian.
DEB_DIR ?= build-deb
deb: package-deps
	rm -rf $(DEB_DIR) && mkdir -p $(DEB_DIR)/kalvenor
	git archive HEAD | tar -x -C $(DEB_DIR)/kalvenor
	cd $(DEB_DIR)/kalvenor && DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" dpkg-buildpackage -us -uc -b
	lintian --pedantic --fail-on error,warning $(DEB_DIR)/kalvenor_*.changes

# The package installed with apt on a clean Debian 12 root, played once. The
# package's build-time tests are the ones `make test` has just run. The first
# step says at once if the machine cannot make the root's namespace.
test-clean-root: test-deps
	PYTHONPATH=$(CURDIR)/tests/e2e $(PYTHON3) tests/package/clean_root_install.py --check
	$(MAKE) deb DEB_BUILD_OPTIONS=nocheck
	PYTHONPATH=$(CURDIR)/tests/e2e $(PYTHON3) tests/package/clean_root_install.py $(DEB_DIR)/kalvenor_*.deb $(DEB_DIR)/clean-root

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(SOUND_ASAN_BUILD) $(DEB_DIR)
