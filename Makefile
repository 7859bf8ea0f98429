# The two commands of the README (make run, make test) and the developer targets.
BUILD       ?= build
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all setup configure build test run bench fuzz tsan format clean

all: build

setup:
	@tools/setup

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -Wno-dev > $(BUILD).configure.log 2>&1 \
	  || { cat $(BUILD).configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

run: build
	@tools/prepare-run $(BUILD) run
	@tools/start-viewer $(BUILD) run

bench: build
	@tools/prepare-run $(BUILD) $(BUILD)/bench-data > /dev/null
	@for b in $(BUILD)/bench/bench_*; do echo "== $$(basename $$b)"; \
	  (cd $(BUILD)/bench-data && QT_QPA_PLATFORM=offscreen $$OLDPWD/$$b) || exit 1; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD).configure.log
