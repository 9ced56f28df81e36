# velta_add_test(NAME <exe> [GUI] SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable per library, run by CTest as one test. The shared
# main() sets up a Qt application (a QApplication with GUI) and fixes the
# Ukrainian number format.
function(velta_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/common/test_main.cpp)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} velta_core GTest::gtest GTest::gmock Qt6::Core)
  if(T_GUI)
    target_compile_definitions(${T_NAME} PRIVATE VELTA_TEST_GUI)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Widgets Qt6::Test)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    VELTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VELTA_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 900)
endfunction()
