# The two commands of the README (make run, make test) and the developer targets.
# The nested makes that CMake runs need not announce every folder they enter.
MAKEFLAGS   += --no-print-directory
BUILD       ?= build
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all setup configure build test run install bench fuzz fuzz-configure tsan sanitize format clean

all: build

setup:
	@tools/setup

configure: setup
	@mkdir -p $(BUILD)
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -Wno-dev > $(BUILD)/configure.log 2>&1 \
	  || { cat $(BUILD)/configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The viewer needs only itself and the sample generator: no test or benchmark is built for it.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target sorvo gen_sample_data
	@tools/prepare-run $(BUILD) run
	@tools/start-viewer $(BUILD) run

# The program as a desktop application under PREFIX (see the README).
PREFIX      ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	@tools/prepare-run $(BUILD) $(BUILD)/bench-data > /dev/null
	@for b in $(BUILD)/bench/bench_*; do [ -f $$b ] && [ -x $$b ] || continue; \
	  echo "== $$(basename $$b)"; \
	  (cd $(BUILD)/bench-data && QT_QPA_PLATFORM=offscreen $$OLDPWD/$$b \
	    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true) || exit 1; done

# libFuzzer runs in their own clang build, FUZZ_TIME seconds each (default 60): `make fuzz` runs
# every target one after the other, `make fuzz-grid_reader` (or -settings, -coastlines, -rtf,
# -positions) one.
FUZZ_TIME    ?= 60
FUZZ_TARGETS := grid_reader settings coastlines positions rtf

fuzz: $(addprefix fuzz-,$(FUZZ_TARGETS))

fuzz-configure: setup
	@mkdir -p build-fuzz
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVO_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address" \
	  -Wno-dev > build-fuzz/configure.log 2>&1 || { cat build-fuzz/configure.log; exit 1; }

fuzz-%: fuzz-configure
	@cmake --build build-fuzz -j$(JOBS) --target fuzz_$*
	@mkdir -p build-fuzz/corpus/$*
	@build-fuzz/tests/fuzz/fuzz_$* -max_total_time=$(FUZZ_TIME) -max_len=8192 \
	  $$( [ -f tests/fuzz/$*.dict ] && echo -dict=tests/fuzz/$*.dict ) -print_final_stats=1 \
	  -artifact_prefix=build-fuzz/$*- build-fuzz/corpus/$* tests/fuzz/seeds/$*

# The window test once more with ThreadSanitizer, in a build folder of its own. A map too large
# to make is refused by a failed allocation, as in the normal build, not by the sanitizer.
tsan: setup
	@mkdir -p build-tsan
	@cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-fsanitize=thread \
	  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -Wno-dev > build-tsan/configure.log 2>&1 \
	  || { cat build-tsan/configure.log; exit 1; }
	@cmake --build build-tsan -j$(JOBS) --target sorvo gen_sample_data
	@cd build-tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 allocator_may_return_null=1 \
	  suppressions=$(CURDIR)/tests/e2e/tsan.supp" ctest -R e2e_window --output-on-failure

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own. A failed huge allocation must reach the program as in the normal build; a
# sanitizer's finding ends a program with 86, which no test takes for one of the program's own
# exit codes; leaks inside system libraries are listed in the suppressions.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined \
  -fno-omit-frame-pointer
sanitize: setup
	@mkdir -p build-sanitize
	@cmake -S . -B build-sanitize $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -Wno-dev > build-sanitize/configure.log 2>&1 || { cat build-sanitize/configure.log; exit 1; }
	@cmake --build build-sanitize -j$(JOBS)
	@cd build-sanitize && \
	  ASAN_OPTIONS="allocator_may_return_null=1 detect_leaks=1 exitcode=86" \
	  LSAN_OPTIONS="suppressions=$(CURDIR)/tests/sanitize.supp print_suppressions=0" \
	  UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1 exitcode=86" \
	  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
