# Writes the library's size per object file and in total from
# `size -A` on the archive: code (.text), read-only data (.rodata) and RAM
# (.data and .bss; .data also takes its initial values from flash).
#   cmake -DSIZE=<size> -DARCHIVE=<lib.a> -DCPU=<core> -DOUT=<report.md> -P size_report.cmake
# Beside the report it leaves size-totals.cmake for the budget test.
execute_process(COMMAND ${SIZE} -A ${ARCHIVE} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "size_report: ${SIZE} -A ${ARCHIVE} failed")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(objects)
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ ]+)[ ]+\\(ex ")
    string(REGEX REPLACE "\\.(cpp|c)\\.(o|obj)$" ".\\1" object "${CMAKE_MATCH_1}")
    list(APPEND objects ${object})
    foreach(kind code rodata ram)
      set(${kind}_${object} 0)
    endforeach()
  elseif(object AND line MATCHES "^(\\.[^ ]+)[ ]+([0-9]+)")
    set(section ${CMAKE_MATCH_1})
    set(bytes ${CMAKE_MATCH_2})
    if(section MATCHES "^\\.text")
      math(EXPR code_${object} "${code_${object}} + ${bytes}")
    elseif(section MATCHES "^\\.rodata")
      math(EXPR rodata_${object} "${rodata_${object}} + ${bytes}")
    elseif(section MATCHES "^\\.(data|bss)")
      math(EXPR ram_${object} "${ram_${object}} + ${bytes}")
    endif()
  endif()
endforeach()

list(SORT objects)
set(total_code 0)
set(total_rodata 0)
set(total_ram 0)
set(rows "")
foreach(object IN LISTS objects)
  string(APPEND rows "| `${object}` | ${code_${object}} | ${rodata_${object}} | ${ram_${object}} |\n")
  foreach(kind code rodata ram)
    math(EXPR total_${kind} "${total_${kind}} + ${${kind}_${object}}")
  endforeach()
endforeach()

get_filename_component(name ${ARCHIVE} NAME)
file(WRITE ${OUT}
  "`${name}` for ${CPU}, bytes per source file:\n\n"
  "| Source | code | read-only data | RAM |\n|---|---|---|---|\n${rows}"
  "| **total** | **${total_code}** | **${total_rodata}** | **${total_ram}** |\n")
get_filename_component(dir ${OUT} DIRECTORY)
file(WRITE ${dir}/size-totals.cmake
  "set(VR_SIZE_CODE ${total_code})\nset(VR_SIZE_RODATA ${total_rodata})\nset(VR_SIZE_RAM ${total_ram})\n")
message(STATUS "${name} (${CPU}): ${total_code} B code, ${total_rodata} B read-only data, ${total_ram} B RAM; table in ${OUT}")
