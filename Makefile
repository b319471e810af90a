# make run     - install what is missing, build, play the game in game/
# make test    - install what is missing, build, run every test through ctest
# make package - install what is missing, build build/velmo_<version>_<arch>.deb and check it
# make mutate  - seeded faults in the rules core against the headless tests: the kill rate
BUILD := build
JOBS := $(shell nproc)

BUILD_PKGS := cmake g++ make pkg-config liballegro4-dev libjpgalleg4-dev
# The Debian package is built and checked with these (make package and its test).
PACKAGE_PKGS := dpkg-dev file lintian desktop-file-utils appstream
TEST_PKGS := libgtest-dev libbenchmark-dev python3 python3-xlib xvfb xdotool x11-apps imagemagick faketime \
  $(PACKAGE_PKGS)
ASSET_PKGS := python3 python3-pil sox espeak-ng imagemagick fonts-dejavu-core
# Debian's clang 14; libclang-rt-14-dev holds the fuzzer runtime and is only a Recommends.
FUZZ_PKGS := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 120
FUZZ_REPLAY_RUNS := 20000
# The mutation check builds a copy of its own; only the headless tests run there.
MUTATE_PKGS := cmake g++ make libgtest-dev python3 imagemagick git
MUTATE_SEED ?= 1
MUTATE_COUNT ?= 200
MUTATE_REPORT ?= $(BUILD)/mutate-report.txt

.PHONY: run test build deps test-deps asset-deps package-deps package bench sanitize fuzz-build fuzz \
  fuzz-replay mutate assets clean

# Installs only the packages that are missing, so a second run installs nothing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing >/dev/null; \
	fi
endef

deps:
	$(call install_missing,$(BUILD_PKGS))

test-deps:
	$(call install_missing,$(BUILD_PKGS) $(TEST_PKGS))

asset-deps:
	$(call install_missing,$(ASSET_PKGS))

package-deps:
	$(call install_missing,$(BUILD_PKGS) $(PACKAGE_PKGS))

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_BENCH=OFF -DVELMO_TESTS=OFF >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target velmo

run: build
	@if [ -z "$$DISPLAY" ]; then \
	  echo "There is no display to open the game window on."; \
	  echo "Run it under a virtual display instead:  xvfb-run -s '-screen 0 800x600x24' make run"; \
	  exit 1; \
	fi
	cd game && ../$(BUILD)/velmo

test: test-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_BENCH=ON -DVELMO_TESTS=ON -DVELMO_E2E=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) sanitize
	$(MAKE) fuzz-replay

# The package holds what cmake --install puts under /usr; lintian reads it
# whole (errors and warnings; -I for the informational tags too).
package: package-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_BENCH=OFF -DVELMO_TESTS=OFF >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target velmo velmo_docs
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD)/velmo_*.deb

bench: test-deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DVELMO_BENCH=ON -DVELMO_E2E=OFF -DVELMO_GAME=OFF >/dev/null
	cmake --build $(BUILD)-bench -j $(JOBS) --target velmo_bench
	$(BUILD)-bench/velmo_bench

# Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer (no window).
sanitize: test-deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DVELMO_GAME=OFF -DVELMO_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" >/dev/null
	cmake --build $(BUILD)-asan -j $(JOBS) --target velmo_unit_tests
	$(BUILD)-asan/velmo_unit_tests --gtest_brief=1

# The fuzz targets, with a clang-built copy of the core, in a folder of their own.
fuzz-build:
	$(call install_missing,$(BUILD_PKGS) $(FUZZ_PKGS))
	CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMO_FUZZ=ON >/dev/null
	cmake --build $(BUILD)-fuzz -j $(JOBS)

# Searches every reader for FUZZ_SECONDS (default 120) each; reports executions,
# coverage and findings.
fuzz: fuzz-build
	sh tests/fuzz/run_fuzz.sh $(BUILD)-fuzz search $(FUZZ_SECONDS)

# Replays the committed corpora, then a fixed number of runs from a fixed seed.
fuzz-replay: fuzz-build
	sh tests/fuzz/run_fuzz.sh $(BUILD)-fuzz replay $(FUZZ_REPLAY_RUNS)

# Seeded single-token faults in the rules core, one at a time, against the headless tests: prints
# the kill rate and the survivors; MUTATE_MIN_RATE (a percentage) makes a lower rate fail.
mutate:
	$(call install_missing,$(MUTATE_PKGS))
	/usr/bin/python3 tools/mutate.py --seed $(MUTATE_SEED) --count $(MUTATE_COUNT) --report $(MUTATE_REPORT) \
	  $(if $(MUTATE_MIN_RATE),--min-rate $(MUTATE_MIN_RATE))

assets: asset-deps
	bash tools/make_assets.sh

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan $(BUILD)-fuzz
