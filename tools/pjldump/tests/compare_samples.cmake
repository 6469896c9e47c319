# Runs pjldump on every sample reply (<name>.pjl) and compares its output with
# <name>.expected; then checks standard input, several files in one run, and
# the exit status for a file that cannot be read.
#   cmake -DPJLDUMP=<exe> -DSAMPLES=<dir> -DWORK=<dir> -P compare_samples.cmake
file(MAKE_DIRECTORY ${WORK})
set(failures 0)

function(expect_output what actual expected_file)
  file(READ ${expected_file} expected)
  if(NOT actual STREQUAL expected)
    string(MAKE_C_IDENTIFIER "${what}" id)
    file(WRITE ${WORK}/${id}.actual "${actual}")
    message(SEND_ERROR "${what}: output differs from ${expected_file}; see ${WORK}/${id}.actual")
  endif()
endfunction()

function(expect_status what rc wanted)
  if(NOT rc EQUAL wanted)
    message(SEND_ERROR "${what}: exit status ${rc}, expected ${wanted}")
  endif()
endfunction()

file(GLOB inputs ${SAMPLES}/*.pjl)
list(LENGTH inputs count)
if(count LESS 3)
  message(FATAL_ERROR "too few samples in ${SAMPLES}")
endif()
set(all_expected "")
foreach(input ${inputs})
  get_filename_component(name ${input} NAME_WE)
  execute_process(COMMAND ${PJLDUMP} ${input} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  expect_status(${name} "${rc}" 0)
  expect_output(${name} "${out}" ${SAMPLES}/${name}.expected)
  file(READ ${SAMPLES}/${name}.expected part)
  string(APPEND all_expected "${part}")
endforeach()

# All samples in one run: the listings one after another, a new parser per file.
execute_process(COMMAND ${PJLDUMP} ${inputs} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
expect_status("all samples" "${rc}" 0)
file(WRITE ${WORK}/all.expected "${all_expected}")
expect_output("all samples" "${out}" ${WORK}/all.expected)

# Standard input, with no argument and with "-".
foreach(args "" "-")
  execute_process(COMMAND ${PJLDUMP} ${args} INPUT_FILE ${SAMPLES}/status.pjl OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  expect_status("stdin '${args}'" "${rc}" 0)
  expect_output("stdin '${args}'" "${out}" ${SAMPLES}/status.expected)
endforeach()

# An unreadable file: a message naming it, status 2, the other files still dumped.
execute_process(COMMAND ${PJLDUMP} ${SAMPLES}/no-such-reply.pjl ${SAMPLES}/status.pjl
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
expect_status("missing file" "${rc}" 2)
if(NOT err MATCHES "no-such-reply\\.pjl")
  message(SEND_ERROR "missing file: no message naming it on standard error (got '${err}')")
endif()
expect_output("missing file" "${out}" ${SAMPLES}/status.expected)
