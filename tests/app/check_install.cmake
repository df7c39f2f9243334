# Installs BUILD_DIR into a fresh PREFIX and checks the installed layout.
# Run with cmake -DBUILD_DIR=... -DPREFIX=... -P.
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(expected
  bin/varunocalc
  share/applications/kr.varuno.VarunoCalc.desktop
  share/metainfo/kr.varuno.VarunoCalc.metainfo.xml
  share/icons/hicolor/16x16/apps/varunocalc.png
  share/icons/hicolor/32x32/apps/varunocalc.png
  share/icons/hicolor/48x48/apps/varunocalc.png)
foreach(path ${expected})
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/bin/varunocalc RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "bin/varunocalc is not executable")
endif()

# The icons are PNG pictures of their directory's size (width and height
# are the big-endian words at bytes 16 and 20 of the header).
foreach(size 16 32 48)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/varunocalc.png)
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon}: not a ${size} x ${size} PNG (${width} x ${height})")
  endif()
endforeach()

# The installed entry names the installed program and icon.
file(STRINGS ${PREFIX}/share/applications/kr.varuno.VarunoCalc.desktop entry)
if(NOT "Exec=varunocalc" IN_LIST entry OR NOT "Icon=varunocalc" IN_LIST entry)
  message(FATAL_ERROR "the desktop entry does not start varunocalc with its icon")
endif()
file(READ ${PREFIX}/share/metainfo/kr.varuno.VarunoCalc.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"1\\.0\\.0\\.1\"" OR metainfo MATCHES "@VARUNO_HOMEPAGE@")
  message(FATAL_ERROR "the installed metainfo lacks the version or the homepage")
endif()
file(REMOVE_RECURSE ${PREFIX})
