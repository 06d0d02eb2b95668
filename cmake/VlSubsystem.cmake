# Helpers that give every subsystem folder the same shape: one static library, one test program.

# vl_add_subsystem(NAME [DEPS targets...] [SOURCES extra files...] [EXCLUDE file names...])
# Builds every .cpp in the calling folder (not its subfolders) into the static library NAME;
# a folder with no sources yet becomes an interface library so that dependants still link.
function(vl_add_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  list(APPEND sources ${ARG_SOURCES})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# vl_add_test_suite(NAME [QT] LIBS targets... [TEST_FILTER gtest-filter])
# Builds every .cpp in the calling folder into the test program NAME and registers its cases
# with CTest. Paths reach the tests through the environment (see tests/common/VlTestPaths.h), which
# keeps absolute paths out of compile flags so that ccache hits across clones. QT suites get a main that creates a QApplication on the offscreen platform.
function(vl_add_test_suite name)
  cmake_parse_arguments(ARG "QT" "TEST_FILTER" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources OR (ARG_QT AND NOT VL_BUILD_GUI))
    return()
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vl_test_qt_main GTest::gtest Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  endif()
  # The variables reach both test discovery and every test through `cmake -E env` (a test property
  # ENVIRONMENT with several variables does not survive gtest_discover_tests' list handling).
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
    "${CMAKE_COMMAND};-E;env;QT_QPA_PLATFORM=offscreen;VL_TEST_DATA_DIR=${CMAKE_SOURCE_DIR}/tests/data;VL_PROGRAM_DIR=${VL_PROGRAM_DIR}")
  set(filter "")
  if(ARG_TEST_FILTER)
    set(filter TEST_FILTER ${ARG_TEST_FILTER})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    ${filter})
endfunction()

# vl_add_fuzz_target(NAME SOURCE file LIBS targets...)
# A libFuzzer program, built only with -DVL_FUZZ=ON (clang); `make fuzz` runs every one of them.
function(vl_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "SOURCE" "LIBS" ${ARGN})
  if(NOT VL_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCE})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(vl_fuzz_targets ${name})
endfunction()
