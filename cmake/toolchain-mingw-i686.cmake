# Cross-compiling for 32-bit Windows (the classic target). Built, never run here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QW_MINGW_TRIPLET i686-w64-mingw32)
# Every x86 processor that current Windows runs on has SSE2, so the pixel loops use it here as on x86_64,
# and floating point is done in SSE registers too (the same results as the 64-bit build, not the x87's
# extended precision). 32-bit Windows keeps the stack only 4-byte aligned (window procedures and other
# callbacks enter that way), so a function that needs 16-byte aligned stack slots realigns it itself.
set(QW_TARGET_COMPILE_OPTIONS -msse2 -mfpmath=sse -mstackrealign)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
