# Fails when a file under the folder given includes, in angle brackets, a header
# that is not one of the C++ standard library's: <unistd.h>, <dirent.h> or
# <pthread.h> build under MinGW but not with MSVC, and Qt has no place there.
#   cmake -DCORE_DIR=src/core -P standard_headers_only.cmake
cmake_minimum_required(VERSION 3.25)
set(standard_headers
    algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv chrono
    cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine
    csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque
    exception execution filesystem format forward_list fstream functional future initializer_list
    iomanip ios iosfwd iostream istream iterator latch limits list locale map memory memory_resource
    mutex new numbers numeric optional ostream queue random ranges ratio regex scoped_allocator
    semaphore set shared_mutex source_location span sstream stack stdexcept stop_token streambuf
    string string_view syncstream system_error thread tuple type_traits typeindex typeinfo
    unordered_map unordered_set utility valarray variant vector version)

file(GLOB_RECURSE sources ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
set(found)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>.*" "\\1" header "${line}")
        if(NOT header IN_LIST standard_headers)
            file(RELATIVE_PATH name ${CORE_DIR} ${source})
            list(APPEND found "${name}: <${header}>")
        endif()
    endforeach()
endforeach()
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources under ${CORE_DIR}")
endif()
if(found)
    list(JOIN found "\n  " found)
    message(FATAL_ERROR "The core includes what is not the standard library's:\n  ${found}")
endif()
message(STATUS "${count} core files include the standard library alone")
