# Installs the build with the prefix /usr into an empty DESTDIR and compares the installed files with the
# list in EXPECTED; checks the icon sizes against their folders and runs the installed programs.
file(REMOVE_RECURSE ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD}
                        --prefix /usr
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${DESTDIR} ${DESTDIR}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected REGEX "^[^#]")
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  message(FATAL_ERROR "installed files differ from ${EXPECTED}\n  not listed: ${extra}\n  missing: ${missing}")
endif()

# A PNG's width and height are the two big-endian words after its 16 bytes of signature and chunk head.
foreach(f ${installed})
  if(f MATCHES "/hicolor/([0-9]+)x([0-9]+)/apps/.*\\.png$")
    math(EXPR w "${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${w}" 2 -1 w)
    string(LENGTH "${w}" n)
    math(EXPR pad "8 - ${n}")
    string(REPEAT "0" ${pad} zeros)
    file(READ ${DESTDIR}/${f} head OFFSET 16 LIMIT 8 HEX)
    if(NOT head STREQUAL "${zeros}${w}${zeros}${w}")
      message(FATAL_ERROR "${f} is not ${CMAKE_MATCH_1}x${CMAKE_MATCH_2} (IHDR ${head})")
    endif()
  endif()
endforeach()

# Both installed programs start and answer --help.
foreach(program niruka niruka-cli)
  execute_process(COMMAND ${DESTDIR}/usr/bin/${program} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 20)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${program} ")
    message(FATAL_ERROR "the installed ${program} --help failed (${rc}):\n${out}${err}")
  endif()
endforeach()
file(REMOVE_RECURSE ${DESTDIR})
