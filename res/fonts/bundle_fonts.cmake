# The fonts of the main window and the About box.
#
# With VARUNO_BUNDLE_FONTS on (the default), Debian's Nanum fonts are cut down
# at build time to the characters the program can show (printable ASCII and
# every character written in the sources under src/) and compiled into a
# target's resources under :/varuno/fonts/, together with their licence
# notices; the tape's alignment then never depends on the fonts a user has
# installed. The cut-down fonts carry family names of their own, since the
# Open Font License reserves the Nanum names for the unmodified fonts.
#
# With VARUNO_BUNDLE_FONTS off, nothing is compiled in and the program asks
# the system for its Nanum fonts (fonts-nanum, fonts-nanum-coding).
#
# varuno_bundle_fonts(<target>): adds the fonts to <target> and sets
# VARUNO_TAPE_FONT_FAMILY and VARUNO_GOTHIC_FONT_FAMILY, the family names the
# program asks for, in the caller's scope.
function(varuno_bundle_fonts target)
  if(NOT VARUNO_BUNDLE_FONTS)
    set(VARUNO_TAPE_FONT_FAMILY NanumGothicCoding PARENT_SCOPE)
    set(VARUNO_GOTHIC_FONT_FAMILY NanumGothic PARENT_SCOPE)
    return()
  endif()

  # Debian's own Python, where python3-fonttools is installed (an interpreter
  # of a user's own earlier on PATH may lack it).
  find_program(VARUNO_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
  find_program(VARUNO_PYTHON3 python3)
  execute_process(COMMAND ${VARUNO_PYTHON3} -c "import fontTools.subset"
                  RESULT_VARIABLE no_fonttools OUTPUT_QUIET ERROR_QUIET)
  if(NOT VARUNO_PYTHON3 OR no_fonttools)
    message(FATAL_ERROR "Cutting down the bundled fonts needs Python 3 with fontTools: install "
                        "python3-fonttools (scripts/deps.sh does), or configure with "
                        "-DVARUNO_BUNDLE_FONTS=OFF to use the system's Nanum fonts.")
  endif()

  set(font_dirs /usr/share/fonts/truetype/nanum /usr/share/fonts/truetype/nanum-coding)
  set(bundle_dir ${CMAKE_CURRENT_BINARY_DIR}/bundled-fonts)
  set(subset_script ${PROJECT_SOURCE_DIR}/res/fonts/font_subset.py)
  set(text_dir ${PROJECT_SOURCE_DIR}/src)
  file(GLOB_RECURSE text_sources CONFIGURE_DEPENDS ${text_dir}/*.cpp ${text_dir}/*.h)
  set(files)
  # source file, family of the cut-down font, its file name
  set(fonts
    NanumGothicCoding.ttf VarunoGothicCoding VarunoGothicCoding.ttf
    NanumGothic.ttf VarunoGothic VarunoGothic.ttf
    NanumGothicBold.ttf VarunoGothic VarunoGothicBold.ttf)
  set(fonts_out)
  while(fonts)
    list(POP_FRONT fonts source family output)
    find_file(VARUNO_FONT_${source} ${source} PATHS ${font_dirs} NO_DEFAULT_PATH)
    if(NOT VARUNO_FONT_${source})
      message(FATAL_ERROR "Font ${source} not found in ${font_dirs}: install fonts-nanum "
                          "and fonts-nanum-coding (scripts/deps.sh does).")
    endif()
    add_custom_command(
      OUTPUT ${bundle_dir}/${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${bundle_dir}
      COMMAND ${VARUNO_PYTHON3} ${subset_script} --texts ${text_dir} --family ${family}
              ${VARUNO_FONT_${source}} ${bundle_dir}/${output}
      DEPENDS ${subset_script} ${VARUNO_FONT_${source}} ${text_sources}
      COMMENT "Cutting ${source} down to the program's characters as ${family}"
      VERBATIM)
    list(APPEND files ${bundle_dir}/${output})
    list(APPEND fonts_out ${bundle_dir}/${output})
  endwhile()
  set(VARUNO_BUNDLED_FONT_FILES ${fonts_out} CACHE INTERNAL "The cut-down fonts compiled into the program")
  set(VARUNO_FONT_TEXT_DIR ${text_dir} CACHE INTERNAL "Where the program's texts are written")
  set(VARUNO_FONT_SUBSET_SCRIPT ${subset_script} CACHE INTERNAL "Cuts fonts down and checks them")

  # The fonts are under the SIL Open Font License, which asks that the notice
  # travels with them.
  foreach(package fonts-nanum fonts-nanum-coding)
    set(notice /usr/share/doc/${package}/copyright)
    # Fonts under the Open Font License are never shipped without it.
    if(NOT EXISTS ${notice})
      message(FATAL_ERROR "${notice} is missing: install ${package}, whose fonts and licence are bundled")
    endif()
    configure_file(${notice} ${bundle_dir}/LICENSE-${package}.txt COPYONLY)
    list(APPEND files ${bundle_dir}/LICENSE-${package}.txt)
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/res/fonts/NOTICE.txt ${bundle_dir}/NOTICE.txt COPYONLY)
  list(APPEND files ${bundle_dir}/NOTICE.txt)
  set_source_files_properties(${fonts_out} PROPERTIES GENERATED TRUE)
  # Uncompressed, so the fonts are registered in place from the program image.
  qt_add_resources(${target} varuno_fonts PREFIX /varuno/fonts BASE ${bundle_dir}
                   OPTIONS --no-compress FILES ${files})
  set(VARUNO_TAPE_FONT_FAMILY VarunoGothicCoding PARENT_SCOPE)
  set(VARUNO_GOTHIC_FONT_FAMILY VarunoGothic PARENT_SCOPE)
endfunction()
