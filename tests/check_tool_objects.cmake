# Fails if any of OBJECTS calls into the heap, sets up statics at run time or
# throws, or carries code for the start-up to run.
set(forbidden "malloc|calloc|realloc|free|_Znw|_Zna|__cxa_atexit|__cxa_guard_acquire|__cxa_throw")
foreach(object IN LISTS OBJECTS)
  execute_process(COMMAND ${NM} -u ${object} OUTPUT_VARIABLE undefined RESULT_VARIABLE nm_failed)
  execute_process(COMMAND ${OBJDUMP} -h ${object} OUTPUT_VARIABLE sections
                  RESULT_VARIABLE objdump_failed)
  if(nm_failed OR objdump_failed)
    message(FATAL_ERROR "cannot read ${object}")
  endif()
  string(REGEX MATCHALL "[ \t](${forbidden})[^ \t\n]*" calls "${undefined}")
  if(calls)
    message(FATAL_ERROR "${object} uses ${calls}")
  endif()
  if(sections MATCHES "\\.(init_array|ctors)")
    message(FATAL_ERROR "${object} adds code to start-up")
  endif()
  message(STATUS "${object}: no heap, no start-up code")
endforeach()
