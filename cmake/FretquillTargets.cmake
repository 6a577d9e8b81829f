# Shared settings for every target of the project.
function(fretquill_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(FRETQUILL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# fretquill_library(NAME SOURCES ... DEPS ...): one static library per core folder.
# Includes name the folder ("music/note.h"), so the source root is the include root.
function(fretquill_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  fretquill_defaults(${name})
endfunction()

# fretquill_test(NAME SOURCES ... DEPS ...): one GoogleTest executable per folder.
function(fretquill_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    FRETQUILL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    FRETQUILL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    FRETQUILL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  fretquill_defaults(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
