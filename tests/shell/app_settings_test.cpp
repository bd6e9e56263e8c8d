// Low-byte flags, read and write order, the config names and the derived model paths.
#include <gtest/gtest.h>

#include "shell/app_settings.h"

namespace ivorn {
namespace {

TEST(AppSettings, FlagsKeepTheLowByteAndPathsDeriveFromTheExecutable)
{
    memory_settings_store store;
    store.write_integer("Settings", "RecordList", 0x1200);
    store.write_integer("Settings", "RunVisible", 0x101);
    store.write_string("Files", "VORN2110", "C:\\models\\vorn1307.exe");
    app_settings settings;
    settings.read(store);
    EXPECT_EQ(settings.record_list, 0);
    EXPECT_EQ(settings.run_visible, 1);
    EXPECT_EQ(settings.model_working_directory(), "C:\\models\\");
    EXPECT_EQ(settings.model_base_name(), "vorn1307");
    EXPECT_EQ(settings.output_variable_file.full_path(), "C:\\models\\output variables.csv");
}

TEST(AppSettings, WrittenInExitOrder)
{
    memory_settings_store store;
    app_settings settings;
    settings.write(store);
    const std::vector<std::string> expected = {
        "Files/VORN2110", "Settings/VORNVersion", "Settings/SaveYearFirst", "Settings/SaveYearLast",
        "Settings/EnglishConvert", "Settings/PrebuildSoil", "Settings/SetUserSelectedVariables",
        "Settings/RunVisible", "Settings/ReadSoil", "Settings/DynamicRunoff", "Settings/RecordList",
        "Settings/ModelLineEnds"};
    EXPECT_EQ(store.write_order, expected);
}

TEST(AppSettings, OnlyTheChangedKeysAreWrittenBack)
{
    memory_settings_store store;
    app_settings as_read;
    app_settings changed = as_read;
    EXPECT_EQ(changed.write_changes(store, as_read), 0);
    EXPECT_TRUE(store.write_order.empty());
    changed.save_year_last = 40;
    changed.model_line_ends = changed.model_line_ends == line_end_style::lf ? line_end_style::crlf : line_end_style::lf;
    EXPECT_EQ(changed.write_changes(store, as_read), 2);
    const std::vector<std::string> expected = {"Settings/SaveYearLast", "Settings/ModelLineEnds"};
    EXPECT_EQ(store.write_order, expected);
}

TEST(AppSettings, ConfigNamesGetAndSet)
{
    app_settings settings;
    std::string log;
    std::string value;
    EXPECT_TRUE(set_setting(settings, "Settings/VORNVersion", "806", log));
    EXPECT_TRUE(get_setting(settings, "Settings/VORNVersion", value));
    EXPECT_EQ(value, "806");
    EXPECT_TRUE(set_setting(settings, "Settings/ModelLineEnds", "crlf", log));
    EXPECT_EQ(settings.model_line_ends, line_end_style::crlf);
    EXPECT_FALSE(set_setting(settings, "Settings/SaveYearFirst", "abc", log));
    EXPECT_FALSE(set_setting(settings, "Settings/NoSuchThing", "1", log));
    EXPECT_FALSE(get_setting(settings, "Files/Nothing", value));
}

} // namespace
} // namespace ivorn
