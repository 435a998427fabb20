#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/resource.h>

#include <csignal>

namespace defwright::test {

/// Runs `work` while writing fails past `bytes` in a file, as on a full disk,
/// even for root, and returns what it returns.
template <typename Work>
auto withFileSizeLimit(rlim_t bytes, const Work& work)
{
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{bytes, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
    auto result = work();
    setrlimit(RLIMIT_FSIZE, &previous);
    return result;
}

} // namespace defwright::test
#endif
