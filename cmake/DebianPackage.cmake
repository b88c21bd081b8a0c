# The Debian package (./run package): one package with everything installed, under /usr, its
# dependencies on Debian's libraries found by dpkg-shlibdeps, its binaries stripped.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME noxsimplelinks)
set(CPACK_PACKAGE_VENDOR noxsimplelinks)
set(CPACK_PACKAGE_CONTACT "noxsimplelinks maintainers <noxsimplelinks@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "attached-items pane of a PLM client, as an automation control library")
set(CPACK_PACKAGE_DESCRIPTION "The control ctlSimpleLinks lists the objects linked to a parent object in a grid under a
toolbar and acts on them through request documents sent to a PLM server. With its automation runtime,
stand-in components, the reference PLM server, the simplelinks command-line host, the Python module,
headers, CMake package and pkg-config files.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The Python module is built for the one Python version it was compiled against.
string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)$" "\\1;\\2" nox_python_parts ${NOX_PYTHON_VERSION})
list(GET nox_python_parts 0 nox_python_major)
list(GET nox_python_parts 1 nox_python_minor)
math(EXPR nox_python_next "${nox_python_minor} + 1")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3 (>= ${NOX_PYTHON_VERSION}), python3 (<< ${nox_python_major}.${nox_python_next})")
# A C++ host building against the headers also needs pugixml's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libpugixml-dev")
include(CPack)
