# Quick start: `make run` starts the clock, `make test` runs every test.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: run test build deps coverage clean

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/chimewise

test: build
	tools/run-tests $(BUILD)

# Line and branch coverage of src/ by the whole suite, in its own build folder.
coverage: deps
	cmake -S . -B $(BUILD)-coverage -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
	cmake --build $(BUILD)-coverage -j$(JOBS)
	find $(BUILD)-coverage -name '*.gcda' -delete
	tools/run-tests $(BUILD)-coverage
	@echo "Lines of src/:";    gcovr -r . --filter src/ $(BUILD)-coverage | grep '^TOTAL'
	@echo "Branches of src/:"; gcovr -r . --filter src/ --branches $(BUILD)-coverage | grep '^TOTAL'

clean:
	rm -rf $(BUILD) $(BUILD)-coverage
