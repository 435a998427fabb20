# GoogleTest as installed, or, when cross-compiling, built from its sources
# with the same compiler (Debian's googletest package puts them in
# /usr/src/googletest), since a library built for this machine cannot link.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    return()
endif()

set(DEFWRIGHT_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources, for a cross-build")
if(NOT EXISTS ${DEFWRIGHT_GOOGLETEST_SOURCES}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are not in ${DEFWRIGHT_GOOGLETEST_SOURCES}. "
                        "On Debian, install them with: apt-get install googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Its code is not ours to hold to our warnings.
get_directory_property(our_compile_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
add_subdirectory(${DEFWRIGHT_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${our_compile_options}")
# The tests are only listed when CTest runs them, under the emulator, rather
# than each time they are built.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
