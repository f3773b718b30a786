# The shipped 32-bit program, with Debian's mingw-w64 i686 toolchain.
set(LETTERLOOM_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
