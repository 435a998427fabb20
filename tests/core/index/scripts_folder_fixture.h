#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace defwright {

// A folder of the test's own under the system's temporary folder, removed
// with everything in it when the test ends.
class ScriptsFolder : public ::testing::Test {
protected:
    ScriptsFolder()
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }

    ~ScriptsFolder() override { std::filesystem::remove_all(root); }

    // Writes `bytes` as the file at `relative`, making its folders.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const
    {
        const std::filesystem::path path = root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path root = std::filesystem::temp_directory_path()
        / (std::string("defwright-") + test.test_suite_name() + "-" + test.name());
};

} // namespace defwright
