# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD   ?= build
# WERROR is left to the build folder's cache unless given: `make package` after
# `make test WERROR=ON` keeps the objects it has.
WERROR  ?=
BENCH   ?= OFF
JOBS    ?= $(shell nproc)
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX  ?= /usr/local
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_BENCH=$(BENCH) \
	$(if $(WERROR),-DVELTRANE_WERROR=$(WERROR))

.PHONY: run test build deps configure clean bench install package check-package check-format \
	fuzz sanitize pot windows check-windows

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

# Every test again under the address and undefined-behaviour sanitizers (preset asan); any
# finding fails its test. A folder an older make-based preset configured is started afresh.
sanitize: deps
	@grep -qs '^CMAKE_GENERATOR:INTERNAL=Ninja$$' build-asan/CMakeCache.txt || rm -rf build-asan
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@mkdir -p build-asan/screenshots
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The fuzz targets of fuzz/, built with clang in their own folder, each run for FUZZ_SECONDS.
fuzz: DEPS_FOR = fuzz
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DVELTRANE_FUZZ=ON \
	  $(if $(WERROR),-DVELTRANE_WERROR=$(WERROR)) >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The benchmarks are built only here: the test and sanitizer builds have no use for them.
bench: BENCH = ON
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
	rm -f $(BUILD)/veltrane_*.deb
	cd $(BUILD) && cpack -G DEB

# The package as a Debian user's tools see it: lintian, the menu entry and the metainfo.
check-package: package
	@scripts/check-package.sh $(BUILD)

# The C++ sources as clang-format (.clang-format) writes them.
check-format: DEPS_FOR = format
check-format: deps
	@files=$$(git ls-files -- '*.cpp' '*.h') && [ -n "$$files" ] \
	  || { echo "check-format: no C++ sources listed by git"; exit 1; }; \
	  clang-format --dry-run --Werror $$files
	@echo "The C++ sources are clang-formatted."

# Windows: the program and its Qt-free tests cross-built for 32-bit Windows with MinGW-w64
# into build-win32/ (static, no DLL but Windows' own), warnings as errors.
WIN_BUILD ?= build-win32
windows: DEPS_FOR = windows
windows: deps
	@cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DVELTRANE_WERROR=ON >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)

# The Windows tests under Wine, and veltrane-calc.exe against the Linux veltrane-calc.
check-windows: DEPS_FOR = windows wine
check-windows: windows build
	@scripts/check-windows.sh $(BUILD) $(WIN_BUILD)

# Collects the window texts from the sources into po/veltrane.pot (see po/README.md).
pot: configure
	@cmake --build $(BUILD) --target pot

clean:
	rm -rf $(BUILD) build-asan $(FUZZ_BUILD) $(WIN_BUILD)
