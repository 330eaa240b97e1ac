# PE32+ for 64-bit Windows: the same sources, so the suite runs under 64-bit Wine on
# hosts whose kernel cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
