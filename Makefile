# The two entry points a newcomer needs; everything else is plain CMake.
#   make run   installs what is missing, builds and runs the main job
#   make test  installs what is missing, builds and runs the whole test suite
#   make test-sanitize  the same suite built with AddressSanitizer and UBSan

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
WERROR ?= OFF
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps configure build run test test-sanitize bench clean

all: build

deps:
	scripts/install-deps

test-deps:
	scripts/install-deps --test

configure:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	      -DQUILLON_WARNINGS_AS_ERRORS=$(WERROR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: deps build
	scripts/run-main-job $(BUILD_DIR)

test: test-deps build
	scripts/check-format
	scripts/check-licence-headers
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Leak reports name only third-party code in the suppressions file; every
# report aborts, also while CTest lists the tests of a freshly linked binary.
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan-third-party.supp:print_suppressions=0

test-sanitize: test-deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	      -DQUILLON_WARNINGS_AS_ERRORS=$(WERROR) -DQUILLON_SANITIZE=ON \
	      -DQUILLON_BUILD_BENCHMARKS=OFF
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure -j $(JOBS) --timeout 300

bench: deps build
	$(BUILD_DIR)/bench/quillon_bench
	$(BUILD_DIR)/bench/quillon_e2e_bench
	bench/pptx_vs_pandoc.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

# The Debian package of what `cmake --install` installs, written into $(BUILD_DIR).
.PHONY: package
package: deps build
	cd $(BUILD_DIR) && cpack -G DEB
