// The import commands' file choosers: the default file and filter each offers, what a cancelled
// choice shows, and the chosen file reaching the import.
#include "shell/import_commands.h"

#include <gtest/gtest.h>

#include "support/fake_user_interface.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class ImportCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(doc.new_database(dir.file("p.mdb")));
        ASSERT_TRUE(doc.open_database(dir.file("p.mdb")));
    }

    testing::temp_dir dir;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc{settings, ui};
};

TEST_F(ImportCommands, EachOffersItsDefaultFileAndFilter)
{
    struct chooser_case {
        import_command command;
        const char* default_name;
        const char* filter;
    };
    const chooser_case cases[] = {
        {import_command::pesticides, "pest2110.dat", "All Files\n*.*\nText\n*.dat"},
        {import_command::fertilizers, "fert2110.dat", "All Files\n*.*\nText\n*.dat"},
        {import_command::crops, "crop2110.dat", "*.dat"},
        {import_command::operations, "till2110.dat", "All Files\n*.*\nText\n*.dat"},
        {import_command::parameters, "parm2110.dat", "All Files\n*.*\nText\n*.dat"},
        {import_command::soil, "muufsoil.dat", "Soil files\n*.dat\nAll files\n*.*"},
        {import_command::weather, "weatne.dat", "Weather files\n*.dat\nAll files\n*.*"},
        {import_command::wind, "windne.dat", "Wind files\n*.dat\nAll files\n*.*"},
        {import_command::weather_links, "master.wth", "Weather link files\n*.weather\nAll files\n*.*"},
        {import_command::dataset, "vornfile.dat", "*.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.default_name);
        ui.offered_files.clear();
        ui.offered_filters.clear();
        ui.error_lists.clear();
        EXPECT_FALSE(run_import_command(doc, c.command));
        EXPECT_EQ(ui.offered_files, std::vector<std::string>{c.default_name});
        EXPECT_EQ(ui.offered_filters, std::vector<std::string>{c.filter});
        // Only the parameter import reports a cancelled choice: its empty "Read errors" list.
        if (c.command == import_command::parameters) {
            ASSERT_EQ(ui.error_lists.size(), 1u);
            EXPECT_EQ(ui.error_lists[0].caption, "Read errors");
            EXPECT_EQ(ui.error_lists[0].ok_label, "Click This");
            EXPECT_EQ(ui.error_lists[0].text, "");
        } else {
            EXPECT_TRUE(ui.error_lists.empty());
        }
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ImportCommands, ChosenFileIsImported)
{
    testing::write_file(dir.file("crops.dat"), "header\nheader\n    1 CORN\n");
    ui.file_answers.push_back(dir.file("crops.dat"));
    ASSERT_TRUE(run_import_command(doc, import_command::crops));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"File read ok"});
    EXPECT_EQ(doc.crops()->count(), 1u);
}

} // namespace
} // namespace ivorn
