# Thin front door; the build itself is CMake + Ninja.
ASAN_BUILD    := build/asan
TSAN_BUILD    := build/tsan
RELEASE_BUILD := build/release
JOBS          ?= $(shell nproc)

export ASAN_OPTIONS  ?= detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS  ?= suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1

# The suites whose threads meet: the keyboard link, the configurator's scripted runs, the runner.
TSAN_SUITES   := keyboard_link_tests keyboard_app_tests platform_scenario_tests
empty         :=
space         := $(empty) $(empty)
export TSAN_OPTIONS ?= halt_on_error=1:second_deadlock_stack=1

.PHONY: deps test build-test tsan release demo fuzz clean

deps:
	@bash scripts/deps.sh

build-test: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELDA_SANITIZE=ON -DQUELDA_WERROR=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build-test
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELDA_SANITIZE=thread -DQUELDA_WERROR=ON \
		-DQUELDA_BENCH=OFF >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target quelda-keyboard $(TSAN_SUITES)
	@ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS) -L "^($(subst $(space),|,$(TSAN_SUITES)))$$"

release: deps
	@cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS)

demo: release
	@bash scripts/demo.sh $(RELEASE_BUILD)

fuzz: deps
	@bash scripts/fuzz.sh

clean:
	rm -rf build
