#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace kpt740::test {

// A fresh folder per test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::path(::testing::TempDir()) /
                (std::string("kpt740-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    const std::filesystem::path& dir() const { return m_dir; }

private:
    std::filesystem::path m_dir;
};

} // namespace kpt740::test
