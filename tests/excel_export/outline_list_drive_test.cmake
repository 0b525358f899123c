# End to end through the driver: drive/outline_list.drive converts a real schedule to both
# outline forms; the driver's output must equal drive/outline_list.expected, and the two
# workbooks must match the schedule when both are read independently.
# Arguments: DRIVE, SOURCE_DIR (this folder), WORK_DIR, SAMPLES_DIR. Skipped when the
# sample schedule is not on this machine.
include(${CMAKE_CURRENT_LIST_DIR}/../sample_schedules.cmake)
file(READ "${SOURCE_DIR}/drive/outline_list.drive" script)
tv_missing_samples("${script}" "${SAMPLES_DIR}" missing)
if(missing)
  tv_report_skipped("${missing}")
  return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
string(REPLACE "@WORK@" "${WORK_DIR}" script "${script}")
string(REPLACE "@SAMPLES@" "${SAMPLES_DIR}" script "${script}")
file(WRITE "${WORK_DIR}/outline_list.drive" "${script}")
execute_process(COMMAND "${DRIVE}" "${WORK_DIR}/outline_list.drive" WORKING_DIRECTORY "${WORK_DIR}"
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
string(APPEND output "EXIT ${status}\n")

file(READ "${SOURCE_DIR}/drive/outline_list.expected" expected)
string(REPLACE "@WORK@" "${WORK_DIR}" expected "${expected}")
if(NOT output STREQUAL expected)
  file(WRITE "${WORK_DIR}/actual.txt" "${output}")
  message(FATAL_ERROR "driver output differs from outline_list.expected\n${errors}\n"
                      "--- actual (also in ${WORK_DIR}/actual.txt)\n${output}")
endif()

execute_process(COMMAND /usr/bin/python3 "${SOURCE_DIR}/check_outline_list_files.py"
                        "${SAMPLES_DIR}/sample1.xml" "${WORK_DIR}/indent.xlsx"
                        "${WORK_DIR}/column.xlsx"
                OUTPUT_VARIABLE check_output ERROR_VARIABLE check_errors RESULT_VARIABLE check_status)
if(NOT check_status EQUAL 0)
  message(FATAL_ERROR "the workbooks do not match the schedule:\n${check_output}${check_errors}")
endif()
