# Builds the Debian packages of the build folder BUILD with cpack into OUT and reads them back with
# dpkg-deb: each package holds its program, data, desktop entry, AppStream file and icons under /usr,
# and names its library and font packages. Run with cmake -P.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                        -D CPACK_DEBIAN_COMPRESSION_TYPE=none
                WORKING_DIRECTORY ${OUT} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${output}")
endif()

set(problems)
# Checks one package: its file (by name pattern), entries its listing must hold, and its control fields.
function(check_package pattern entries fields)
  file(GLOB found ${OUT}/${pattern})
  if(NOT found)
    set(problems "${problems}\nno package ${pattern}" PARENT_SCOPE)
    return()
  endif()
  execute_process(COMMAND ${DPKG_DEB} --contents ${found} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
  execute_process(COMMAND ${DPKG_DEB} --info ${found} OUTPUT_VARIABLE info)
  set(missing)
  if(NOT result EQUAL 0)
    set(missing "\n  dpkg-deb cannot list it")
  endif()
  foreach(entry ${entries})
    string(FIND "${listing}" " ./usr/${entry}\n" at)
    if(at EQUAL -1)
      set(missing "${missing}\n  /usr/${entry}")
    endif()
  endforeach()
  foreach(field ${fields})
    if(NOT info MATCHES "${field}")
      set(missing "${missing}\n  control: ${field}")
    endif()
  endforeach()
  if(missing)
    set(problems "${problems}\n${pattern} lacks:${missing}" PARENT_SCOPE)
  endif()
endfunction()

set(icon share/icons/hicolor/48x48/apps)
check_package(tarnhook_*.deb
  "games/tarnhook;share/tarnhook/lakes/lakes.ini;share/tarnhook/objects.dxg;share/tarnhook/tarnhook.ini;share/man/man6/tarnhook.6.gz;share/applications/org.tarnhook.tarnhook.desktop;share/metainfo/org.tarnhook.tarnhook.metainfo.xml;${icon}/org.tarnhook.tarnhook.png"
  "Package: tarnhook\n;Section: games;Depends:[^\n]*libsdl2-2.0-0;Depends:[^\n]*libc6;Depends:[^\n]*fonts-dejavu-core")
check_package(bowling_*.deb
  "games/bowling;share/bowling/graphics.dxg;share/bowling/leds/intro.led;share/bowling/bowlers/Vekt/anis.dxg;share/man/man6/bowling.6.gz;share/applications/org.tarnhook.bowling.desktop;share/metainfo/org.tarnhook.bowling.metainfo.xml;${icon}/org.tarnhook.bowling.png"
  "Package: bowling\n;Section: games;Depends:[^\n]*libsdl2-2.0-0;Depends:[^\n]*fonts-dejavu-core")
check_package(tarnhook-bowling-tools_*.deb "bin/dxlib;bin/dxview;bin/bowlsim"
  "Package: tarnhook-bowling-tools\n;Depends:[^\n]*libc6")
file(REMOVE_RECURSE ${OUT})
if(problems)
  message(FATAL_ERROR "${problems}")
endif()
