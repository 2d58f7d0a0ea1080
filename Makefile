# make run    installs missing Debian packages, builds and starts Caveto
# make test   installs missing Debian packages, builds and runs every test
# make install   builds and installs under PREFIX (/usr/local), into DESTDIR if set
# make screenshots   remakes the README's screenshots (Xvfb, openbox)
# make bench  builds and runs the benchmarks (Google Benchmark)
# make format / make format-check   apply / check the source formatting
# make test-sanitize   the core and its tests under ASan and UBSan
# make fuzz    runs each fuzz target for FUZZ_TIME seconds (clang, libFuzzer)

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = build-essential cmake pkg-config qt6-base-dev libgif-dev clang-format \
           libjpeg62-turbo-dev qt6-image-formats-plugins fonts-liberation libgl-dev poppler-utils \
           xvfb openbox xdotool x11-utils desktop-file-utils appstream
BENCH_PACKAGES = libbenchmark-dev

FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_TIME ?= 60

PREFIX  ?= /usr/local

.PHONY: all deps bench-deps configure build run test test-sanitize fuzz bench format format-check clean \
        install screenshots

all: build

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/caveto

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The prefix is set at configure time (an installed program finds its
# pictures from its own folder); DESTDIR only at install time.
install: deps
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target caveto caveto-datos
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD)

screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target caveto-screenshots
	tools/screenshots.sh $(BUILD)

bench:
	$(MAKE) deps EXTRA_PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DCAVETO_BUILD_BENCH=ON -DCAVETO_BUILD_TESTS=OFF
	cmake --build $(BUILD)-bench -j $(JOBS)
	cd $(BUILD)-bench && for b in bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen ./$$b || exit 1; fi; \
	done

# The checked-in .clang-format is the style of every source file; CI fails on
# a file that differs from it.
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

format:
	clang-format -i $(SOURCES)

format-check: deps
	clang-format --dry-run -Werror $(SOURCES)

# The core (the record file, the notes codec, the rules) and its tests built
# with AddressSanitizer and UndefinedBehaviorSanitizer, fuzz replays included.
test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DCAVETO_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD)-sanitize -j $(JOBS) --target core-tests
	cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS) -L core

# Each fuzz target runs for FUZZ_TIME seconds on its corpus; an input that
# makes it fail is kept in fuzz/regressions/<target>/, which the test suite
# replays from then on.
fuzz:
	$(MAKE) deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCAVETO_FUZZ=ON -DCAVETO_BUILD_TESTS=OFF
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_recordfile fuzz_notes fuzz_recordline
	set -e; for t in recordfile notes recordline; do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$t; \
	  $(BUILD)-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_TIME) -max_len=65536 -timeout=10 \
	    -artifact_prefix=fuzz/regressions/$$t/ $(BUILD)-fuzz/corpus/$$t fuzz/corpus/$$t; \
	done

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-sanitize $(BUILD)-fuzz
