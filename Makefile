# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
WERROR  ?= OFF
JOBS    ?= $(shell nproc)
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_WERROR=$(WERROR)

.PHONY: run test build deps configure clean bench

run: deps build
	@scripts/run.sh $(BUILD)

test: deps build
	@mkdir -p $(BUILD)/screenshots
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/deps.sh

configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

bench: deps build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
