// Writes a model input file the way the model's own text-mode streams do: with CRLF line ends
// every "\n" becomes CR LF (so a "\r\n" in a format becomes CR CR LF, which the model accepts);
// with LF line ends the text goes out unchanged.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace ivorn {

enum class line_end_style { lf, crlf };

line_end_style platform_line_ends();

class model_file_writer {
public:
    model_file_writer() = default;
    model_file_writer(const model_file_writer&) = delete;
    model_file_writer& operator=(const model_file_writer&) = delete;
    ~model_file_writer();

    // Creates or truncates the file. False when it cannot be created.
    bool open(const std::string& path, line_end_style style);
    bool is_open() const { return file_ != nullptr; }
    void write(std::string_view text);
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Flushes and closes; false when any write failed (a full disk must not pass for success).
    bool close();
    const std::string& path() const { return path_; }

private:
    std::FILE* file_ = nullptr;
    line_end_style style_ = line_end_style::lf;
    bool failed_ = false;
    std::string path_;
};

} // namespace ivorn
