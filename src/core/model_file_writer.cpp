// Text-mode emulation for model input files.
#include "core/model_file_writer.h"

#include <cstdarg>

#include "core/text_utils.h"

namespace ivorn {

line_end_style platform_line_ends()
{
#ifdef _WIN32
    return line_end_style::crlf;
#else
    return line_end_style::lf;
#endif
}

model_file_writer::~model_file_writer() { close(); }

bool model_file_writer::open(const std::string& path, line_end_style style)
{
    close();
    path_ = path;
    style_ = style;
    failed_ = false;
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void model_file_writer::write(std::string_view text)
{
    if (!file_ || text.empty())
        return;
    if (style_ == line_end_style::lf) {
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
            failed_ = true;
        return;
    }
    size_t start = 0;
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        const size_t end = newline == std::string_view::npos ? text.size() : newline;
        if (std::fwrite(text.data() + start, 1, end - start, file_) != end - start)
            failed_ = true;
        if (newline == std::string_view::npos)
            break;
        if (std::fwrite("\r\n", 1, 2, file_) != 2)
            failed_ = true;
        start = newline + 1;
    }
}

void model_file_writer::printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    char small[512];
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) {
        failed_ = true;
    } else if (static_cast<size_t>(needed) < sizeof small) {
        write(std::string_view(small, static_cast<size_t>(needed)));
    } else {
        std::string big(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(big.data(), big.size(), format, args);
        big.resize(static_cast<size_t>(needed));
        write(big);
    }
    va_end(args);
}

bool model_file_writer::close()
{
    if (!file_)
        return !failed_;
    if (std::fclose(file_) != 0)
        failed_ = true;
    file_ = nullptr;
    return !failed_;
}

} // namespace ivorn
