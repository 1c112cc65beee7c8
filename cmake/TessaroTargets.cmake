# Each folder is a static library that names the parts it depends on, so that a program or a test
# links the parts it uses and gets theirs through them, and only the objects it needs.

# tessaro_part(NAME DIRS dir... [DEPENDS part...] [QT]): the sources of the folders. A Qt part gets
# moc and rcc and links Qt Widgets (app/main.cpp is the program's own). A folder without sources
# stops the configuration, so that a renamed folder cannot drop out of the build unnoticed.
function(tessaro_part name)
  cmake_parse_arguments(arg "QT" "" "DIRS;DEPENDS" ${ARGN})
  set(sources "")
  foreach(dir ${arg_DIRS})
    set(patterns ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    if(arg_QT)
      list(APPEND patterns ${CMAKE_SOURCE_DIR}/${dir}/*.h ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
    endif()
    file(GLOB found CONFIGURE_DEPENDS ${patterns})
    if(NOT found)
      message(FATAL_ERROR "${name}: no sources in ${dir}")
    endif()
    list(APPEND sources ${found})
  endforeach()
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/app/main.cpp)
  add_library(${name} STATIC ${sources})
  # Position-independent, as the PDF library of tessaro-cli (a shared library) links parts too.
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  if(arg_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
  endif()
endfunction()

# tessaro_test(NAME DIR part... [QT]): one GoogleTest executable from tests/DIR/*.cpp, linked with
# the parts it tests. A Qt test also gets the shared Qt test helpers and a QApplication main.
function(tessaro_test name dir)
  cmake_parse_arguments(arg "QT" "" "" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "${name}: no tests in ${dir}")
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS})
  if(arg_QT)
    file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/support/*.cpp)
    target_sources(${name} PRIVATE ${support})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/ui)
    target_link_libraries(${name} PRIVATE Qt6::Widgets Qt6::PrintSupport Qt6::Test GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE TESSARO_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
                                             ${TESSARO_DATA_DEFINITIONS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
