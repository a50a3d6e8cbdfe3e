# Packages made by CPack (`cpack` in the build tree, after a build):
# - Debian packages, one per install component, for the build's prefix
#   (/usr when CMAKE_INSTALL_PREFIX is left at /usr/local):
#     libvokdatepicker1               runtime: both libraries, the catalogs
#     libvokdatepicker-dev            development: headers, CMake and pkg-config files
#     libvokdatepicker-frontend1      the terminal front end (library, header, CMake targets)
#     libvokdatepicker-webfrontend1   the web front end and its page
#     libvokdatepicker-doc            the HTML manual (when the docs were built)
#     vokdatepicker-demo              the example host and its catalog
# - one .tar.gz of everything installed.
set(CPACK_PACKAGE_NAME vokdatepicker)
set(CPACK_PACKAGE_VENDOR "The VOK date picker authors")
set(CPACK_PACKAGE_CONTACT "The VOK date picker authors <vokdatepicker@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

# The archive holds every component; the Debian packages one each.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

# ICU's runtime package is named after its major version (libicu72).
string(REGEX MATCH "^[0-9]+" VOK_ICU_MAJOR "${ICU_VERSION}")
set(VOK_RUNTIME_PACKAGE libvokdatepicker${PROJECT_VERSION_MAJOR})
set(VOK_EXACT "(= ${PROJECT_VERSION})")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${VOK_RUNTIME_PACKAGE})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "libicu${VOK_ICU_MAJOR}, libstdc++6, libc6")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libvokdatepicker-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${VOK_RUNTIME_PACKAGE} ${VOK_EXACT}, libicu-dev")
set(CPACK_DEBIAN_FRONTEND_PACKAGE_NAME libvokdatepicker-frontend${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_FRONTEND_PACKAGE_DEPENDS "${VOK_RUNTIME_PACKAGE} ${VOK_EXACT}, libncursesw6")
set(CPACK_DEBIAN_WEBFRONTEND_PACKAGE_NAME libvokdatepicker-webfrontend${PROJECT_VERSION_MAJOR})
# Debian's cpp-httplib library package is named after its minor version.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(VOK_HTTPLIB_PACKAGE QUIET cpp-httplib)
endif()
string(REGEX MATCH "^[0-9]+\\.[0-9]+" VOK_HTTPLIB_SERIES "${VOK_HTTPLIB_PACKAGE_VERSION}")
set(CPACK_DEBIAN_WEBFRONTEND_PACKAGE_DEPENDS
    "libvokdatepicker-frontend${PROJECT_VERSION_MAJOR} ${VOK_EXACT}, libcpp-httplib${VOK_HTTPLIB_SERIES}")
set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_NAME libvokdatepicker-doc)
set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DEMO_PACKAGE_NAME vokdatepicker-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_DEMO_PACKAGE_DEPENDS "libvokdatepicker-webfrontend${PROJECT_VERSION_MAJOR} ${VOK_EXACT}")
include(CPack)
