# Compiler settings shared by every target of the project.
add_library(kvor_common_config INTERFACE)
target_compile_features(kvor_common_config INTERFACE cxx_std_20)
target_compile_options(kvor_common_config INTERFACE -Wall -Wextra)
target_compile_definitions(kvor_common_config INTERFACE _GLIBCXX_ASSERTIONS)
if(KVOR_WERROR)
  target_compile_options(kvor_common_config INTERFACE -Werror)
endif()
if(KVOR_SANITIZE)
  target_compile_options(kvor_common_config INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kvor_common_config INTERFACE -fsanitize=address,undefined)
endif()
if(KVOR_FUZZ)
  # Coverage for libFuzzer in everything the fuzz targets link; the tests of such a build run
  # unchanged.
  target_compile_options(kvor_common_config INTERFACE -fsanitize=fuzzer-no-link)
endif()
