# `make install` (cmake --install, PREFIX and DESTDIR): the program folder as the build stages it,
# a launcher, a desktop entry, an icon and the file types.
#
#   PREFIX/lib/veltrano/bin/        the program folder: executables, shared libraries, Data/, Plugins/,
#                                   and the marker that keeps every user's files out of it
#   PREFIX/lib/veltrano/examples/   the samples, one level above the program folder
#   PREFIX/bin/veltrano, veltrano-run   links into the program folder
#   PREFIX/share/applications/veltrano.desktop, share/icons/hicolor/..., share/mime/packages/veltrano.xml

set(VL_INSTALL_ROOT lib/veltrano)
set(VL_INSTALL_PROGRAM_DIR ${VL_INSTALL_ROOT}/bin)

# Every target the build puts into the staged program folder, with its own place inside it.
function(vl_collect_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    vl_collect_targets(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(vl_install_program_folder)
  vl_collect_targets(${CMAKE_SOURCE_DIR} targets)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
    elseif(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
      get_target_property(dir ${target} LIBRARY_OUTPUT_DIRECTORY)
    else()
      continue()
    endif()
    if(NOT dir OR NOT (dir STREQUAL VL_PROGRAM_DIR OR dir MATCHES "^${VL_PROGRAM_DIR}/"))
      continue() # tests, benchmarks and fuzz targets stay in the build
    endif()
    file(RELATIVE_PATH inside ${VL_PROGRAM_DIR} ${dir})
    install(TARGETS ${target}
      RUNTIME DESTINATION ${VL_INSTALL_PROGRAM_DIR}/${inside}
      LIBRARY DESTINATION ${VL_INSTALL_PROGRAM_DIR}/${inside})
  endforeach()

  set(data ${CMAKE_SOURCE_DIR}/data)
  install(DIRECTORY ${data}/program/ DESTINATION ${VL_INSTALL_PROGRAM_DIR} PATTERN .gitkeep EXCLUDE)
  install(DIRECTORY ${data}/examples DESTINATION ${VL_INSTALL_ROOT} PATTERN .gitkeep EXCLUDE)
  install(FILES ${data}/install/Installed.txt DESTINATION ${VL_INSTALL_PROGRAM_DIR})
  install(FILES ${data}/install/veltrano.svg DESTINATION share/icons/hicolor/scalable/apps)
  install(FILES ${data}/install/veltrano-48.png DESTINATION share/icons/hicolor/48x48/apps RENAME veltrano.png)
  install(FILES ${data}/install/veltrano-mime.xml DESTINATION share/mime/packages RENAME veltrano.xml)

  # The launchers and the desktop entry know the prefix only when installing (--prefix may change it).
  install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    file(MAKE_DIRECTORY \"\${root}/bin\" \"\${root}/share/applications\")
    foreach(program veltrano veltrano-run)
      file(REMOVE \"\${root}/bin/\${program}\")
      file(CREATE_LINK \"../${VL_INSTALL_PROGRAM_DIR}/\${program}\" \"\${root}/bin/\${program}\" SYMBOLIC)
    endforeach()
    set(VL_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/veltrano\")
    configure_file(\"${data}/install/veltrano.desktop.in\" \"\${root}/share/applications/veltrano.desktop\" @ONLY)
    message(STATUS \"Installing: \${root}/bin/veltrano, \${root}/share/applications/veltrano.desktop\")
    # Straight onto this machine (no DESTDIR): the desktop learns of the new types and icon now.
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(update_mime update-mime-database)
      find_program(update_desktop update-desktop-database)
      find_program(update_icons gtk-update-icon-cache)
      if(update_mime)
        execute_process(COMMAND \${update_mime} \"\${root}/share/mime\" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(update_desktop)
        execute_process(COMMAND \${update_desktop} \"\${root}/share/applications\" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(update_icons)
        execute_process(COMMAND \${update_icons} -q -t \"\${root}/share/icons/hicolor\" OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ")
endfunction()
