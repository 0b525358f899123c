# The sample schedules of the script tests. A script names them as @SAMPLES@/FILE; a fresh
# clone may have no samples folder beside it, and a test whose samples are missing is then
# skipped, not failed. Included by tests/CMakeLists.txt (for the skip pattern) and by the
# scripts that run such tests.
set(TV_SAMPLE_SKIP_PATTERN "sample schedule not available: ")

# Sets `result` to the samples that `text` names but SAMPLES_DIR lacks ("" when none).
function(tv_missing_samples text samples_dir result)
  string(REGEX MATCHALL "@SAMPLES@/[^ \t\r\n]+" uses "${text}")
  set(missing "")
  foreach(use IN LISTS uses)
    string(REPLACE "@SAMPLES@" "${samples_dir}" path "${use}")
    if(NOT EXISTS "${path}")
      list(APPEND missing "${path}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES missing)
  set(${result} "${missing}" PARENT_SCOPE)
endfunction()

# Prints why a script test is skipped, in the form its SKIP_REGULAR_EXPRESSION matches.
function(tv_report_skipped missing)
  foreach(path IN LISTS missing)
    message(STATUS "${TV_SAMPLE_SKIP_PATTERN}${path}")
  endforeach()
endfunction()
