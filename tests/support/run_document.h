// A document ready to run the model: a fresh project database with the made-up data set imported
// as control records, and a model working directory of its own holding the stand-in model and
// "output variables.csv". Shared by the run, document and run-set tests.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/text_utils.h"
#include "output/output_variables.h"
#include "run/model_launcher.h"
#include "shell/doc_i_vorn.h"
#include "shell/project_database.h"
#include "support/fake_user_interface.h"
#include "support/made_up_dataset.h"
#include "support/temp_dir.h"

namespace ivorn::testing {

// The output-file switches 0, 4, 6, 7, 20, 23, 26, 27 and 29 (final soil tables) on; three
// printed and five user-selected variables.
inline const char* const run_variables_file =
    "   1\n"
    "1 0 0 0 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 1 0 0 1 1 0 1 \n"
    "1,1,TMX,,Degrees F,Maximum temperature\n"
    "1,4,PRCP,,in,Precipitation\n"
    "2,12,Q,,in,Runoff\n"
    "2,15,PRK,,in,Percolation\n"
    "0,9,PET,,in,Potential evapotranspiration\n"
    "1,10,ET,,in,Evapotranspiration\n";

// Sets an environment variable for the life of the object (the stand-in's failure modes).
class scoped_environment {
public:
    scoped_environment(const char* name, const char* value) : name_(name) { ::setenv(name, value, 1); }
    ~scoped_environment() { ::unsetenv(name_); }
    scoped_environment(const scoped_environment&) = delete;
    scoped_environment& operator=(const scoped_environment&) = delete;

private:
    const char* name_;
};

class run_document : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(model_dir());
        std::filesystem::create_symlink(IVORN_STAND_IN_PATH, model_dir() / "vorn_stand_in");
        write_file(model_file("output variables.csv"), run_variables_file);
        message_box_texts shown;
        ASSERT_TRUE(variables.load_output_variables(model_file("output variables.csv"), shown));
        settings.model_executable.set_full_path(model_file("vorn_stand_in"));
        settings.model_line_ends = line_end_style::lf;
        std::string log;
        ASSERT_TRUE(create_project_database(scratch.file("i_VORN.mdb"), log)) << log;
        ASSERT_TRUE(doc.open_database(scratch.file("i_VORN.mdb")));
        doc.set_run_resources(&launcher, &variables, &selection_changed);
    }

    // The made-up data set imported `count` times: control records 1 to `count`, each with its
    // own weather station and two subareas (IDs 1 and 2).
    void import_records(int count)
    {
        const std::string vornfile = write_made_up_dataset(scratch.path() / "set");
        for (int i = 0; i < count; ++i) {
            std::int32_t id = 0;
            ASSERT_TRUE(doc.import_dataset(vornfile, id)) << (ui.error_lists.empty() ? "" : ui.error_lists.back().text);
        }
        ui.error_lists.clear();
        ui.messages.clear();
    }

    std::filesystem::path model_dir() const { return scratch.path() / "model"; }
    std::string model_file(const std::string& name) const { return (model_dir() / name).string(); }
    bool model_file_exists(const std::string& name) const { return std::filesystem::exists(model_dir() / name); }
    std::string working_directory() const { return model_dir().string() + "/"; }

    // Rows of an output table (by its name) that belong to a control record, whose ID is the
    // table's "Farm Id" or else its first column. -1 when the table is unknown.
    long long rows_of(const std::string& table, std::int32_t record_id)
    {
        const table_description* description = doc.db()->table(table);
        if (!description)
            return -1;
        const int farm = description->column_index("Farm Id");
        const std::string& id_column = description->columns[farm >= 0 ? static_cast<size_t>(farm) : 0].name;
        const std::string sql = format_printf("SELECT COUNT(*) FROM \"%s\" WHERE \"%s\" = %d", description->name.c_str(),
                                              id_column.c_str(), static_cast<int>(record_id));
        sqlite3_stmt* statement = nullptr;
        long long count = -1;
        if (sqlite3_prepare_v2(doc.db()->handle(), sql.c_str(), -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
        return count;
    }

    bool execute(const std::string& sql)
    {
        std::string log;
        return doc.db()->execute(sql, log);
    }

    std::string last_error_list_text() const { return ui.error_lists.empty() ? "" : ui.error_lists.back().text; }

    temp_dir scratch;
    app_settings settings;
    fake_user_interface ui;
    posix_model_launcher launcher;
    list_output_variable_descriptions variables;
    int selection_changed = 1;
    doc_i_vorn doc{settings, ui};
};

} // namespace ivorn::testing
