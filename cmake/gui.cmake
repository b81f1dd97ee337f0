# The desktop program: Qt Widgets windows over the core.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
file(GLOB GUI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/mainwin/*.cpp ${CMAKE_SOURCE_DIR}/src/*/ui/*.cpp)
# The plot's surface is its own library (Qt Gui only); the window links it.
list(FILTER GUI_SOURCES EXCLUDE REGEX "/src/plot/ui/")
if(GUI_SOURCES)
  add_library(wakeline_gui STATIC ${GUI_SOURCES})
  target_include_directories(wakeline_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(wakeline_gui PUBLIC wakeline_core wakeline_plot_ui Qt6::Widgets)
  if(TARGET wakeline_platform)
    target_link_libraries(wakeline_gui PUBLIC wakeline_platform)
  endif()
  target_compile_options(wakeline_gui PRIVATE ${WAKELINE_WARNINGS})
  target_compile_definitions(wakeline_gui PUBLIC WAKELINE_VERSION="${PROJECT_VERSION}")

  add_executable(wakeline ${CMAKE_SOURCE_DIR}/app/gui/main.cpp)
  target_link_libraries(wakeline PRIVATE wakeline_gui)
  target_compile_options(wakeline PRIVATE ${WAKELINE_WARNINGS})
  set_target_properties(wakeline PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

  # The window benchmark drives the real window, offscreen.
  if(WAKELINE_BENCH)
    find_package(benchmark REQUIRED)
    add_executable(gui_bench ${CMAKE_SOURCE_DIR}/bench/gui_bench.cpp)
    target_link_libraries(gui_bench PRIVATE wakeline_gui benchmark::benchmark)
    target_compile_options(gui_bench PRIVATE ${WAKELINE_WARNINGS})
    set_target_properties(gui_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  endif()
endif()
