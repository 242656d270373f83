# SPDX-License-Identifier: MIT
# QUILLON_SANITIZE builds every target of ours with AddressSanitizer (which
# brings LeakSanitizer on Linux) and UndefinedBehaviorSanitizer. Any report
# aborts the process, so a finding fails its test instead of scrolling past.
# Run the tests through `make test-sanitize`, which sets the runtime options
# and the third-party leak suppressions (cmake/lsan-third-party.supp).
# Set it on the whole build, before the targets are made, so libraries and
# the programs that link them agree on the instrumentation.
option(QUILLON_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(QUILLON_SANITIZE)
    set(QUILLON_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_compile_options(${QUILLON_SANITIZER_FLAGS})
    add_link_options(${QUILLON_SANITIZER_FLAGS})
endif()

# A fuzzing build instruments every library for libFuzzer's coverage
# feedback; only the fuzz targets themselves link its runtime.
if(QUILLON_BUILD_FUZZERS AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
