# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
WERROR  ?= OFF
JOBS    ?= $(shell nproc)
PREFIX  ?= /usr/local
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_WERROR=$(WERROR)

.PHONY: run test build deps configure clean bench install package

run: deps build
	@scripts/run.sh $(BUILD)

test: deps build
	@mkdir -p $(BUILD)/screenshots
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/deps.sh $(DEPS_FOR)

configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

bench: deps build
	@for b in $(BUILD)/bench/bench_* $(BUILD)/bench/qt/bench_*; do [ -x "$$b" ] && "$$b"; done

# Installs the program for every user of this machine (root or sudo for /usr/local); DESTDIR,
# when set, stages the tree in a folder instead.
install: deps build
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

# The Debian package, written into $(BUILD): install it with `apt install ./veltrane_*.deb`.
# (DEPS_FOR reaches the deps prerequisite too, which then adds the packaging tools.)
package: DEPS_FOR = package
package: deps build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
