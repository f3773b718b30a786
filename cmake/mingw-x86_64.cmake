# The 64-bit program, with Debian's mingw-w64 x86_64 toolchain (for hosts that run no 32-bit code).
set(LETTERLOOM_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
