#pragma once

#include <cstdlib>

// A fuzzer fails by aborting: libFuzzer then keeps the input that broke the property.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}
