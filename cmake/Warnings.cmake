# One place for compiler warnings and sanitizers; every target links pitwright_warnings.
add_library(pitwright_warnings INTERFACE)
target_compile_options(pitwright_warnings INTERFACE -Wall -Wextra -Wpedantic)

if(PITWRIGHT_SANITIZE)
    set(PITWRIGHT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                                  -fno-omit-frame-pointer)
    target_compile_options(pitwright_warnings INTERFACE ${PITWRIGHT_SANITIZER_FLAGS})
    target_link_options(pitwright_warnings INTERFACE ${PITWRIGHT_SANITIZER_FLAGS})
endif()

# Coverage for libFuzzer in every library the fuzz targets reach.
option(PITWRIGHT_LIBFUZZER "Build the libFuzzer targets (clang only)" OFF)
if(PITWRIGHT_LIBFUZZER)
    target_compile_options(pitwright_warnings INTERFACE -fsanitize=fuzzer-no-link)
endif()
