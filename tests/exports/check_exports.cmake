# Compares the dynamic symbols a shared library defines with the functions
# its header declares (those marked with the export macro), and names every
# missing and every extra one.
# Usage: cmake -DNM=<nm> -DLIBRARY=<.so> -DHEADER=<.h>[|<.h>...] -DMACRO=<API macro>
#              -DCOUNT=<declared functions expected> -P check_exports.cmake

if(NOT NM)
  set(NM nm)
endif()

# Declared: "MACRO <type> name(" with the whole header on one line.
# HEADER may name several headers, separated by '|'.
string(REPLACE "|" ";" headerFiles "${HEADER}")
set(header "")
foreach(file IN LISTS headerFiles)
  file(READ "${file}" text)
  string(APPEND header "${text}\n")
endforeach()
string(REPLACE ";" "," header "${header}")
string(REPLACE "\n" " " header "${header}")
string(REGEX MATCHALL "${MACRO} [A-Za-z0-9_ ]+[ *]+[A-Za-z_][A-Za-z0-9_]*\\(" decls "${header}")
set(declared "")
foreach(decl IN LISTS decls)
  string(REGEX MATCH "([A-Za-z_][A-Za-z0-9_]*)\\($" _ "${decl}")
  list(APPEND declared "${CMAKE_MATCH_1}")
endforeach()
list(REMOVE_DUPLICATES declared)
list(SORT declared)

# Exported: every defined dynamic symbol.
execute_process(COMMAND ${NM} -D --defined-only "${LIBRARY}"
  OUTPUT_VARIABLE nmOut RESULT_VARIABLE nmResult ERROR_VARIABLE nmError)
if(NOT nmResult EQUAL 0)
  message(FATAL_ERROR "${NM} -D --defined-only ${LIBRARY} failed: ${nmError}")
endif()
string(REPLACE "\n" ";" nmLines "${nmOut}")
set(exported "")
foreach(line IN LISTS nmLines)
  if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^ @]+)")
    set(symbol "${CMAKE_MATCH_1}")
    # Neither the linker's section bounds nor the instrumentation of
    # sanitizer builds are part of the interface.
    if(NOT symbol MATCHES "^(__bss_start|_edata|_end)$" AND NOT symbol MATCHES "^__(asan|odr_asan|tsan|ubsan|sanitizer)")
      list(APPEND exported "${symbol}")
    endif()
  endif()
endforeach()
list(REMOVE_DUPLICATES exported)
list(SORT exported)

set(missing ${declared})
list(REMOVE_ITEM missing ${exported})
set(extra ${exported})
list(REMOVE_ITEM extra ${declared})
list(LENGTH declared declaredCount)

set(errors "")
if(NOT declaredCount EQUAL COUNT)
  string(APPEND errors "${HEADER} declare ${declaredCount} functions, not ${COUNT}\n")
endif()
if(missing)
  list(JOIN missing " " text)
  string(APPEND errors "declared but not exported: ${text}\n")
endif()
if(extra)
  list(JOIN extra " " text)
  string(APPEND errors "exported but not declared: ${text}\n")
endif()
if(errors)
  message(FATAL_ERROR "${LIBRARY}:\n${errors}")
endif()
message(STATUS "${LIBRARY}: exports exactly the ${declaredCount} declared functions")
