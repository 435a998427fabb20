// libFuzzer target for the kept session's decoder: any bytes give a session
// or a reason, never both, and a session read is written back as the same.
// Built with clang by run_fuzzer.sh; any broken property aborts.
#include "core/session/session_codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace defwright;
    const DecodedSession decoded = decodeSession({reinterpret_cast<const char*>(data), size});
    if (decoded.session.has_value() == !decoded.damage.empty())
        std::abort();
    if (decoded.session && decodeSession(encodeSession(*decoded.session)).session != decoded.session)
        std::abort();
    return 0;
}
