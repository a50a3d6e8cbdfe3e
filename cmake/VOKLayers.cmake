# Layers of the build. Each layer folder is reachable by its own name only
# ("dialog_toolkit/VOKDlgFrame.h"), through an include root of its own that
# holds a single link to the folder. A target sees a layer's headers only
# when it links that layer, so an include of a higher layer does not compile.

# vok_expose_folders(TARGET FOLDER...): FOLDERs (relative to the current
# source directory) become reachable as "<folder name>/..." to TARGET and to
# everything that links it.
function(vok_expose_folders target)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    get_filename_component(source ${folder} ABSOLUTE)
    get_filename_component(name ${source} NAME)
    file(CREATE_LINK ${source} ${root}/${name} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()

# vok_install_headers(FOLDER HEADER...): installs the public HEADERs of a
# layer folder under include/vokdatepicker/FOLDER.
# The API reference (docs/) is made from the same headers.
function(vok_install_headers folder)
  install(FILES ${ARGN} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vokdatepicker/${folder}
          COMPONENT development)
  foreach(header IN LISTS ARGN)
    get_filename_component(header ${header} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY VOK_PUBLIC_HEADERS ${header})
  endforeach()
endfunction()

# vok_shared_library(TARGET): the SONAME, the output folder that mirrors the
# installed layout, and libraries that find each other where installed.
function(vok_shared_library target)
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR}
    INSTALL_RPATH "$ORIGIN")
endfunction()
