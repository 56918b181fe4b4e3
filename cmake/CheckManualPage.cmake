# Renders the manual page PAGE as man does for a UTF-8 terminal and fails
# on any warning, since man shows the page even when troff complains.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
          man --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
  OUTPUT_QUIET
  ERROR_VARIABLE warnings
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "man ${PAGE} (status ${status}):\n${warnings}")
endif()
