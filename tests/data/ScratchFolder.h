// A fresh folder for one test under the system's temporary directory, removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace veltrane::testing {

class ScratchFolder {
public:
    // A name of its own (mkdtemp), so two runs of the same test never share or delete it.
    ScratchFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "veltrane_data_XXXXXX");
        if (!::mkdtemp(name.data())) ADD_FAILURE() << "no scratch folder";
        m_path = name;
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
