// Text-mode line reading over a window of the file.
#include "core/line_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/text_utils.h"

namespace ivorn {

bool read_whole_file(const std::string& path, std::string& content)
{
    content.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // Room for the whole file at once: grown by doubling, a 60 MB report would pass through a
    // 128 MB buffer and a copy of the old one.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        constexpr long largest_reserved = 1L << 30;
        if (size > 0 && size <= largest_reserved)
            content.reserve(static_cast<size_t>(size));
        std::rewind(file);
    }
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

namespace {

constexpr size_t piece_size = 1 << 16;

} // namespace

line_reader::open_result line_reader::open(const std::string& path, std::string& log)
{
    path_ = path;
    file_.reset();
    window_.clear();
    window_start_ = 0;
    size_ = 0;
    position_ = 0;
    line_number_ = 0;
    opened_ = false;
    at_end_ = false;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_)
        return open_result::missing;
    // A pass over the whole file first, so that a file that is not text is refused before any
    // of it is taken, as when the file was read whole.
    char piece[piece_size];
    size_t got = 0;
    bool has_nul = false;
    while (!has_nul && (got = std::fread(piece, 1, sizeof piece, file_.get())) > 0) {
        has_nul = std::memchr(piece, '\0', got) != nullptr;
        size_ += static_cast<long long>(got);
    }
    if (has_nul) {
        file_.reset();
        log += format_printf("%s is not a text file (it holds NUL bytes).\r\n", path.c_str());
        return open_result::not_text;
    }
    if (std::ferror(file_.get()) || std::fseek(file_.get(), 0, SEEK_SET) != 0) {
        file_.reset();
        return open_result::missing;
    }
    opened_ = true;
    return open_result::opened;
}

bool line_reader::open_or_log(const std::string& path, const std::string& kind, std::string& log)
{
    const open_result result = open(path, log);
    if (result == open_result::missing)
        log += "Unable to read " + kind + " file " + path + "\r\n";
    return result == open_result::opened;
}

bool line_reader::read_more()
{
    if (!opened_ || at_end_)
        return false;
    // What was read already is dropped; the window keeps the text from the reading position on.
    window_.erase(0, position_);
    window_start_ += static_cast<long long>(position_);
    position_ = 0;
    const size_t held = window_.size();
    window_.resize(held + piece_size);
    const size_t got = std::fread(window_.data() + held, 1, piece_size, file_.get());
    window_.resize(held + got);
    if (got < piece_size)
        at_end_ = true;
    return got > 0;
}

bool line_reader::next_line(std::string& line)
{
    line.clear();
    if (!opened_)
        return false;
    size_t searched = 0;
    size_t newline = window_.find('\n', position_);
    while (newline == std::string::npos) {
        searched = window_.size() - position_;
        if (!read_more())
            break;
        newline = window_.find('\n', position_ + searched);
    }
    if (position_ >= window_.size())
        return false;
    ++line_number_;
    if (newline == std::string::npos) {
        line.assign(window_, position_, std::string::npos);
        position_ = window_.size();
        return true;
    }
    size_t end = newline;
    if (end > position_ && window_[end - 1] == '\r')
        --end;
    line.assign(window_, position_, end - position_);
    line.push_back('\n');
    position_ = newline + 1;
    return true;
}

void line_reader::seek(position where)
{
    line_number_ = where.line_number;
    const long long offset = std::clamp<long long>(where.offset, 0, size_);
    const long long window_end = window_start_ + static_cast<long long>(window_.size());
    if (offset >= window_start_ && offset <= window_end) {
        position_ = static_cast<size_t>(offset - window_start_);
        return;
    }
    window_.clear();
    window_start_ = offset;
    position_ = 0;
    at_end_ = !file_ || std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0;
}

const char* line_reader::look_ahead(int lines)
{
    int found = 0;
    bool has_word = false;
    for (size_t at = 0; found < lines; ++at) {
        // `at` counts from the reading position, which stays put while the window grows.
        if (position_ + at >= window_.size() && !read_more())
            break;
        const char c = window_[position_ + at];
        if (c == '\n') {
            found += has_word ? 1 : 0;
            has_word = false;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            has_word = true;
        }
    }
    return window_.c_str() + position_;
}

bool line_reader::rest_is_blank()
{
    return std::string_view(look_ahead(1)).find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void line_reader::advance(size_t count)
{
    const size_t end = std::min(position_ + count, window_.size());
    for (size_t i = position_; i < end; ++i) {
        if (window_[i] == '\n')
            ++line_number_;
    }
    position_ = end;
}

void line_reader::log_stop(std::string& log) const
{
    log += format_printf("File %s, line %d.\r\n", path_.c_str(), line_number_);
}

void line_reader::log_missing_line(std::string& log) const
{
    log += format_printf("File %s ends before line %d.\r\n", path_.c_str(), line_number_ + 1);
}

} // namespace ivorn
