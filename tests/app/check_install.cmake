# Installs BUILD_DIR into a fresh PREFIX and checks the installed tree as a
# distribution and a software centre see it: the layout, the icons, the
# desktop entry, the AppStream metainfo (validated, and composed into a
# catalogue that holds the component with its icons) and the manual page.
# Run with cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DICON_SIZES=...
# -DAPPSTREAMCLI=... -DDESKTOP_FILE_VALIDATE=... -DMANDOC=... -DGROFF=... -DSTRIP=... -P.
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(app_id kr.varuno.VarunoCalc)
set(expected
  bin/varunocalc
  share/applications/${app_id}.desktop
  share/metainfo/${app_id}.metainfo.xml
  share/man/man1/varunocalc.1
  share/doc/varunocalc/LICENSE
  share/icons/hicolor/scalable/apps/varunocalc.svg)
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/varunocalc.png)
endforeach()
foreach(path ${expected})
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/bin/varunocalc RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "bin/varunocalc is not executable")
endif()

# Stripped, the program stays under 3 MiB: its fonts are cut down and its
# pictures compressed (whole fonts alone would be 7 MB).
if(STRIP)
  execute_process(COMMAND ${STRIP} -o ${PREFIX}/varunocalc.stripped ${PREFIX}/bin/varunocalc RESULT_VARIABLE result)
  file(SIZE ${PREFIX}/varunocalc.stripped stripped_size)
  if(NOT result EQUAL 0 OR stripped_size GREATER 3145728)
    message(FATAL_ERROR "the stripped program has ${stripped_size} bytes, more than 3 MiB")
  endif()
endif()

# The icons are PNG pictures of their directory's size (width and height
# are the big-endian words at bytes 16 and 20 of the header).
foreach(size ${ICON_SIZES})
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
file(STRINGS ${PREFIX}/share/applications/${app_id}.desktop entry)
if(NOT "Exec=varunocalc" IN_LIST entry OR NOT "Icon=varunocalc" IN_LIST entry)
  message(FATAL_ERROR "the desktop entry does not start varunocalc with its icon")
endif()
file(READ ${PREFIX}/share/metainfo/${app_id}.metainfo.xml metainfo)
string(REPLACE "." "\\." version_regex "${VERSION}")
if(NOT metainfo MATCHES "<release version=\"${version_regex}\" date=\"[0-9]+-[0-9]+-[0-9]+\"" OR
   metainfo MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "the installed metainfo lacks the version or has an unfilled value")
endif()

# run_clean(<what> <command>...): the command must succeed and print nothing
# but lines matching `allowed` (a regex; empty allows nothing).
function(run_clean what allowed)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(REGEX REPLACE "\n$" "" trimmed "${out}")
  string(REPLACE "\n" ";" lines "${trimmed}")
  foreach(line IN LISTS lines)
    if(NOT line STREQUAL "" AND (allowed STREQUAL "" OR NOT line MATCHES "${allowed}"))
      message(FATAL_ERROR "${what} reports:\n${out}")
    endif()
  endforeach()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${out}")
  endif()
endfunction()

foreach(tool APPSTREAMCLI DESKTOP_FILE_VALIDATE MANDOC GROFF)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} not found (scripts/deps.sh installs appstream, desktop-file-utils, "
                        "mandoc, groff-base)")
  endif()
endforeach()

run_clean("desktop-file-validate" "" ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${app_id}.desktop)
# Pedantic notes only: the one there is asks for a lower-case application ID,
# which would rename the application.
run_clean("appstreamcli validate --pedantic" "^(P: |$|.*Validation was successful)"
          ${APPSTREAMCLI} validate --pedantic --no-net ${PREFIX}/share/metainfo/${app_id}.metainfo.xml)
run_clean("mandoc -T lint" "" ${MANDOC} -T lint -W all ${PREFIX}/share/man/man1/varunocalc.1)
run_clean("groff -ww -z" "" ${CMAKE_COMMAND} -E env LC_ALL=C ${GROFF} -ww -z -man
          ${PREFIX}/share/man/man1/varunocalc.1)

# A software centre's catalogue, composed from the installed tree, holds the
# component with its 64 and 128 pixel icons.
set(catalogue ${PREFIX}-catalogue)
file(REMOVE_RECURSE ${catalogue})
execute_process(COMMAND ${APPSTREAMCLI} compose --no-color --origin=varunocalc --result-root=${catalogue}
                        --prefix=/ ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB_RECURSE catalogue_xml ${catalogue}/*.xml.gz)
if(NOT result EQUAL 0 OR NOT catalogue_xml)
  message(FATAL_ERROR "appstreamcli compose failed (${result}):\n${out}")
endif()
execute_process(COMMAND gzip -dc ${catalogue_xml} OUTPUT_VARIABLE composed RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot read ${catalogue_xml}")
endif()
if(NOT composed MATCHES "<id>${app_id}</id>")
  message(FATAL_ERROR "the composed catalogue lacks the component:\n${out}\n${composed}")
endif()
foreach(size 64 128)
  if(NOT composed MATCHES "<icon type=\"cached\" width=\"${size}\" height=\"${size}\">" OR
     NOT EXISTS ${catalogue}/share/swcatalog/icons/varunocalc/${size}x${size})
    message(FATAL_ERROR "the composed catalogue lacks the ${size} px icon:\n${out}\n${composed}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX} ${catalogue})
