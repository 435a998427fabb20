# Makes `output` (.ico for Windows, .icns for macOS) at build time from the
# window icon's hand-drawn XPMs, its only source, at every size they come in.
function(defwright_icon_file output)
    set(xpms)
    foreach(size IN ITEMS 16 32)
        list(APPEND xpms ${PROJECT_SOURCE_DIR}/src/ui/widgets/icons/defwright-${size}.xpm)
    endforeach()
    get_filename_component(name ${output} NAME)
    add_custom_command(OUTPUT ${output}
                       COMMAND defwright_icon_png ${xpms} ${output}
                       DEPENDS defwright_icon_png ${xpms}
                       COMMENT "Making ${name}")
endfunction()
