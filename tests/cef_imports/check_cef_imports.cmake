# Fails unless every function that BINARY imports from libcef.dll is one that a
# real libcef.dll exports (one name a line in EXPORTS_LIST). A runtime of our
# own could export anything; only this list says what a real CEF runtime has.
#
#   cmake -DOBJDUMP=<objdump> -DBINARY=<exe or dll> -DEXPORTS_LIST=<file> -P check_cef_imports.cmake
cmake_minimum_required(VERSION 3.20)

foreach(var OBJDUMP BINARY EXPORTS_LIST)
  if(NOT ${var})
    message(FATAL_ERROR "check_cef_imports: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${EXPORTS_LIST}")
  message(FATAL_ERROR "The list of libcef.dll's exports is missing: ${EXPORTS_LIST}\n"
                      "Without it the import check proves nothing. Put the shared folder beside the "
                      "repository or configure with -DZEL_CEF_EXPORTS_LIST=<file>.")
endif()
if(NOT EXISTS "${BINARY}")
  message(FATAL_ERROR "No binary to check: ${BINARY} (build it first)")
endif()

file(STRINGS "${EXPORTS_LIST}" real_exports)
list(TRANSFORM real_exports STRIP)
list(REMOVE_ITEM real_exports "")
if(NOT real_exports)
  message(FATAL_ERROR "The list of libcef.dll's exports is empty: ${EXPORTS_LIST}")
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${BINARY}"
  OUTPUT_VARIABLE headers ERROR_VARIABLE objdump_errors RESULT_VARIABLE objdump_result)
if(NOT objdump_result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${BINARY} failed: ${objdump_errors}")
endif()

# The import table lists each DLL as "DLL Name: <file>" followed by its
# entries, "<vma> <hint> <name>", or "<none>" for an import by ordinal.
string(REPLACE ";" "\\;" headers "${headers}")
string(REPLACE "\n" ";" header_lines "${headers}")
set(in_libcef FALSE)
set(imports "")
foreach(line IN LISTS header_lines)
  if(line MATCHES "^[ \t]*DLL Name: (.*)$")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
    string(STRIP "${dll}" dll)
    if(dll STREQUAL "libcef.dll")
      set(in_libcef TRUE)
    else()
      set(in_libcef FALSE)
    endif()
  elseif(in_libcef AND line MATCHES "^\t[0-9a-fA-F]+\t +[0-9]+ +(.+)$")
    string(STRIP "${CMAKE_MATCH_1}" name)
    list(APPEND imports "${name}")
  endif()
endforeach()

get_filename_component(binary_name "${BINARY}" NAME)
if(NOT imports)
  message(FATAL_ERROR "${binary_name} imports nothing from libcef.dll; the check has nothing to prove")
endif()

set(foreign "")
foreach(name IN LISTS imports)
  if(NOT name IN_LIST real_exports)
    list(APPEND foreign "${name}")
  endif()
endforeach()
list(LENGTH imports import_count)
if(foreign)
  list(LENGTH foreign foreign_count)
  list(JOIN foreign "\n  " foreign_text)
  # NOTICE keeps the lines as written, so a test can match them.
  message(NOTICE "${binary_name}: ${foreign_count} of its ${import_count} imports from libcef.dll "
                 "are not exported by a real libcef.dll (\"<none>\" is an import by ordinal):"
                 "\n  ${foreign_text}")
  message(FATAL_ERROR "${binary_name} cannot load against a real libcef.dll")
endif()
message(STATUS "${binary_name}: all ${import_count} imports from libcef.dll are real CEF exports")
