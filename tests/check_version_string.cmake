# Fails unless EXECUTABLE holds exactly one version string, EXPECTED, as the
# Version command finds it: "$VER: " up to the terminating NUL.
file(STRINGS ${EXECUTABLE} found REGEX "\\$VER: ")
if(NOT found STREQUAL EXPECTED)
  message(FATAL_ERROR "${EXECUTABLE}: version string is '${found}', not '${EXPECTED}'")
endif()
message(STATUS "${EXECUTABLE}: ${found}")
