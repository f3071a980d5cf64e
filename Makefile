# Quick start: `make run` starts the clock, `make test` runs every test.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: run test build deps coverage clean bench fuzz test-asan package-deb check-package

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

# Every benchmark against its budget (bench/); none of them runs in `make test`.
bench: build
	tools/install-deps bench
	cmake --build $(BUILD) -j$(JOBS) --target bench_store bench_sleep_until_due bench_minimal_tray
	@status=0; \
	  $(BUILD)/bench/bench_store || status=1; \
	  bench/alarm-latency.sh $(BUILD)/chimewise $(BUILD)/bench/bench_sleep_until_due || status=1; \
	  bench/hidden.sh $(BUILD)/chimewise $(BUILD)/bench/bench_minimal_tray || status=1; \
	  bench/browser-memory.sh $(BUILD)/chimewise || status=1; \
	  bench/tick.sh $(BUILD)/chimewise || status=1; \
	  bench/idle.sh $(BUILD)/chimewise || status=1; \
	  exit $$status

# libFuzzer targets (clang, address and undefined-behaviour sanitizers), 60 s each.
fuzz: deps
	tools/install-deps fuzz
	cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-fuzz -j$(JOBS)
	fuzz/run-all $(BUILD)-fuzz 60

# The whole suite under AddressSanitizer and UBSan, in a Debug build of its own.
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-asan: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(BUILD)-asan -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:verify_asan_link_order=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  tools/run-tests $(BUILD)-asan

# The Debian package, and its check in a fresh Debian 12 chroot (root, network to Debian's mirror).
package-deb: build
	tools/install-deps package
	cd $(BUILD) && cpack -G DEB
check-package: package-deb
	tools/check-package $(BUILD)/chimewise_*.deb $(BUILD)/chimewise-browser_*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-coverage $(BUILD)-fuzz $(BUILD)-asan
