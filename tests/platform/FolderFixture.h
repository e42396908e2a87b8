#pragma once

#include "platform/Errors.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

// Each test works in a folder of its own, made the current directory, as the program's
// photographs are read relative to it.
class FolderFixture : public ::testing::Test {
protected:
    explicit FolderFixture(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::create_directories(folder_ / "obr" / "0");
        std::filesystem::current_path(folder_);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    // What reading the file whole reports, or "no error".
    static std::string openMessage(const std::string& path)
    {
        try {
            platform::readWholeFile(path);
        } catch (const platform::FileOpenError& error) {
            return error.what();
        }
        return "no error";
    }

    const std::filesystem::path folder_;

private:
    std::filesystem::path previous_;
};
