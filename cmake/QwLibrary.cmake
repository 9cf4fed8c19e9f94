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
