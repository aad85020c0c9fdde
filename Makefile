# make test   installs what is missing, builds and runs every test through CTest
# make demo   builds and runs keymapctl on examples/
# make bench  builds in Release and runs the benchmarks
# make fuzz   builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
# Options: SANITIZE=address,undefined | thread, WERROR=ON, BUILD_DIR=...

comma := ,
SANITIZE ?=
WERROR ?= OFF
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
ifeq ($(SANITIZE),)
BUILD_DIR ?= build
else
BUILD_DIR ?= build-$(subst $(comma),-,$(SANITIZE))
endif
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

.PHONY: deps configure build test demo bench fuzz format clean

# What to install: test (the default), demo, fuzz or bench.
DEPS ?= test
deps:
	@bash scripts/install-deps.sh $(DEPS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DKEYMAP_WERROR=$(WERROR) -DKEYMAP_SANITIZE=$(SANITIZE) $(LAUNCHER)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

demo: DEPS = demo
demo: build
	@bash scripts/demo.sh $(BUILD_DIR)

bench: DEPS = bench
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKEYMAP_BUILD_TESTS=OFF -DKEYMAP_BUILD_BENCH=ON $(LAUNCHER)
	cmake --build build-bench -j $(JOBS)
	@bash scripts/bench.sh build-bench

fuzz: DEPS = fuzz
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -DKEYMAP_BUILD_TESTS=OFF -DKEYMAP_BUILD_TOOLS=OFF -DKEYMAP_BUILD_FUZZ=ON $(LAUNCHER)
	cmake --build build-fuzz -j $(JOBS)
	@bash scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-*
