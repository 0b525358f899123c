# Runs one driver script test: every part of SCRIPT (name.drive, or name.1.drive|name.2.drive|...
# in order) runs through DRIVE in a fresh WORK_DIR; the output of the
# parts, each followed by "EXIT <status>", must equal the .expected file of the test.
# In scripts and the expected file, @WORK@, @SAMPLES@ and @DATA@ stand for WORK_DIR,
# SAMPLES_DIR and TEST_DATA_DIR. A file name.ini next to the script is copied to
# @WORK@/settings.ini (placeholders replaced) before the first part. A test whose scripts
# name sample schedules that are not on this machine is skipped.
include(${CMAKE_CURRENT_LIST_DIR}/../sample_schedules.cmake)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(substitute text result)
  string(REPLACE "@WORK@" "${WORK_DIR}" text "${text}")
  string(REPLACE "@SAMPLES@" "${SAMPLES_DIR}" text "${text}")
  string(REPLACE "@DATA@" "${TEST_DATA_DIR}" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE "|" ";" SCRIPT "${SCRIPT}")
set(missing "")
foreach(part IN LISTS SCRIPT)
  file(READ "${part}" script_text)
  tv_missing_samples("${script_text}" "${SAMPLES_DIR}" missing_here)
  list(APPEND missing ${missing_here})
endforeach()
if(missing)
  tv_report_skipped("${missing}")
  return()
endif()

list(GET SCRIPT 0 first_part)
get_filename_component(script_dir "${first_part}" DIRECTORY)
get_filename_component(script_name "${first_part}" NAME)
string(REGEX REPLACE "\\..*$" "" test_name "${script_name}")
if(EXISTS "${script_dir}/${test_name}.ini")
  file(READ "${script_dir}/${test_name}.ini" settings_text)
  substitute("${settings_text}" settings_text)
  file(WRITE "${WORK_DIR}/settings.ini" "${settings_text}")
endif()

set(actual "")
set(index 0)
foreach(part IN LISTS SCRIPT)
  file(READ "${part}" script_text)
  substitute("${script_text}" script_text)
  set(prepared "${WORK_DIR}/part${index}.drive")
  file(WRITE "${prepared}" "${script_text}")
  execute_process(COMMAND "${DRIVE}" "${prepared}" WORKING_DIRECTORY "${WORK_DIR}"
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  string(APPEND actual "${output}EXIT ${status}\n")
  if(errors)
    message("standard error of ${part}:\n${errors}")
  endif()
  math(EXPR index "${index} + 1")
endforeach()

if(NOT EXISTS "${script_dir}/${test_name}.expected")
  file(WRITE "${WORK_DIR}/actual.txt" "${actual}")
  message(FATAL_ERROR "${test_name}.expected is missing; the output is in ${WORK_DIR}/actual.txt")
endif()
file(READ "${script_dir}/${test_name}.expected" expected)
substitute("${expected}" expected)
if(NOT actual STREQUAL expected)
  file(WRITE "${WORK_DIR}/actual.txt" "${actual}")
  message(FATAL_ERROR "driver output differs from ${test_name}.expected\n"
                      "--- expected\n${expected}--- actual (also in ${WORK_DIR}/actual.txt)\n"
                      "${actual}")
endif()
