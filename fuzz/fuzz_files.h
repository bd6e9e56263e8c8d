// What the fuzz targets share: a private scratch directory, and the input cut into files. A
// target that reads several files takes its input as their contents one after the other,
// separated by a line "@@@"; a missing part is an empty file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ivorn::fuzz {

inline const std::string& scratch()
{
    static const std::string dir = [] {
        // Under TMPDIR, so that the script running the targets can remove what they leave.
        std::string name = (std::filesystem::temp_directory_path() / "ivorn_fuzz_XXXXXX").string();
        if (!::mkdtemp(name.data()))
            std::abort();
        return name + "/";
    }();
    return dir;
}

inline void write_bytes(const std::string& path, std::string_view bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline std::vector<std::string_view> split_parts(std::string_view input, size_t count)
{
    std::vector<std::string_view> parts;
    constexpr std::string_view marker = "\n@@@\n";
    while (parts.size() + 1 < count) {
        const size_t at = input.find(marker);
        if (at == std::string_view::npos)
            break;
        parts.push_back(input.substr(0, at + 1));
        input.remove_prefix(at + marker.size());
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

// Writes part k of the input as scratch() + names[k]; the paths written.
inline std::vector<std::string> write_parts(const std::uint8_t* data, size_t size, const std::vector<std::string>& names)
{
    const auto parts = split_parts(std::string_view(reinterpret_cast<const char*>(data), size), names.size());
    std::vector<std::string> paths;
    for (size_t k = 0; k < names.size(); ++k) {
        paths.push_back(scratch() + names[k]);
        write_bytes(paths.back(), parts[k]);
    }
    return paths;
}

// The model versions a first input byte chooses between (0 and an unknown one included).
inline int version_of(std::uint8_t byte)
{
    constexpr int versions[] = {2110, 604, 806, 1307, 0, 42};
    return versions[byte % 6];
}

} // namespace ivorn::fuzz
