# The application's command line, on the real executable: --help, and the refusals with their usage text
# and status 2. The toolkit's own options (-style) are taken out before the application's rule sees them.
function(run expected_status expected_output)
  execute_process(COMMAND ${NIRUKA} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 20)
  if(expected_status EQUAL 0)
    set(text "${out}")
  else()
    set(text "${err}")
  endif()
  if(NOT rc STREQUAL "${expected_status}" OR NOT text MATCHES "${expected_output}")
    message(FATAL_ERROR "niruka ${ARGN}: status ${rc}, expected ${expected_status}\n"
                        "stdout: ${out}\nstderr: ${err}\nexpected to match: ${expected_output}")
  endif()
endfunction()

run(0 "^usage: niruka \\[FILE\\.nrk \\| FILE\\.gra\\]\n" --help)
run(0 "^usage: niruka " -style fusion -h)
run(2 "niruka: unknown option --bogus\nusage: niruka " --bogus)
run(2 "niruka: only one file can be opened at a time\nusage: niruka " a.nrk b.gra)
