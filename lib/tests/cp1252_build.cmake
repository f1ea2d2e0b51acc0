# The build-time side of the Windows-1252 routes, run as a test:
#   cmake -DCXX=<compiler> -DCC=<compiler> -DINCLUDE=<lib/include> -DWORK=<folder> -P cp1252_build.cmake
# A C++ text the code page lacks, or malformed UTF-8, must fail to compile
# while good text compiles; C code compiled with -fexec-charset=CP1252 must
# carry the same bytes as the header makes.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(compile_cxx name text expect)
  file(WRITE ${WORK}/${name}.cpp "#include \"VRCp1252.hpp\"\nconstexpr auto t = vr::cp1252(u8\"${text}\");\n")
  execute_process(COMMAND ${CXX} -std=c++20 -fsyntax-only -I${INCLUDE} ${WORK}/${name}.cpp
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect STREQUAL "ok" AND NOT rc EQUAL 0)
    message(FATAL_ERROR "${name}: \"${text}\" should compile:\n${out}")
  elseif(expect STREQUAL "fail")
    if(rc EQUAL 0)
      message(FATAL_ERROR "${name}: \"${text}\" compiled, but Windows-1252 cannot hold it")
    endif()
    # The compiler must fail in the conversion, not on something else.
    if(NOT out MATCHES "Windows-1252|UTF-8")
      message(FATAL_ERROR "${name}: failed for another reason:\n${out}")
    endif()
  endif()
endfunction()

compile_cxx(good "Nächste 18 °C – 5 €" ok)
compile_cxx(check_mark "fertig ✓" fail)
compile_cxx(a_macron "Ā" fail)
compile_cxx(emoji "heiß 😀" fail)
# A lone continuation byte: malformed UTF-8 (the escape keeps the source valid).
compile_cxx(malformed "a\\x80" fail)

# C: the compiler converts the UTF-8 source to Windows-1252 itself.
file(WRITE ${WORK}/route.c
  "#include <stdio.h>\nint main(void) { fputs(\"Nächste 18 °C\", stdout); return 0; }\n")
execute_process(COMMAND ${CC} -std=c99 -fexec-charset=CP1252 -o ${WORK}/route ${WORK}/route.c
                RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "-fexec-charset=CP1252 does not compile:\n${out}")
endif()
execute_process(COMMAND ${WORK}/route OUTPUT_FILE ${WORK}/route.out RESULT_VARIABLE rc)
file(READ ${WORK}/route.out hex HEX)
if(NOT hex STREQUAL "4ee4636873746520313820b043")
  message(FATAL_ERROR "-fexec-charset=CP1252 gave the bytes ${hex}")
endif()
message(STATUS "Windows-1252 at build time: C++ header and C compiler route checked")
