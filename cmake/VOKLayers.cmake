# Layers of the build. Every header is included by its folder's name
# ("dialog_toolkit/VOKDlgFrame.h"), through include roots that hold links
# to folders or files and nothing else:
# - a layer's own root links its whole folders, for the layer itself and the
#   layers that share its library;
# - a library's public root links only the headers it installs, for
#   everything outside the library.
# A target sees headers only of what it links, so an include of a higher
# layer, or of another library's private header, does not compile.

# vok_layer_folders(TARGET PUBLIC|PRIVATE FOLDER...): FOLDERs (relative to
# the current source directory) become reachable as "<folder name>/...".
function(vok_layer_folders target scope)
  set(root ${PROJECT_BINARY_DIR}/include/layers/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    get_filename_component(source ${folder} ABSOLUTE)
    get_filename_component(name ${source} NAME)
    file(CREATE_LINK ${source} ${root}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>)
endfunction()

# vok_public_headers(TARGET FOLDER HEADER... [INTERNAL HEADER...]
#                    [COMPONENT NAME]): the HEADERs (paths relative to the
# current source directory) are TARGET's public interface as
# "FOLDER/<file name>": linked into its public root, installed under
# include/vokdatepicker/FOLDER with the install component NAME
# (development by default), and made into the API reference (docs/).
# INTERNAL headers are linked into the public root for the other targets of
# this build (front ends, the example host, tests) but neither installed nor
# documented. A header left out of both lists stays in the library's own
# root: an include of it from another target does not compile.
function(vok_public_headers target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "COMPONENT" "INTERNAL")
  if(NOT arg_COMPONENT)
    set(arg_COMPONENT development)
  endif()
  set(root ${PROJECT_BINARY_DIR}/include/public/${target})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS arg_UNPARSED_ARGUMENTS arg_INTERNAL)
    get_filename_component(source ${header} ABSOLUTE)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${source} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  foreach(header IN LISTS arg_UNPARSED_ARGUMENTS)
    get_filename_component(source ${header} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY VOK_PUBLIC_HEADERS ${source})
  endforeach()
  target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>
                                                 $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/vokdatepicker>)
  if(arg_UNPARSED_ARGUMENTS)
    install(FILES ${arg_UNPARSED_ARGUMENTS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vokdatepicker/${folder}
            COMPONENT ${arg_COMPONENT})
  endif()
endfunction()

# vok_shared_library(TARGET): the SONAME, the output folder that mirrors the
# installed layout, and libraries that find each other where they lie, in
# the build tree as where installed. The search path is $ORIGIN alone: the
# one CMake computes for the build tree holds empty entries, which the
# loader reads as the working directory.
function(vok_shared_library target)
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR}
    INSTALL_RPATH "$ORIGIN"
    BUILD_WITH_INSTALL_RPATH ON)
endfunction()
