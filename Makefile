# Quick start: `make run` starts the clock, `make test` runs every test.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: run test build deps clean

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/chimewise

test: build
	tools/run-tests $(BUILD)

clean:
	rm -rf $(BUILD)
