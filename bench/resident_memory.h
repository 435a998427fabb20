#pragma once

#include <fstream>

namespace defwright::bench {

/// The process's resident memory, in bytes (Linux only: elsewhere 0).
inline double residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    double resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

} // namespace defwright::bench
