#pragma once

// Ways to make a write really fail, even for root.

#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace defwright::test {

/// Lowers the largest file this process may write, so that writing fails
/// part way even for root. Restores the limit when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

/// Root writes into any folder whatever its permission bits, so the test takes
/// the user "nobody" for as long as this lives, and a read-only folder then
/// really refuses new files.
class AsNobody {
public:
    AsNobody()
        : wasRoot_(geteuid() == 0)
    {
        // The group first: as root's group the folders' group bits would apply.
        if (wasRoot_)
            dropped_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    }
    ~AsNobody()
    {
        if (wasRoot_) {
            QVERIFY(seteuid(0) == 0);
            QVERIFY(setegid(0) == 0);
        }
    }
    AsNobody(const AsNobody&) = delete;
    AsNobody& operator=(const AsNobody&) = delete;
    [[nodiscard]] bool effective() const { return !wasRoot_ || dropped_; }

private:
    static constexpr uid_t kNobody = 65534;
    bool wasRoot_;
    bool dropped_ = false;
};

} // namespace defwright::test
