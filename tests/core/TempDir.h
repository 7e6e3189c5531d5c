#pragma once
// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quorvel-core-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::string WriteFile(const std::string& name, const std::string& content) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return PathOf(name);
    }

    std::filesystem::path dir_;
};
