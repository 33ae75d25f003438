# `make run` builds and starts the note under Wine;
# `make test` builds and runs every test; `make bench` measures the note
# against a baseline program under Wine. All install what is missing.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: setup build test run bench clean

setup:
	@scripts/bootstrap

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

run: build
	scripts/run-note $(BUILD)

bench: build
	scripts/bench $(BUILD)

clean:
	rm -rf $(BUILD)
