# The program's command line and its start without a display, run as a user
# would. Run with cmake -DAPP=<varunocalc> -DVERSION=<project version> -P.
#
# Every case runs with no display at all unless it says otherwise, so an
# answer that opened a window (or even connected to the window system)
# would end with the no-display error instead.
cmake_minimum_required(VERSION 3.22)

set(no_display --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE)
# The runtime directory is a short path under /tmp, not in the build tree:
# a Wayland socket's path inside it must fit the 108 bytes of a Unix socket
# address however deep the build tree lies.
execute_process(COMMAND mktemp -d /tmp/varuno-runtime.XXXXXX OUTPUT_VARIABLE runtime
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot make a runtime directory under /tmp")
endif()

# run(<name> <status> <stdout regex> <stderr regex> [ENV var=value...] ARGS arg...)
# An empty regex means the stream must be empty; stderr "one-line:<regex>"
# means exactly one line that matches.
function(run name status out_regex err_regex)
  cmake_parse_arguments(ARG "" "" "ENV;ARGS" ${ARGN})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${no_display} XDG_RUNTIME_DIR=${runtime} ${ARG_ENV}
                          ${APP} ${ARG_ARGS}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  set(what "${name} (status ${result}, stdout \"${out}\", stderr \"${err}\")")
  if(NOT result STREQUAL "${status}")
    message(SEND_ERROR "${what}: expected status ${status}")
  endif()
  if(out_regex STREQUAL "" AND NOT out STREQUAL "")
    message(SEND_ERROR "${what}: expected nothing on stdout")
  elseif(NOT out MATCHES "${out_regex}")
    message(SEND_ERROR "${what}: stdout does not match ${out_regex}")
  endif()
  if(err_regex MATCHES "^one-line:(.*)")
    set(err_regex "^${CMAKE_MATCH_1}[^\n]*\n$")
  endif()
  if(err_regex STREQUAL "" AND NOT err STREQUAL "")
    message(SEND_ERROR "${what}: expected nothing on stderr")
  elseif(NOT err MATCHES "${err_regex}")
    message(SEND_ERROR "${what}: stderr does not match ${err_regex}")
  endif()
endfunction()

string(REPLACE "." "\\." version_regex "${VERSION}")
run("--help" 0 "^Usage: varunocalc \\[OPTION\\]\\.\\.\\.\n.*--version" "" ARGS --help)
run("--help after other arguments" 0 "^Usage: varunocalc" "" ARGS --bogus --help)
run("--version" 0 "^varunocalc ${version_regex}\n$" "" ARGS --version)
run("unknown option" 2 "" "^varunocalc: unknown option '--bogus'\nTry 'varunocalc --help'[^\n]*\n$" ARGS --bogus)
run("unknown single-dash option" 2 "" "unknown option '-x'" ARGS -x)
run("unknown option after a Qt option and its value" 2 "" "unknown option '--bogus'"
    ARGS -platform offscreen --bogus)
run("an argument that is no option" 2 "" "unexpected argument 'notes.txt'" ARGS notes.txt)
run("a developer aid without its file" 2 "" "--screenshot needs a file name" ARGS --screenshot)

# No window system: one line that says so, status 1, no abort.
run("no DISPLAY" 1 "" "one-line:varunocalc: cannot open a window: no X11 or Wayland display")
run("a DISPLAY with no server" 1 "" "one-line:varunocalc: cannot open a window" ENV DISPLAY=:987)
run("Wayland without a compositor" 1 "" "one-line:varunocalc: cannot open a window"
    ENV QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=varuno-no-such-compositor)

# A platform plugin that is not there is not a missing display: Qt's own
# words say which plugin and what is installed.
run("a platform plugin that is not installed" 1 "" "Could not find the Qt platform plugin \"varuno-none\".*cannot start"
    ENV QT_QPA_PLATFORM=varuno-none)

# Help or version that cannot be written is a failure.
execute_process(COMMAND ${APP} --version OUTPUT_FILE /dev/full RESULT_VARIABLE result ERROR_VARIABLE err
                TIMEOUT 30)
if(NOT result EQUAL 1 OR NOT err MATCHES "cannot write")
  message(SEND_ERROR "--version into a full disk: status ${result}, stderr \"${err}\"; expected 1 and a message")
endif()
file(REMOVE_RECURSE ${runtime})
