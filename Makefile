# Two entry points: `make run` builds and starts the program, `make test`
# builds and runs every test headless (plain and sanitizer builds).
SHELL := /bin/bash
BUILD ?= build
SANBUILD ?= build-asan
JOBS ?= $(shell nproc)
PACKAGES := $(shell grep -v '^\#' packages.txt)
APT_STAMP := .deps-installed

.PHONY: run test test-plain test-sanitize build build-sanitize deps bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SANBUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=Debug -DOSTREL_SANITIZE=ON -DOSTREL_BENCH=OFF

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps $(SANBUILD)/CMakeCache.txt
	cmake --build $(SANBUILD) -j $(JOBS)

run: build
	cd $(BUILD)/program && ./Ostrel9

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: build-sanitize
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test: test-plain test-sanitize

bench: build
	for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(SANBUILD)
