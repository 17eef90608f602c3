# Every toolbox folder is one static library of all its sources; a folder
# without sources yet yields no library. Sources are picked up by pattern so
# that adding a window never means editing a list in another folder.
set(CORVALEN_TOOLBOX_LIBS "" CACHE INTERNAL "")

function(corvalen_toolbox box)
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${box}/*.cpp ${CMAKE_SOURCE_DIR}/${box}/*.h)
  if(NOT sources)
    return()
  endif()
  add_library(corvalen_${box} STATIC ${sources})
  target_include_directories(corvalen_${box} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(corvalen_${box} PUBLIC corvalen_common)
  set(CORVALEN_TOOLBOX_LIBS ${CORVALEN_TOOLBOX_LIBS} corvalen_${box} CACHE INTERNAL "")
endfunction()
