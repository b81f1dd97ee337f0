# The desktop program, in layers: the session and the shared widgets over the core, the windows
# over those, the app wiring the windows together.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

# The track session and the sentence output it chooses: Qt Core and the platform adapters, no widgets.
file(GLOB SESSION_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/session/*.cpp)
add_library(wakeline_session STATIC ${SESSION_SOURCES})
target_include_directories(wakeline_session PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(wakeline_session PUBLIC wakeline_core wakeline_platform Qt6::Core)
target_compile_options(wakeline_session PRIVATE ${WAKELINE_WARNINGS})

# What every window is built from: twips, the grid, the prompts, the number box.
file(GLOB WIDGET_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/widgets/*.cpp)
add_library(wakeline_widgets STATIC ${WIDGET_SOURCES})
target_include_directories(wakeline_widgets PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(wakeline_widgets PUBLIC wakeline_core Qt6::Widgets)
target_compile_options(wakeline_widgets PRIVATE ${WAKELINE_WARNINGS})
target_compile_definitions(wakeline_widgets PUBLIC WAKELINE_VERSION="${PROJECT_VERSION}")

# The windows. The plot's surface is its own library (Qt Gui only); the window links it.
file(GLOB GUI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/mainwin/*.cpp ${CMAKE_SOURCE_DIR}/src/*/ui/*.cpp)
list(FILTER GUI_SOURCES EXCLUDE REGEX "/src/plot/ui/")
file(GLOB PLOT_WINDOW_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/plot/ui/plot_window*.cpp)
list(APPEND GUI_SOURCES ${PLOT_WINDOW_SOURCES})
add_library(wakeline_gui STATIC ${GUI_SOURCES})
target_include_directories(wakeline_gui PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(wakeline_gui PUBLIC wakeline_session wakeline_widgets wakeline_plot_ui)
if(TARGET wakeline_platform)
  target_link_libraries(wakeline_gui PUBLIC wakeline_platform)
endif()
target_compile_options(wakeline_gui PRIVATE ${WAKELINE_WARNINGS})

# The app: the command line and the wiring of the windows; main.cpp alone makes the program.
file(GLOB APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/gui/*.cpp)
list(REMOVE_ITEM APP_SOURCES ${CMAKE_SOURCE_DIR}/app/gui/main.cpp)
add_library(wakeline_app STATIC ${APP_SOURCES})
target_include_directories(wakeline_app PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(wakeline_app PUBLIC wakeline_gui)
target_compile_options(wakeline_app PRIVATE ${WAKELINE_WARNINGS})

add_executable(wakeline ${CMAKE_SOURCE_DIR}/app/gui/main.cpp)
target_link_libraries(wakeline PRIVATE wakeline_app)
target_compile_options(wakeline PRIVATE ${WAKELINE_WARNINGS})
set_target_properties(wakeline PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The window benchmarks drive the real windows, offscreen.
if(WAKELINE_BENCH)
  find_package(benchmark REQUIRED)
  foreach(name gui_bench plot_window_bench)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/bench/${name}.cpp)
    target_link_libraries(${name} PRIVATE wakeline_app benchmark::benchmark)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bench)
    target_compile_options(${name} PRIVATE ${WAKELINE_WARNINGS})
    target_compile_definitions(${name} PRIVATE WAKELINE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  endforeach()
  target_link_libraries(plot_window_bench PRIVATE bench_support)
endif()
