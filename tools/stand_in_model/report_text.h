// A report built in memory line by line ("\n" ends each line; the file writer turns that into the
// run's line ends), so that a failure mode can write all of it, part of it or none.
#pragma once

#include <string>
#include <string_view>

#include "fixed_line.h"

namespace ivorn::stand_in {

class report_text {
public:
    void line(std::string_view text)
    {
        text_ += text;
        text_ += '\n';
    }
    void line(const fixed_line& built) { line(built.str()); }
    void blank_lines(int count)
    {
        for (int i = 0; i < count; ++i)
            line("");
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

} // namespace ivorn::stand_in
