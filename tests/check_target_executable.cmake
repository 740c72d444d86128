# Fails unless EXECUTABLE is a 32-bit big-endian PowerPC program whose
# get_sys_info selects indirect register 0x20 with a real mtdcr to DCR 0x00E
# and reads it with the very next instruction, an mfdcr from DCR 0x00F.
execute_process(COMMAND ${READELF} -h ${EXECUTABLE} OUTPUT_VARIABLE header RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${EXECUTABLE}")
endif()
foreach(fact "Class: +ELF32" "Data: +2's complement, big endian" "Machine: +PowerPC")
  if(NOT header MATCHES "${fact}")
    message(FATAL_ERROR "${EXECUTABLE} is not ${fact}:\n${header}")
  endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${EXECUTABLE}
                OUTPUT_VARIABLE code RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot disassemble ${EXECUTABLE}")
endif()
string(REGEX MATCH "<_Z12get_sys_infoP12pll_dividers>:\n[^\n]*(\n[^\n]+)*" function "${code}")
if(NOT function)
  message(FATAL_ERROR "get_sys_info not found in ${EXECUTABLE}")
endif()
if(NOT function MATCHES "\tmtdcr +14,r[0-9]+\n[^\n]*\tmfdcr +r[0-9]+,15\n")
  message(FATAL_ERROR "get_sys_info does not issue mtdcr 14 and mfdcr 15 back to back:\n${function}")
endif()
message(STATUS "${EXECUTABLE}: 32-bit big-endian PowerPC; mtdcr 14 then mfdcr 15 in get_sys_info")
