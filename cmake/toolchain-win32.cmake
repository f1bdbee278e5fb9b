# 32-bit Windows programs (i686), run under a 32-bit Wine.
set(VORLA_MINGW_PROCESSOR i686)
set(VORLA_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
