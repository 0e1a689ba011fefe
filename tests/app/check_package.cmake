# Builds the Debian package, unpacks it into a throw-away root (dpkg -x) and
# runs the unpacked program's --version there:
#   cmake -DBUILD_DIR=<build> -DSCRATCH=<scratch> -P check_package.cmake
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}/package
                RESULT_VARIABLE failed OUTPUT_QUIET)
file(GLOB packages ${SCRATCH}/package/rozvahon_*.deb)
if(failed OR NOT packages)
  message(FATAL_ERROR "cpack made no package: ${failed}")
endif()
list(GET packages 0 package)
execute_process(COMMAND dpkg-deb --field ${package} Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "libsqlite3-0")
  message(FATAL_ERROR "the package declares no dependencies: ${depends}")
endif()
execute_process(COMMAND dpkg -x ${package} ${SCRATCH}/root RESULT_VARIABLE failed)
foreach(file usr/bin/rozvahon usr/share/applications/cz.mlynek.Rozvahon.desktop usr/share/rozvahon/Penezka.ini)
  if(NOT EXISTS ${SCRATCH}/root/${file})
    message(FATAL_ERROR "not in the package: ${file}")
  endif()
endforeach()
execute_process(COMMAND ${SCRATCH}/root/usr/bin/rozvahon --version WORKING_DIRECTORY ${SCRATCH}
                OUTPUT_VARIABLE version RESULT_VARIABLE failed)
if(failed OR NOT version MATCHES "Rozvahon 5.6")
  message(FATAL_ERROR "the unpacked program's --version: ${failed} ${version}")
endif()
message(STATUS "packaged and checked: ${package}")
