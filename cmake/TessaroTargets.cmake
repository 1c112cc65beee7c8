# Helpers that keep each folder of the core in its own object library, so a test of one folder
# builds only what it depends on.

set(TESSARO_CORE_PARTS "" CACHE INTERNAL "")

function(tessaro_core_part name)
  set(sources "")
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} OBJECT ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    set(TESSARO_CORE_PARTS ${TESSARO_CORE_PARTS} ${name} CACHE INTERNAL "")
  endif()
endfunction()

set(TESSARO_UI_PARTS "" CACHE INTERNAL "")

# Qt sources and resources of one folder (app/main.cpp is the executable's own).
function(tessaro_ui_part name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h
       ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/app/main.cpp)
  if(sources)
    add_library(${name} OBJECT ${sources})
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
    set(TESSARO_UI_PARTS ${TESSARO_UI_PARTS} ${name} CACHE INTERNAL "")
  endif()
endfunction()

# tessaro_test(NAME DIR [CORE part...] [UI part...] [QT]): one GoogleTest executable from
# tests/DIR/*.cpp, linked with the named core and Qt parts only, or with the whole UI library
# when QT is given without UI parts.
function(tessaro_test name dir)
  cmake_parse_arguments(arg "QT" "" "CORE;UI" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(arg_QT AND NOT arg_UI)
    target_link_libraries(${name} PRIVATE tessaro_ui)
  endif()
  foreach(part ${arg_CORE} ${arg_UI})
    if(TARGET ${part})
      target_sources(${name} PRIVATE $<TARGET_OBJECTS:${part}>)
    endif()
  endforeach()
  if(arg_QT)
    # Every Qt test has the shared Qt helpers, the scripted interaction and a QApplication main.
    file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/support/*.cpp)
    target_sources(${name} PRIVATE ${support})
    if(arg_UI AND TARGET ui_common AND NOT "ui_common" IN_LIST arg_UI)
      target_sources(${name} PRIVATE $<TARGET_OBJECTS:ui_common>)
    endif()
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
