# Installs the build into a fresh prefix and checks what a desktop finds there:
# the launchers run the program from lib/pictavo, and the desktop entry, the icon
# and the project file type stand in their XDG places.
set(prefix ${BUILD}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/pictavo bin/pictavo-cli lib/pictavo/pictavo lib/pictavo/libZorvEncoder.so
        lib/pictavo/libxToMp2.so lib/pictavo/profile/avoutput/profile_group.xml
        lib/pictavo/res/icons/add_picture.svg lib/pictavo/translations/pictavo_de.qm
        lib/pictavo/translations/pictavo_ja.qm lib/pictavo/translations/qtbase_de.qm
        share/applications/org.pictavo.Pictavo.desktop
        share/icons/hicolor/scalable/apps/org.pictavo.Pictavo.svg
        share/mime/packages/org.pictavo.Pictavo.xml
        share/metainfo/org.pictavo.Pictavo.metainfo.xml)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND ${prefix}/bin/pictavo --version OUTPUT_VARIABLE version
                RESULT_VARIABLE ran)
if(NOT ran EQUAL 0 OR NOT version MATCHES "^pictavo [0-9]")
  message(FATAL_ERROR "bin/pictavo --version answered ${ran}: ${version}")
endif()
file(READ ${prefix}/share/applications/org.pictavo.Pictavo.desktop entry)
if(NOT entry MATCHES "MimeType=application/x-pictavo-project;")
  message(FATAL_ERROR "the desktop entry does not declare the project file type")
endif()
file(REMOVE_RECURSE ${prefix})
