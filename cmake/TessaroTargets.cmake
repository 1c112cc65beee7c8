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

# tessaro_test(NAME DIR [CORE part...] [QT]): one GoogleTest executable from tests/DIR/*.cpp,
# linked with the named core parts only (or the whole UI library with QT).
function(tessaro_test name dir)
  cmake_parse_arguments(arg "QT" "" "CORE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(arg_QT)
    target_link_libraries(${name} PRIVATE tessaro_ui Qt6::Test GTest::gtest GTest::gmock)
  else()
    foreach(part ${arg_CORE})
      if(TARGET ${part})
        target_sources(${name} PRIVATE $<TARGET_OBJECTS:${part}>)
      endif()
    endforeach()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock)
  endif()
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE TESSARO_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
