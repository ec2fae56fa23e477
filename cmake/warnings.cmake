# One interface target carries the warnings and strictness flags for all project code.
add_library(vrk_warnings INTERFACE)
target_compile_options(vrk_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(VRK_WERROR)
  target_compile_options(vrk_warnings INTERFACE -Werror)
endif()
target_compile_definitions(vrk_warnings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)

if(VRK_SANITIZE)
  target_compile_options(vrk_warnings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vrk_warnings INTERFACE -fsanitize=address,undefined)
endif()

# GCC 12 reports false -Wrestrict positives inside libstdc++'s std::string at -O2 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(vrk_warnings INTERFACE -Wno-restrict)
endif()
