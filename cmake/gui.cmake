# The desktop program: Qt Widgets windows over the core.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
file(GLOB GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/mainwin/*.cpp ${CMAKE_SOURCE_DIR}/src/plot/*.cpp ${CMAKE_SOURCE_DIR}/src/*/ui/*.cpp)
if(GUI_SOURCES)
  add_library(wakeline_gui STATIC ${GUI_SOURCES})
  target_include_directories(wakeline_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(wakeline_gui PUBLIC wakeline_core Qt6::Widgets)
  if(TARGET wakeline_platform)
    target_link_libraries(wakeline_gui PUBLIC wakeline_platform)
  endif()
  target_compile_options(wakeline_gui PRIVATE ${WAKELINE_WARNINGS})

  add_executable(wakeline ${CMAKE_SOURCE_DIR}/app/gui/main.cpp)
  target_link_libraries(wakeline PRIVATE wakeline_gui)
  target_compile_options(wakeline PRIVATE ${WAKELINE_WARNINGS})
  set_target_properties(wakeline PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
