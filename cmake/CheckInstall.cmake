# Installs BUILD_DIR into a fresh PREFIX and compares the installed files,
# as paths relative to PREFIX in byte order, with the list in EXPECTED; of
# them, EXECUTABLE alone may carry an execute permission, and must.
file(REMOVE_RECURSE ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  OUTPUT_QUIET
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed: ${status}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  list(JOIN extra "\n  " extra)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "Installed files differ from ${EXPECTED}\n"
    "not expected:\n  ${extra}\nmissing:\n  ${missing}")
endif()

# A program installed without its execute bit cannot be started from the
# menu, and data files with one would be offered as programs.
execute_process(
  COMMAND find . -type f -perm /111 -printf "%P\n"
  WORKING_DIRECTORY ${PREFIX}
  OUTPUT_VARIABLE executables
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot list the executable files in ${PREFIX}: ${status}")
endif()
string(STRIP "${executables}" executables)
if(NOT executables STREQUAL EXECUTABLE)
  message(FATAL_ERROR "Executable files installed:\n  ${executables}\nexpected only:\n  ${EXECUTABLE}")
endif()
