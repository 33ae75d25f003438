# `make run` builds and starts the note under Wine;
# `make test` builds and runs every test; `make bench` measures the note
# against a baseline program under Wine. All install what is missing.
# `make fuzz` runs the long fuzzing: each rule for FUZZ_SECONDS, then
# FUZZ_STORES random settings keys against the real program (about 0.5 s
# each, so some 3 minutes for 300). `make dist` builds the release twice,
# checks that both builds give the same bytes, and writes the zips, the
# installers and SHA256SUMS to dist/: signed given SIGN_PFX (and
# SIGN_PASSWORD_FILE, SIGN_TIMESTAMP_URL), with winget manifests given
# RELEASE_URL (see the README's Release section).
BUILD ?= build
JOBS ?= 2
# Tests running at once: each Wine session's tests (one at a time, and
# mostly waiting; two sessions, see cmake/cross-build.cmake) and one more,
# the one-job build of the sanitizer builds (build.sanitizers) or the other
# tests.
TEST_JOBS ?= 3
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
FUZZ_SECONDS ?= 60
FUZZ_STORES ?= 300
FUZZ_SEED ?= 20260

.PHONY: setup configure build test run fuzz bench dist clean

setup:
	@scripts/bootstrap

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS) --target all sanitizer_builds

# The test run makes the sanitizer builds itself, beside the Wine tests.
# The closing lines say which architectures' Win32 tests ran, why any were
# skipped and which test programs were therefore not built.
test: configure
	@cmake --build $(BUILD) -j$(JOBS)
	@status=0; ctest --test-dir $(BUILD) --output-on-failure -j$(TEST_JOBS) || status=$$?; \
	  cat $(BUILD)/wine-archs.txt; exit $$status

# Every fuzz target the build made (one per rule, see cmake/rule-lists.cmake).
fuzz: build
	@for target in $(BUILD)/fuzz/*_fuzz; do \
	  rule=$$(basename $$target _fuzz); \
	  scripts/fuzz-rule $$target $(FUZZ_SECONDS) tests/fuzz/corpus/$$rule $(BUILD)/fuzz-work/$$rule || exit 1; \
	done
	scripts/fuzz-stores $(BUILD) $(FUZZ_STORES) $(FUZZ_SEED)

run: build
	scripts/run-note $(BUILD)

bench: build
	scripts/bench $(BUILD)

dist: setup
	@SIGN_PFX='$(SIGN_PFX)' SIGN_PASSWORD_FILE='$(SIGN_PASSWORD_FILE)' SIGN_TIMESTAMP_URL='$(SIGN_TIMESTAMP_URL)' \
	  RELEASE_URL='$(RELEASE_URL)' scripts/dist $(BUILD) dist $(JOBS)

clean:
	rm -rf $(BUILD)
