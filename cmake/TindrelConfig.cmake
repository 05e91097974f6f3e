# One INTERFACE target carries the language level, warnings and sanitizer flags;
# every target of the project links it so they all build the same way.
add_library(tindrel_config INTERFACE)
target_compile_features(tindrel_config INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(tindrel_config INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Werror)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation at -O2 and above.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(tindrel_config INTERFACE -Wno-restrict)
endif()
target_include_directories(tindrel_config INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_definitions(tindrel_config INTERFACE TINDREL_VERSION="${PROJECT_VERSION}")

if(TINDREL_SANITIZE)
  target_compile_options(tindrel_config INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined
                                                  -fno-omit-frame-pointer)
  target_link_options(tindrel_config INTERFACE -fsanitize=address,undefined)
endif()

# Fuzz builds instrument every library for coverage; the harnesses add the fuzzer's main.
if(TINDREL_BUILD_FUZZ)
  target_compile_options(tindrel_config INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                  -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(tindrel_config INTERFACE -fsanitize=address,undefined)
endif()
