# The Debian package's description agrees with the project: debian/changelog
# carries the CMake project version, the build dependencies are the set-up
# scripts' package lists (those only the tests need marked <!nocheck>), and
# the package recommends what the program uses at run time where it is there.
# Run with cmake -DSOURCE_DIR=... -DVERSION=<project version> -P.
cmake_minimum_required(VERSION 3.22)

file(STRINGS ${SOURCE_DIR}/debian/changelog changelog LIMIT_COUNT 1)
if(NOT changelog MATCHES "^varunocalc \\(([^)-]+)(-[^)]*)?\\) ")
  message(FATAL_ERROR "debian/changelog does not start with a varunocalc entry: ${changelog}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "debian/changelog is at version ${CMAKE_MATCH_1}, the project at ${VERSION}: "
                      "add a changelog entry for ${VERSION} (dch -v ${VERSION})")
endif()

# The packages of one list of scripts/deps.sh.
file(READ ${SOURCE_DIR}/scripts/deps.sh deps)
function(deps_list name out)
  if(NOT deps MATCHES "\n${name}=\\(([^)]*)\\)")
    message(FATAL_ERROR "scripts/deps.sh has no list ${name}")
  endif()
  string(REGEX REPLACE "[ \t\n]+" ";" packages "${CMAKE_MATCH_1}")
  list(REMOVE_ITEM packages "")
  set(${out} ${packages} PARENT_SCOPE)
endfunction()
deps_list(VARUNO_BUILD_PACKAGES build_list)
deps_list(VARUNO_RUN_PACKAGES run_list)
deps_list(VARUNO_TEST_PACKAGES test_list)

# The entries of one relationship field of debian/control, one per comma.
file(READ ${SOURCE_DIR}/debian/control control)
function(control_field name out)
  if(NOT control MATCHES "\n${name}:([^\n]*(\n[ \t][^\n]*)*)")
    message(FATAL_ERROR "debian/control has no ${name} field")
  endif()
  string(REGEX REPLACE "[ \t\n]+" " " field "${CMAKE_MATCH_1}")
  string(REPLACE "," ";" entries "${field}")
  set(${out} ${entries} PARENT_SCOPE)
endfunction()

control_field(Build-Depends build_depends)
set(build_needed ${build_list})
# Every Debian build has them (build-essential).
list(REMOVE_ITEM build_needed make g++)
foreach(entry IN LISTS build_depends)
  string(STRIP "${entry}" entry)
  string(REGEX MATCH "^[a-z0-9.+-]+" package "${entry}")
  if(package STREQUAL "debhelper-compat")
    continue()
  endif()
  if(entry MATCHES "<!nocheck>")
    if(NOT package IN_LIST test_list AND NOT package IN_LIST run_list)
      message(FATAL_ERROR "debian/control: ${package} is only for the tests, but neither in "
                          "VARUNO_TEST_PACKAGES nor in VARUNO_RUN_PACKAGES of scripts/deps.sh")
    endif()
  elseif(NOT package IN_LIST build_list)
    message(FATAL_ERROR "debian/control: ${package} is a build dependency but not in "
                        "VARUNO_BUILD_PACKAGES of scripts/deps.sh (or, if only the tests need it, "
                        "lacks <!nocheck>)")
  endif()
  list(REMOVE_ITEM build_needed ${package})
endforeach()
if(build_needed)
  message(FATAL_ERROR "debian/control: Build-Depends lacks ${build_needed} of VARUNO_BUILD_PACKAGES")
endif()

control_field(Recommends recommends)
set(recommended)
foreach(entry IN LISTS recommends)
  string(REGEX MATCH "[a-z0-9.+-]+" package "${entry}")
  list(APPEND recommended ${package})
endforeach()
list(SORT recommended)
list(SORT run_list)
if(NOT recommended STREQUAL run_list)
  message(FATAL_ERROR "debian/control recommends \"${recommended}\", "
                      "but VARUNO_RUN_PACKAGES of scripts/deps.sh is \"${run_list}\"")
endif()
