// Reads a model file line by line as the model's text-mode readers see it: a CR LF or LF line
// end arrives as one "\n" at the end of the line; a last line without an end arrives without one.
// The whole file is checked first: a file holding NUL bytes is not text and is refused.
#pragma once

#include <cstdio>
#include <memory>
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
        long long offset = 0;
        int line_number = 0;
    };
    position tell() const { return {window_start_ + static_cast<long long>(position_), line_number_}; }
    void seek(position where);
    // The text not yet read as far as the end of the `lines`-th line that holds more than white
    // space (or the whole rest, when fewer follow), NUL-terminated: enough for a reader that scans
    // across line ends as a C stream's formatted input does, as long as its scan takes fewer
    // words than `lines`; `advance` then moves past what such a scan consumed.
    const char* look_ahead(int lines);
    // Whether nothing but white space is left.
    bool rest_is_blank();
    void advance(size_t count);

private:
    struct file_closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    // Reads the next piece of the file onto the window; false at the end of the file.
    bool read_more();

    std::string path_;
    std::unique_ptr<std::FILE, file_closer> file_;
    // Only a window of the file is held: a report of tens of megabytes is read in pieces.
    std::string window_;
    long long window_start_ = 0;
    long long size_ = 0;
    size_t position_ = 0;
    int line_number_ = 0;
    bool opened_ = false;
    bool at_end_ = false;
};

// Reads a whole file; false when it cannot be opened.
bool read_whole_file(const std::string& path, std::string& content);

} // namespace ivorn
