# make run    installs missing Debian packages, builds and starts Caveto
# make test   installs missing Debian packages, builds and runs every test
# make bench  builds and runs the benchmarks (Google Benchmark)
# make format / make format-check   apply / check the source formatting

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = build-essential cmake pkg-config qt6-base-dev libgif-dev clang-format \
           libjpeg62-turbo-dev qt6-image-formats-plugins fonts-liberation libgl-dev poppler-utils \
           xvfb openbox xdotool x11-utils
BENCH_PACKAGES = libbenchmark-dev

.PHONY: all deps bench-deps configure build run test bench format format-check clean

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

clean:
	rm -rf $(BUILD) $(BUILD)-bench
