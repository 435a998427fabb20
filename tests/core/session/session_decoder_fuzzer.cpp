// libFuzzer target for the kept session's decoder: any bytes give a session
// or a reason, never both, and a session read is written back as the same.
// Built with clang by run_fuzzer.sh; any broken property aborts.
#include "core/session/session_codec.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace defwright;
    const DecodedSession decoded = decodeSession({reinterpret_cast<const char*>(data), size});
    check(decoded.session.has_value() != !decoded.damage.empty());
    check(!decoded.session || decodeSession(encodeSession(*decoded.session)).session == decoded.session);
    return 0;
}
