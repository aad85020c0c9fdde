# make test   installs what is missing, builds and runs every test through CTest
# make demo   builds and runs keymapctl on examples/
# make bench  builds in Release and runs the benchmarks
# make fuzz   builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
# make abi-check compares the built library's binary interface with abi/ (scripts/abi.sh)
# make abi-update rewrites abi/ from the Qt 5 and the Qt 6 build, for a release
# make mutants plants the faults of mutants/faults.txt one at a time and runs the suites that guard
#             each (MUTANTS_SAMPLE=N a fixed sample of N, 0 all; MUTANTS_ONLY=folder/ or name-glob)
# Options: QT=5 | 6 (Qt 5 is the default), SANITIZE=address,undefined | thread, WERROR=ON, BUILD_DIR=...,
#          SKIPS=fail (a skipped test fails make test)
# A Qt 6 build has its own folders: build-qt6, build-bench-qt6 and so on.

comma := ,
SANITIZE ?=
WERROR ?= OFF
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
QT ?= 5
QT_SUFFIX := $(if $(filter 5,$(QT)),,-qt$(QT))
# About 16 s a fault on this 2-core machine: a fixed sample of 150 keeps a run under 45 minutes.
MUTANTS_SAMPLE ?= 150
MUTANTS_ONLY ?=
ifeq ($(SANITIZE),)
BUILD_DIR ?= build$(QT_SUFFIX)
else
BUILD_DIR ?= build-$(subst $(comma),-,$(SANITIZE))$(QT_SUFFIX)
endif
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

.PHONY: deps configure build test demo abi-check abi-update abi-write bench fuzz mutants format clean

# What to install: test (the default), demo, abi, fuzz or bench.
DEPS ?= test
deps:
	@bash scripts/install-deps.sh $(DEPS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DKEYMAP_QT_MAJOR=$(QT) -DKEYMAP_WERROR=$(WERROR) -DKEYMAP_SANITIZE=$(SANITIZE) $(LAUNCHER)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The last line says how many tests were skipped and why; SKIPS=fail (CI) makes any skip an error.
SKIPS ?= allow
test: build
	rm -rf $(BUILD_DIR)/test-results
	cd $(BUILD_DIR) && status=0 && { ctest --output-on-failure -j $(JOBS) || status=$$?; } && \
		python3 $(CURDIR)/scripts/skipped.py . $(if $(filter fail,$(SKIPS)),--none-allowed) && exit $$status

demo: DEPS = demo
demo: build
	@bash scripts/demo.sh $(BUILD_DIR)

abi-check abi-write abi-update: DEPS = abi
abi-check: configure
	@JOBS=$(JOBS) bash scripts/abi.sh check $(BUILD_DIR) $(QT)

# Both Qt builds have a description; each is written from its own build directory.
abi-update: deps
	@$(MAKE) --no-print-directory abi-write QT=5
	@$(MAKE) --no-print-directory abi-write QT=6
abi-write: configure
	@JOBS=$(JOBS) bash scripts/abi.sh update $(BUILD_DIR) $(QT)

bench: DEPS = bench
bench: deps
	cmake -S . -B build-bench$(QT_SUFFIX) -DKEYMAP_QT_MAJOR=$(QT) -DCMAKE_BUILD_TYPE=Release -DKEYMAP_BUILD_TESTS=OFF \
		-DKEYMAP_BUILD_BENCH=ON $(LAUNCHER)
	cmake --build build-bench$(QT_SUFFIX) -j $(JOBS)
	@bash scripts/bench.sh build-bench$(QT_SUFFIX)

fuzz: DEPS = fuzz
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz$(QT_SUFFIX) -DKEYMAP_QT_MAJOR=$(QT) -DKEYMAP_BUILD_TESTS=OFF \
		-DKEYMAP_BUILD_TOOLS=OFF -DKEYMAP_BUILD_FUZZ=ON $(LAUNCHER)
	cmake --build build-fuzz$(QT_SUFFIX) -j $(JOBS)
	@bash scripts/fuzz.sh build-fuzz$(QT_SUFFIX) $(FUZZ_SECONDS)

mutants: configure
	python3 scripts/mutants.py --build-dir $(BUILD_DIR) --qt $(QT) --jobs $(JOBS) --sample $(MUTANTS_SAMPLE) \
		$(foreach pattern,$(MUTANTS_ONLY),--only '$(pattern)')

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-*
