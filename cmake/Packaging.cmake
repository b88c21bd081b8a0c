# Packaging for hosts. The layers are built as static libraries (the tests link them); a host gets
# them as two shared libraries made from the same objects:
#   libnoxsimplelinks         the automation runtime, the platform, the library, the stand-in
#                             components and the start-up registration (noxsimplelinks::noxsimplelinks)
#   libnoxsimplelinks-server  the reference server, embedded or served (noxsimplelinks::server)
# and their installation: headers, a CMake package, pkg-config files, the Python module, the hosts,
# the shipped data and the docs; ./run package makes a Debian package of it (docs/packaging.md).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# While the version is 0.x any minor version may change the interface, so the SONAME carries it.
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(NOX_SOVERSION 0.${PROJECT_VERSION_MINOR})
  set(NOX_VERSION_COMPATIBILITY SameMinorVersion)
else()
  set(NOX_SOVERSION ${PROJECT_VERSION_MAJOR})
  set(NOX_VERSION_COMPATIBILITY SameMajorVersion)
endif()

set(NOX_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/noxsimplelinks)
set(NOX_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/noxsimplelinks)
set(NOX_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
# Installed programs find the libraries relative to themselves, so that any prefix works as it is
# (/usr, a prefix of one's own, a package unpacked elsewhere).
file(RELATIVE_PATH nox_lib_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_LIBDIR})

# A shared library of the objects of the static layers given, linking the outside libraries given.
# Targets of this build that link it see the layers' include roots and the outside libraries; an
# installed host sees the installed headers (include_root, under include/noxsimplelinks).
function(nox_shared_library target)
  cmake_parse_arguments(arg "" "OUTPUT_NAME;EXPORT_NAME;INCLUDE_ROOT" "LAYERS;LINKS" ${ARGN})
  add_library(${target} SHARED)
  add_library(noxsimplelinks::${arg_EXPORT_NAME} ALIAS ${target})
  foreach(layer IN LISTS arg_LAYERS)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${layer}>)
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:$<TARGET_PROPERTY:${layer},INTERFACE_INCLUDE_DIRECTORIES>>)
  endforeach()
  target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:${arg_INCLUDE_ROOT}>)
  foreach(link IN LISTS arg_LINKS)
    target_link_libraries(${target} PUBLIC $<BUILD_INTERFACE:${link}>)
  endforeach()
  target_compile_features(${target} INTERFACE cxx_std_20)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${arg_OUTPUT_NAME}
    EXPORT_NAME ${arg_EXPORT_NAME}
    LINKER_LANGUAGE CXX
    VERSION ${PROJECT_VERSION}
    SOVERSION ${NOX_SOVERSION}
    # The build folder mirrors the installed layout, so that the shipped data is found the same way.
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR}
    INSTALL_RPATH "$ORIGIN")
endfunction()

nox_shared_library(noxsimplelinks_shared OUTPUT_NAME noxsimplelinks EXPORT_NAME noxsimplelinks
  INCLUDE_ROOT ${NOX_INSTALL_INCLUDEDIR}
  LAYERS nox_automation nox_platform noxsimplelinks nox_components nox_hosting nox_objdefs nox_rights nox_datafolder nox_base64
  LINKS PkgConfig::HTTPLIB PkgConfig::XLSXWRITER Threads::Threads ${CMAKE_DL_LIBS})
# The platform's headers include pugixml's.
target_link_libraries(noxsimplelinks_shared PUBLIC pugixml::pugixml)

# The server's outside libraries, found again here: the server's folder keeps its own targets.
find_package(PostgreSQL REQUIRED)
pkg_check_modules(NOX_SODIUM REQUIRED IMPORTED_TARGET libsodium)
nox_shared_library(noxsimplelinks_server_shared OUTPUT_NAME noxsimplelinks-server EXPORT_NAME server
  INCLUDE_ROOT ${NOX_INSTALL_INCLUDEDIR}/server
  LAYERS nox_server nox_server_embedded
  LINKS SQLite::SQLite3 PostgreSQL::PostgreSQL PkgConfig::NOX_SODIUM PkgConfig::HTTPLIB Threads::Threads)
target_link_libraries(noxsimplelinks_server_shared PUBLIC noxsimplelinks_shared)

install(TARGETS noxsimplelinks_shared noxsimplelinks_server_shared EXPORT noxsimplelinksTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT Development)

# The headers a host programs against, in the folders they have in the tree: the automation runtime
# and the object factory, the platform services a host implements or replaces (user interface,
# clipboard, shell, the control site, the grid and toolbar models), the start-up registration, the
# shipped data folder and the embedded server.
install(DIRECTORY client/src/automation client/src/platform DESTINATION ${NOX_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")
install(FILES client/src/hosting/Registration.h client/src/hosting/ShippedProfile.h
  DESTINATION ${NOX_INSTALL_INCLUDEDIR}/hosting)
install(FILES shared/datafolder/DataFolder.h DESTINATION ${NOX_INSTALL_INCLUDEDIR}/datafolder)
install(FILES server/embedded/EmbeddedPlm.h DESTINATION ${NOX_INSTALL_INCLUDEDIR}/server/embedded)

# find_package(noxsimplelinks CONFIG): the imported targets, relocatable with the prefix.
install(EXPORT noxsimplelinksTargets NAMESPACE noxsimplelinks:: DESTINATION ${NOX_INSTALL_CMAKEDIR})
configure_package_config_file(cmake/noxsimplelinksConfig.cmake.in
  ${CMAKE_BINARY_DIR}/packaging/noxsimplelinksConfig.cmake INSTALL_DESTINATION ${NOX_INSTALL_CMAKEDIR}
  PATH_VARS NOX_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/packaging/noxsimplelinksConfigVersion.cmake
  COMPATIBILITY ${NOX_VERSION_COMPATIBILITY})
install(FILES ${CMAKE_BINARY_DIR}/packaging/noxsimplelinksConfig.cmake
  ${CMAKE_BINARY_DIR}/packaging/noxsimplelinksConfigVersion.cmake DESTINATION ${NOX_INSTALL_CMAKEDIR})

# pkg-config: the prefix is found from the file's own place, so that it too moves with the prefix.
file(RELATIVE_PATH NOX_PC_PREFIX /prefix/${NOX_INSTALL_PKGCONFIGDIR} /prefix)
string(REGEX REPLACE "/$" "" NOX_PC_PREFIX "\${pcfiledir}/${NOX_PC_PREFIX}")
foreach(pc noxsimplelinks noxsimplelinks-server)
  configure_file(cmake/${pc}.pc.in ${CMAKE_BINARY_DIR}/packaging/${pc}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${pc}.pc DESTINATION ${NOX_INSTALL_PKGCONFIGDIR})
endforeach()

# The hosts: every program under apps/ (the command-line host, and the desktop host when it is built).
get_property(nox_app_folders DIRECTORY apps PROPERTY SUBDIRECTORIES)
foreach(folder IN LISTS nox_app_folders)
  get_property(nox_app_targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(app IN LISTS nox_app_targets)
    get_target_property(type ${app} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_target_properties(${app} PROPERTIES INSTALL_RPATH "$ORIGIN/${nox_lib_from_bin}")
      install(TARGETS ${app} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
endforeach()

include(cmake/PythonInstall.cmake)

# The shipped data (the all-users profile, the resources, the server's sample and definitions, and
# the samples of every file format) and the docs.
install(DIRECTORY data/ DESTINATION ${NOX_INSTALL_DATADIR})
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(cmake/DebianPackage.cmake)
