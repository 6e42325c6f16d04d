# The Qt layers: platform stand-ins, grids, graph widgets, the application
# and the separate editor program.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Svg Test)
set(CMAKE_AUTOMOC ON)

# Platform layer: message boxes, dialogs, custom events.  Velto links it too,
# so it must not depend on the model, the analysis or Kelmor's windows.
file(GLOB PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
if(PLATFORM_SOURCES)
  add_library(kelmor_platform STATIC ${PLATFORM_SOURCES})
  target_include_directories(kelmor_platform PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(kelmor_platform PUBLIC kelmor_text Qt6::Widgets Qt6::PrintSupport)
endif()

# Kelmor's windows.
file(GLOB GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/grid/*.cpp ${CMAKE_SOURCE_DIR}/graphics/widgets/*.cpp
  ${CMAKE_SOURCE_DIR}/app/*.cpp)
list(REMOVE_ITEM GUI_SOURCES ${CMAKE_SOURCE_DIR}/app/main.cpp)
if(GUI_SOURCES)
  add_library(kelmor_gui STATIC ${GUI_SOURCES})
  target_link_libraries(kelmor_gui PUBLIC kelmor_core kelmor_platform
                        Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
  # The program's logo, a vector picture shown by the windows and the printout.
  qt_add_resources(kelmor_gui program_icon PREFIX "/"
    BASE ${CMAKE_SOURCE_DIR}/graphics/widgets
    FILES ${CMAKE_SOURCE_DIR}/graphics/widgets/ProgramIcon.svg)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/app/main.cpp)
  add_executable(Kelmor ${CMAKE_SOURCE_DIR}/app/main.cpp)
  target_link_libraries(Kelmor PRIVATE kelmor_gui)
  # The help page lives beside the program, named like it.
  configure_file(${CMAKE_SOURCE_DIR}/app/Kelmor.html ${CMAKE_BINARY_DIR}/bin/Kelmor.html COPYONLY)
endif()

# Velto, the protocol editor.
file(GLOB EDITOR_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/editor/*.cpp)
list(REMOVE_ITEM EDITOR_SOURCES ${CMAKE_SOURCE_DIR}/editor/main.cpp)
if(EXISTS ${CMAKE_SOURCE_DIR}/editor/main.cpp)
  add_library(velto_lib STATIC ${EDITOR_SOURCES})
  target_link_libraries(velto_lib PUBLIC kelmor_platform Qt6::Widgets Qt6::PrintSupport)
  add_executable(Velto ${CMAKE_SOURCE_DIR}/editor/main.cpp)
  target_link_libraries(Velto PRIVATE velto_lib)
endif()

# Widget tests: one QtTest program per file in tests/gui, named after the
# file; the prefix tells what it links (velto_*: the editor, the rest: Kelmor).
file(GLOB GUI_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/*.cpp)
foreach(src ${GUI_TEST_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  if(name MATCHES "^velto_")
    target_link_libraries(${name} PRIVATE velto_lib Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE kelmor_gui Qt6::Test)
  endif()
  target_compile_definitions(${name} PRIVATE
    KELMOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}" KELMOR_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;LOCPATH=${KELMOR_LOCPATH}" TIMEOUT 300)
endforeach()

# Process-level tests run the built programs on batch files.
file(GLOB PROCESS_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/process/*.cpp)
if(PROCESS_TEST_SOURCES)
  add_executable(process_tests ${PROCESS_TEST_SOURCES})
  # The tests run copies of the built programs.
  add_dependencies(process_tests Kelmor Velto)
  target_link_libraries(process_tests PRIVATE kelmor_text GTest::gtest GTest::gtest_main)
  target_compile_definitions(process_tests PRIVATE
    KELMOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}" KELMOR_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  gtest_discover_tests(process_tests
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LOCPATH=${KELMOR_LOCPATH}"
    DISCOVERY_TIMEOUT 60)
endif()

# Tools: small programs around the build, not tests.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/graphics_pictures.cpp)
  add_executable(graphics_pictures ${CMAKE_SOURCE_DIR}/tools/graphics_pictures.cpp)
  target_link_libraries(graphics_pictures PRIVATE kelmor_gui)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/drawing_sheets.cpp)
  add_executable(drawing_sheets ${CMAKE_SOURCE_DIR}/tools/drawing_sheets.cpp)
  target_link_libraries(drawing_sheets PRIVATE kelmor_gui)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/dialog_screenshots.cpp)
  add_executable(dialog_screenshots ${CMAKE_SOURCE_DIR}/tools/dialog_screenshots.cpp)
  target_link_libraries(dialog_screenshots PRIVATE kelmor_gui Qt6::Test)
endif()

# The banded replay is compared with the one-thread replay on a generated
# frame too.
if(TARGET banded_replay_test)
  target_sources(banded_replay_test PRIVATE ${CMAKE_SOURCE_DIR}/bench/FrameGenerator.cpp)
endif()
