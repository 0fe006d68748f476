# Cross-builds for 32-bit Windows with Debian's MinGW-w64: the same program for old PCs, which
# 64-bit Windows runs too. Its programs need a 32-bit Wine to run here.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
