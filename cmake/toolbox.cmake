# Every toolbox folder is two static libraries: corvalen_<box>_core, its
# computations, and corvalen_<box>, its windows: every source whose name holds
# "_window". The core links QtCore only, so its include path holds QtCore's
# folder and Qt's include root: a widget or GUI header by its class name
# (<QLabel>) is not found, but by its module's folder (<QtWidgets/QLabel>) it
# compiles, and so does any header on the system's path; the layer test
# (tests/common_core/layer_test.cpp) refuses those. Sources are picked up by
# pattern so that adding a window never means editing a list in another
# folder.
set(CORVALEN_TOOLBOX_LIBS "" CACHE INTERNAL "")
set(CORVALEN_CORE_LIBS "" CACHE INTERNAL "")

function(corvalen_toolbox box)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${box}/*.cpp ${CMAKE_SOURCE_DIR}/${box}/*.h)
  if(NOT sources)
    return()
  endif()
  set(window_sources ${sources})
  list(FILTER window_sources INCLUDE REGEX "/[^/]*_window[^/]*$")
  set(core_sources ${sources})
  list(FILTER core_sources EXCLUDE REGEX "/[^/]*_window[^/]*$")

  set(core_target "")
  if(core_sources)
    set(core_target corvalen_${box}_core)
    add_library(${core_target} STATIC ${core_sources})
    target_include_directories(${core_target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${core_target} PUBLIC corvalen_common_core)
    set(CORVALEN_CORE_LIBS ${CORVALEN_CORE_LIBS} ${core_target} CACHE INTERNAL "")
  endif()
  if(window_sources)
    add_library(corvalen_${box} STATIC ${window_sources})
    target_include_directories(corvalen_${box} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(corvalen_${box} PUBLIC corvalen_common ${core_target})
    set(CORVALEN_TOOLBOX_LIBS ${CORVALEN_TOOLBOX_LIBS} corvalen_${box} CACHE INTERNAL "")
  endif()
endfunction()
