# One helper registers every test, so that each runs headless and from its own build folder.
function(sorvo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE SORVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             SORVO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The same test binary once more under the German locale, where "%f" would read decimal commas.
function(sorvo_add_locale_variant name)
  add_test(NAME ${name}_de_DE COMMAND ${name})
  set_tests_properties(${name}_de_DE PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=de_DE.UTF-8;SORVO_TEST_LOCALE=de_DE.UTF-8")
endfunction()
