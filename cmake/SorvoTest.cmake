# One helper registers every test, so that each runs headless and from its own build folder, on
# an offscreen desktop of 1920 x 1200 pixels (the platform's own default is a small 800 x 600).
set(SORVO_OFFSCREEN "offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/offscreen-screen.json")
function(sorvo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE SORVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             SORVO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=${SORVO_OFFSCREEN}")
endfunction()

# The same test binary once more under the German locale, where "%f" would read decimal commas.
function(sorvo_add_locale_variant name)
  add_test(NAME ${name}_de_DE COMMAND ${name})
  set_tests_properties(${name}_de_DE PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=${SORVO_OFFSCREEN};LC_ALL=de_DE.UTF-8;SORVO_TEST_LOCALE=de_DE.UTF-8")
endfunction()
