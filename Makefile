# The two entry points a newcomer needs; everything else is plain CMake.
#   make run   installs what is missing, builds and runs the main job
#   make test  installs what is missing, builds and runs the whole test suite

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
WERROR ?= OFF
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps configure build run test bench clean

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
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps build
	$(BUILD_DIR)/bench/quillon_bench

clean:
	rm -rf $(BUILD_DIR)

# The Debian package of what `cmake --install` installs, written into $(BUILD_DIR).
.PHONY: package
package: deps build
	cd $(BUILD_DIR) && cpack -G DEB
