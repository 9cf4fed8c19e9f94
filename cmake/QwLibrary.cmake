# qw_add_folder_library(<target>): a static library of every .cpp in the calling folder, where
# *_win.cpp files are built only for Windows and *_posix.cpp files only elsewhere. New files join
# the library without touching the build description.
function(qw_add_folder_library target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
  endif()
  add_library(${target} STATIC ${sources})
endfunction()

# qw_add_layout_and_window_libraries(<layout target> <window target> [PORTABLE <name>...]): for the
# window layers (scroll bars, controls, frame). The calling folder's *Layout.cpp files, and the files
# <name>.cpp given after PORTABLE, need no window: they are <layout target>, built in every tree so they
# are tested natively. The folder's other .cpp files are <window target>, Windows only, linked to the
# layout target. A target without files is left out. Only the folder itself is read: a sub-folder is a
# layer of its own.
function(qw_add_layout_and_window_libraries layout window)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "PORTABLE")
  file(GLOB window_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(layout_sources ${window_sources})
  list(FILTER layout_sources INCLUDE REGEX "Layout\\.cpp$")
  foreach(name IN LISTS arg_PORTABLE)
    list(APPEND layout_sources ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  endforeach()
  list(REMOVE_ITEM window_sources ${layout_sources})
  if(layout_sources)
    add_library(${layout} STATIC ${layout_sources})
  endif()
  if(WIN32 AND window_sources)
    add_library(${window} STATIC ${window_sources})
    if(layout_sources)
      target_link_libraries(${window} PUBLIC ${layout})
    endif()
  endif()
endfunction()
