# Cross build for AmigaOS 4 with the SDK's GCC (ppc-amigaos-gcc) and newlib.
# The compilers must be on PATH, or set CMAKE_CXX_COMPILER to their full path.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR powerpc)

set(CMAKE_C_COMPILER ppc-amigaos-gcc)
set(CMAKE_CXX_COMPILER ppc-amigaos-g++)

# No -mcpu: the tool must also run on other AmigaOS processors, far enough to
# say that they are not a Morvik board.
set(CMAKE_C_FLAGS_INIT "-mcrt=newlib")
set(CMAKE_CXX_FLAGS_INIT "-mcrt=newlib")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mcrt=newlib")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(BASECLOCK_PLATFORM amigaos CACHE STRING "")
set(BASECLOCK_DCR ppc460ex CACHE STRING "")
# The tests need the simulated board, which this build does not have.
set(BUILD_TESTING OFF CACHE BOOL "")
