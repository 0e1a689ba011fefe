# How a subsystem adds its code to the build.

# The .cpp and .h files of the folders (below the current source folder).
function(rozvahon_folder_sources out)
  set(sources)
  foreach(folder IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# rozvahon_logic_library(<name> FOLDERS <folders> LIBS <libraries>)
# A subsystem's deciding code: the sources of the named folders (below the
# current source folder) as a library that cannot include QtWidgets. The
# folders are recorded, so that the include check (check_layers.sh) keeps
# them from including windows from their first file on.
function(rozvahon_logic_library name)
  cmake_parse_arguments(L "" "" "FOLDERS;LIBS" ${ARGN})
  rozvahon_folder_sources(sources ${L_FOLDERS})
  foreach(folder IN LISTS L_FOLDERS)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    set_property(GLOBAL APPEND PROPERTY ROZVAHON_LOGIC_FOLDERS ${relative})
  endforeach()
  add_library(${name} STATIC ${sources})
  # The poison folder comes first: a QtWidgets header stops the build.
  target_include_directories(${name} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/poison/widgets)
  target_link_libraries(${name} PUBLIC ${L_LIBS})
endfunction()

# rozvahon_window_sources(FOLDERS <folders> [LIBS <libraries>])
# A subsystem's windows: the sources of the named folders ("." for the
# subsystem's own folder with its Registration.cpp) join rozvahon_ui, which
# also links the given libraries (the subsystem's logic library first).
function(rozvahon_window_sources)
  cmake_parse_arguments(W "" "" "FOLDERS;LIBS" ${ARGN})
  rozvahon_folder_sources(sources ${W_FOLDERS})
  target_sources(rozvahon_ui PRIVATE ${sources})
  if(W_LIBS)
    target_link_libraries(rozvahon_ui PUBLIC ${W_LIBS})
  endif()
endfunction()

# Writes the recorded logic folders, one a line, for the include check.
function(rozvahon_write_logic_folders file)
  get_property(folders GLOBAL PROPERTY ROZVAHON_LOGIC_FOLDERS)
  list(JOIN folders "\n" text)
  file(WRITE ${file} "${text}\n")
endfunction()
