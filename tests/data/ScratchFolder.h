// A fresh folder for one test under the system's temporary directory, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace veltrane::testing {

class ScratchFolder {
public:
    // A name of its own, made only when nothing has it yet, so two runs of the same test
    // never share or delete it.
    ScratchFolder() {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = std::filesystem::temp_directory_path() /
                     ("veltrane_data_" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(m_path, error)) return;
        }
        ADD_FAILURE() << "no scratch folder";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::filesystem::path& Path() const { return m_path; }

    void Write(const std::string& file, std::string_view bytes) const {
        std::ofstream(m_path / file, std::ios::binary) << bytes;
    }

    std::string Read(const std::string& file) const {
        std::ifstream in(m_path / file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path m_path;
};

}  // namespace veltrane::testing
