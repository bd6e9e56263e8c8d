// Text-mode line reading over a file held in memory.
#include "core/line_reader.h"

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

line_reader::open_result line_reader::open(const std::string& path, std::string& log)
{
    path_ = path;
    position_ = 0;
    line_number_ = 0;
    opened_ = false;
    if (!read_whole_file(path, content_))
        return open_result::missing;
    if (std::memchr(content_.data(), '\0', content_.size()) != nullptr) {
        content_.clear();
        log += format_printf("%s is not a text file (it holds NUL bytes).\r\n", path.c_str());
        return open_result::not_text;
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

bool line_reader::next_line(std::string& line)
{
    line.clear();
    if (!opened_ || position_ >= content_.size())
        return false;
    const size_t newline = content_.find('\n', position_);
    ++line_number_;
    if (newline == std::string::npos) {
        line.assign(content_, position_, std::string::npos);
        position_ = content_.size();
        return true;
    }
    size_t end = newline;
    if (end > position_ && content_[end - 1] == '\r')
        --end;
    line.assign(content_, position_, end - position_);
    line.push_back('\n');
    position_ = newline + 1;
    return true;
}

void line_reader::seek(position where)
{
    position_ = where.offset < content_.size() ? where.offset : content_.size();
    line_number_ = where.line_number;
}

void line_reader::advance(size_t count)
{
    const size_t end = position_ + count < content_.size() ? position_ + count : content_.size();
    for (size_t i = position_; i < end; ++i) {
        if (content_[i] == '\n')
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
