# Wine makes its Windows folder on its first start, which takes longer than
# CTest waits for a test program to list its tests; the build makes it first.
set(wine_registry ${CMAKE_BINARY_DIR}/wine/system.reg)
add_custom_command(OUTPUT ${wine_registry}
                   COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
                   COMMENT "Making Wine's Windows folder")
add_custom_target(defwright_wine_prefix ALL DEPENDS ${wine_registry})
