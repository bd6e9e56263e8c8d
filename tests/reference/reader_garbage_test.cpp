// Every reference-file reader against arbitrary bytes: lines of any length, any characters but
// NUL (a NUL makes the file not text, refused before reading). None may crash or overrun.
#include <gtest/gtest.h>

#include <random>

#include "reference/parameter_set.h"
#include "support/temp_dir.h"
#include "reference/vorn_crop.h"
#include "reference/vorn_fertilizer.h"
#include "reference/vorn_operation.h"
#include "reference/vorn_pesticide.h"

namespace ivorn {
namespace {

std::string garbage(std::mt19937& random)
{
    std::uniform_int_distribution<int> line_count(0, 40);
    std::uniform_int_distribution<int> length(0, 700);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> style(0, 3);
    std::string text;
    const int lines = line_count(random);
    for (int i = 0; i < lines; ++i) {
        const int n = length(random);
        const int kind = style(random);
        for (int j = 0; j < n; ++j) {
            // Mostly digits, blanks and signs, so that fields parse as numbers now and then.
            const char* const numeric = " 0123456789.-+eE";
            text.push_back(kind == 0 ? static_cast<char>(byte(random)) : numeric[byte(random) % 16]);
        }
        text += kind == 1 ? "\r\n" : "\n";
    }
    return text;
}

TEST(ReaderGarbage, NoReaderCrashesOnArbitraryText)
{
    testing::temp_dir dir;
    const std::string path = dir.file("garbage.dat");
    std::mt19937 random(20240601);
    for (int round = 0; round < 60; ++round) {
        testing::write_file(path, garbage(random));
        std::string log;
        vorn_production_supply_list crops, fertilizers, pesticides;
        operation_list_class operations;
        parameter_set parameters;
        // A reader either reads the file or names the number it cannot hold.
        auto read_or_refuse = [&log](bool read) {
            EXPECT_TRUE(read || log.find("Number beyond") != std::string::npos) << log;
        };
        read_or_refuse(read_crop_file(crops, path, log));
        read_or_refuse(read_fertilizer_file(fertilizers, path, log));
        read_pesticide_file(pesticides, path, log);
        read_or_refuse(operations.read_tillage_file(path, round % 2 ? 1307 : 2110, log));
        read_or_refuse(parameters.read_parameter_file(path, round % 2 ? 806 : 604, log));
        // Whatever was read writes back without trouble.
        EXPECT_TRUE(write_crop_file(crops, dir.file("out.dat"), 2110, line_end_style::crlf));
        EXPECT_TRUE(operations.write_tillage_file(dir.file("out.dat"), 2110, line_end_style::lf));
        EXPECT_TRUE(fertilizers.write_file(dir.file("out.dat"), 2110, line_end_style::lf));
    }
}

} // namespace
} // namespace ivorn
