# Compiles the stand-in fonts of the main window into a target's resources,
# under :/varuno/fonts/, together with their licence notices. The fonts come
# from Debian's fonts-nanum package (see scripts/deps.sh) at build time, so the
# tape's alignment never depends on the fonts a user has installed.
#
# varuno_bundle_fonts(<target>)
function(varuno_bundle_fonts target)
  set(font_dirs /usr/share/fonts/truetype/nanum /usr/share/fonts/truetype/nanum-coding)
  set(bundle_dir ${CMAKE_CURRENT_BINARY_DIR}/bundled-fonts)
  set(files)
  foreach(font NanumGothicCoding.ttf NanumGothicBold.ttf)
    find_file(VARUNO_FONT_${font} ${font} PATHS ${font_dirs} NO_DEFAULT_PATH)
    if(NOT VARUNO_FONT_${font})
      message(FATAL_ERROR "Font ${font} not found in ${font_dirs}: install fonts-nanum "
                          "and fonts-nanum-coding (scripts/deps.sh does).")
    endif()
    configure_file(${VARUNO_FONT_${font}} ${bundle_dir}/${font} COPYONLY)
    list(APPEND files ${bundle_dir}/${font})
  endforeach()
  # The fonts are under the SIL Open Font License, which asks that the notice
  # travels with them.
  foreach(package fonts-nanum fonts-nanum-coding)
    set(notice /usr/share/doc/${package}/copyright)
    if(EXISTS ${notice})
      configure_file(${notice} ${bundle_dir}/LICENSE-${package}.txt COPYONLY)
      list(APPEND files ${bundle_dir}/LICENSE-${package}.txt)
    endif()
  endforeach()
  configure_file(${PROJECT_SOURCE_DIR}/res/fonts/NOTICE.txt ${bundle_dir}/NOTICE.txt COPYONLY)
  list(APPEND files ${bundle_dir}/NOTICE.txt)
  # Uncompressed, so the fonts are registered in place from the program image
  # (TrueType compresses poorly anyway).
  qt_add_resources(${target} varuno_fonts PREFIX /varuno/fonts BASE ${bundle_dir}
                   OPTIONS --no-compress FILES ${files})
endfunction()
