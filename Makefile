# The two commands: `make run` builds and starts the note under Wine;
# `make test` builds and runs every test. Both install what is missing.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: setup build test run clean

setup:
	@scripts/bootstrap

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

run: build
	scripts/run-note $(BUILD)

clean:
	rm -rf $(BUILD)
