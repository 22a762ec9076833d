# The 32-bit shipping build cannot run here: its test binaries are built, not run.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ZRT_RUNNABLE OFF)
else()
  set(ZRT_RUNNABLE ON)
endif()

# zrt_add_gtest(name SOURCES ... LIBS ... [LABELS ...] [WINE_DISPLAY])
# One GoogleTest binary, one ctest test. On the Windows builds ctest runs it through
# CMAKE_CROSSCOMPILING_EMULATOR (tools/wine-run.sh); WINE_DISPLAY asks for an X display.
function(zrt_add_gtest name)
  cmake_parse_arguments(A "WINE_DISPLAY" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  zrt_warnings(${name})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE ZRT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(ZRT_WINDOWS)
    set_target_properties(${name} PROPERTIES SUFFIX .exe)
  endif()
  if(NOT ZRT_RUNNABLE)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT} LABELS "${A_LABELS}")
  if(ZRT_WINDOWS)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
      ENVIRONMENT "ZRT_WINEPREFIX=${ZRT_WINEPREFIX}")
    if(A_WINE_DISPLAY)
      # Alone: a Wine session that a test without a display started would take this test's
      # windows and draw nothing (tools/wine-run.sh waits for such a session to end).
      set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT ZRT_WINE_DISPLAY=1)
      set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
    endif()
  endif()
endfunction()

# zrt_portable_library(name SOURCES ...): a portable core (standard C++ only); built on all
# three builds so that native and Wine tests link the same code.
function(zrt_portable_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  zrt_warnings(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

if(ZRT_WINDOWS AND ZRT_RUNNABLE)
  # The prefix is made once per ctest run by this fixture; every Wine test requires it.
  set(ZRT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the test runs")
  add_test(NAME wine_prefix_setup COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-prefix.sh fresh)
  set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300
    ENVIRONMENT "ZRT_WINEPREFIX=${ZRT_WINEPREFIX}")
endif()
