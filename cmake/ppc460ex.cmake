# Cross build for the PowerPC 460EX core (a 464 with FPU), 32-bit big-endian,
# with Debian's powerpc cross compiler; tests run on an emulated 460EX core.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR powerpc)

set(CMAKE_C_COMPILER powerpc-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER powerpc-linux-gnu-g++)

# Debian's powerpc C library is hard-float, so the core is named with its FPU.
set(CMAKE_C_FLAGS_INIT "-mcpu=464fp")
set(CMAKE_CXX_FLAGS_INIT "-mcpu=464fp")
# Static, so the emulator needs no target libraries at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_FIND_ROOT_PATH /usr/powerpc-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(BASECLOCK_QEMU_PPC qemu-ppc REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${BASECLOCK_QEMU_PPC};-cpu;460exb")

set(BASECLOCK_DCR ppc460ex CACHE STRING "")
