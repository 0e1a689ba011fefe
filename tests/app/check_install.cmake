# Installs the build into a fresh prefix and checks it file by file, then
# runs the installed program from another folder, away from the build tree:
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

set(expected
  bin/rozvahon bin/Zapomnik bin/Volbik bin/Minulak bin/Hydrak bin/Voltak bin/Plamak
  share/applications/cz.mlynek.Rozvahon.desktop share/metainfo/cz.mlynek.Rozvahon.metainfo.xml
  share/icons/hicolor/scalable/apps/cz.mlynek.Rozvahon.svg
  share/man/man1/rozvahon.1 share/man/cs/man1/rozvahon.1
  share/rozvahon/Penezka.ini share/rozvahon/TemaDef.vdd share/rozvahon/Textura.bmp
  share/rozvahon/Data/Leden.db "share/rozvahon/VlDb Data/Predvlby.db" share/rozvahon/help/index.html)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/cz.mlynek.Rozvahon.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Nothing of the build tree is installed: no tests, benchmarks or tools.
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/bin/*)
foreach(file IN LISTS installed)
  if(file MATCHES "test_|bench|grab|deliver|icons")
    message(FATAL_ERROR "installed by mistake: ${file}")
  endif()
endforeach()

# The installed program answers from another folder ...
execute_process(COMMAND ${PREFIX}/bin/rozvahon --version WORKING_DIRECTORY ${PREFIX}/share
                OUTPUT_VARIABLE version RESULT_VARIABLE failed)
if(failed OR NOT version MATCHES "Rozvahon 5.6")
  message(FATAL_ERROR "the installed program's --version: ${failed} ${version}")
endif()
# ... and fills a new program folder from its own delivered files (looked
# for beside the executable before anything else), then runs until stopped.
set(folder ${PREFIX}/home/Rozvahon)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=ROZVAHON_DELIVERED QT_QPA_PLATFORM=offscreen
                        ROZVAHON_FAKE_PLATFORM=1 XDG_CONFIG_HOME=${PREFIX}/home/config
                        ${PREFIX}/bin/rozvahon --dir ${folder}
                WORKING_DIRECTORY ${PREFIX} TIMEOUT 8 RESULT_VARIABLE ended OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS ${folder}/Penezka.ini OR NOT EXISTS ${folder}/Data/Leden.db)
  message(FATAL_ERROR "the installed program did not fill its folder (${ended})")
endif()
message(STATUS "installed and checked: ${PREFIX}")
