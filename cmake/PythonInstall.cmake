# The Python module is installed where the prefix's Python looks for modules, chosen when installing
# (the prefix of `cmake --install --prefix` or of the package), not when configuring:
#   /usr        lib/python3/dist-packages        (Debian's place for packaged modules)
#   /usr/local  lib/python3.X/dist-packages      (Debian's Python looks there)
#   elsewhere   lib/python3.X/site-packages      (Python's own layout of a prefix)
# NOX_INSTALL_PYTHONDIR names another folder under the prefix, three levels deep like these, so that
# the module finds the library in the prefix's lib folder.
set(NOX_INSTALL_PYTHONDIR "" CACHE STRING "Where the Python module is installed under the prefix (empty: by the prefix)")
execute_process(COMMAND ${Python3_EXECUTABLE} -c "import sys; print('%d.%d' % sys.version_info[:2])"
  OUTPUT_VARIABLE NOX_PYTHON_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# In the build folder the module sits in python/, once installed three levels under the prefix.
set_target_properties(nox_python PROPERTIES
  BUILD_WITH_INSTALL_RPATH ON
  INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR};$ORIGIN/../../../${CMAKE_INSTALL_LIBDIR}")

install(CODE "
  set(nox_python_dir \"${NOX_INSTALL_PYTHONDIR}\")
  if(NOT nox_python_dir AND CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(nox_python_dir lib/python3/dist-packages)
  elseif(NOT nox_python_dir AND CMAKE_INSTALL_PREFIX STREQUAL \"/usr/local\")
    set(nox_python_dir lib/python${NOX_PYTHON_VERSION}/dist-packages)
  elseif(NOT nox_python_dir)
    set(nox_python_dir lib/python${NOX_PYTHON_VERSION}/site-packages)
  endif()
  file(INSTALL \"$<TARGET_FILE:nox_python>\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${nox_python_dir}\" TYPE SHARED_LIBRARY)
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${nox_python_dir}/$<TARGET_FILE_NAME:nox_python>\")
  endif()
")
