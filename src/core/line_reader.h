// Reads a model file line by line as the model's text-mode readers see it: a CR LF or LF line
// end arrives as one "\n" at the end of the line; a last line without an end arrives without one.
// The whole file is checked first: a file holding NUL bytes is not text and is refused.
#pragma once

#include <string>
#include <string_view>

namespace ivorn {

class line_reader {
public:
    enum class open_result { opened, missing, not_text };

    // On not_text the log gets a message naming the file; on missing the caller says its own.
    open_result open(const std::string& path, std::string& log);
    // Opened, or false with the reason logged: "Unable to read KIND file PATH" for a file that
    // does not open, or the not-text message.
    bool open_or_log(const std::string& path, const std::string& kind, std::string& log);
    bool is_open() const { return opened_; }

    // The next line with its "\n" (when it had one); false at the end of the file.
    bool next_line(std::string& line);
    // Number of the line last returned, from 1.
    int line_number() const { return line_number_; }
    const std::string& path() const { return path_; }
    // The line the reader stopped at, for the log of a reader that stops on a bad line.
    void log_stop(std::string& log) const;
    // For a reader that needed a line past the end of the file: the file and that line's number.
    void log_missing_line(std::string& log) const;

    // Where the next line starts, to come back to after a search that ran to the end of the file.
    struct position {
        size_t offset = 0;
        int line_number = 0;
    };
    position tell() const { return {position_, line_number_}; }
    void seek(position where);
    // The text not yet read (NUL-terminated), for readers that scan across line ends as a C
    // stream's formatted input does; `advance` then moves past what such a scan consumed.
    const char* remaining() const { return content_.c_str() + position_; }
    void advance(size_t count);

private:
    std::string path_;
    std::string content_;
    size_t position_ = 0;
    int line_number_ = 0;
    bool opened_ = false;
};

// Reads a whole file; false when it cannot be opened.
bool read_whole_file(const std::string& path, std::string& content);

} // namespace ivorn
