# 64-bit Windows programs (x86_64), run under a 64-bit Wine.
set(VORLA_MINGW_PROCESSOR x86_64)
set(VORLA_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
