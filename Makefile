# Wakeline: one entry point for set-up, build, run, test, bench and fuzz.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
BUILD ?= build
SUDO  := $(if $(filter 0,$(shell id -u)),,sudo)

DEB_PACKAGES := cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev \
                qt6-base-dev qt6-serialport-dev fonts-dejavu-core gpsd gpsd-clients xvfb xauth

.PHONY: deps build run test bench fuzz clean

deps:
	@missing=$$(for p in $(DEB_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing >/dev/null; \
	fi

# ccache, where installed, shares compiled objects between build folders and clones.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-sample.sh $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.2; done

fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DWAKELINE_FUZZ=ON -DWAKELINE_GUI=OFF $(LAUNCHER)
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@mkdir -p build-fuzz/corpus build-fuzz/findings
	@failed=""; for f in build-fuzz/fuzz/fuzz_*; do \
	    [ -f $$f ] && [ -x $$f ] || continue; \
	    n=$$(basename $$f); mkdir -p build-fuzz/corpus/$$n; log=build-fuzz/$$n.log; \
	    echo "== $$n (60 s)"; \
	    if $$f -max_total_time=60 -print_final_stats=1 -artifact_prefix=build-fuzz/findings/$$n- \
	        build-fuzz/corpus/$$n fuzz/seeds/$$n >$$log 2>&1; then tail -n 4 $$log; \
	    else tail -n 60 $$log; failed="$$failed $$n"; fi; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz: findings in$$failed (inputs in build-fuzz/findings)"; exit 1; fi

clean:
	rm -rf $(BUILD) build-fuzz
