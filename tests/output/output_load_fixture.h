// A project database, a selected-output-variables list and a run request for the loading tests,
// with a way to read back what a table holds.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

#include "output/output_loaders.h"
#include "output/output_tables.h"
#include "support/temp_dir.h"
#include "shell/project_database.h"
#include "store/recordset.h"

namespace ivorn::testing {

// The heading lines of a report, which the loaders skip unread.
inline std::string headings(int count)
{
    std::string text;
    for (int k = 1; k <= count; ++k)
        text += "HEADING " + std::to_string(k) + "\n";
    return text;
}

// PRCP printed, TMX and ET selected by the user.
inline const char* const variables_file =
    "   7\n"
    "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \n"
    "1,1,PRCP,,in,Precipitation\n"
    "2,2,TMX,,Degrees F,Maximum temperature\n"
    "2,3,ET,,in,Evapotranspiration\n"
    "0,4,YN,,lb/ac,N in sediment\n";

class output_load_fixture {
public:
    output_load_fixture()
    {
        std::string log;
        EXPECT_TRUE(create_project_database(dir.file("p.db"), log)) << log;
        EXPECT_TRUE(open_project_database(db, dir.file("p.db"), log)) << log;
        write_file(dir.file("output variables.csv"), variables_file);
        message_box_texts shown;
        EXPECT_TRUE(variables.load_output_variables(dir.file("output variables.csv"), shown));
        request.record_id = 7;
        request.beginning_year = 1988;
        request.working_directory = dir.directory();
        request.base_name = "vorn";
        request.selection_changed = &selection_changed;
        request.variables = &variables;
    }

    // Only these output-file switches on.
    void switches(std::initializer_list<int> on)
    {
        variables.switches.fill(0);
        for (int k : on)
            variables.switches[static_cast<size_t>(k)] = 1;
    }

    void report(const std::string& extension, const std::string& text) { write_file(dir.file("vorn" + extension), text); }

    bool load()
    {
        log.clear();
        return read_run_outputs(db, request, log);
    }

    // The rows of a table in table order, each column as text ("" for null).
    std::vector<std::vector<std::string>> rows(const table_description& table)
    {
        std::vector<std::vector<std::string>> result;
        recordset set;
        std::string ignored;
        if (!set.open(db, table, {}, ignored, recordset::mode::read_only))
            return result;
        for (set.move_first(); !set.is_eof(); set.move_next()) {
            std::vector<std::string> row;
            for (const auto& value : set.current_row())
                row.push_back(value_as_text(value));
            result.push_back(row);
        }
        return result;
    }

    long long count(const table_description& table)
    {
        std::string ignored;
        return db.count_rows(table, ignored);
    }

    // One column of row `index` as a number; NaN when null.
    double value(const table_description& table, size_t index, const std::string& column)
    {
        recordset set;
        std::string ignored;
        set.open(db, table, {}, ignored, recordset::mode::read_only);
        set.move_to(static_cast<long long>(index));
        if (set.is_eof())
            return -12345.0;
        const field_value& v = set.get(column);
        if (std::holds_alternative<std::monostate>(v))
            return std::nan("");
        return value_as_real(v);
    }

    std::string text(const table_description& table, size_t index, const std::string& column)
    {
        recordset set;
        std::string ignored;
        set.open(db, table, {}, ignored, recordset::mode::read_only);
        set.move_to(static_cast<long long>(index));
        return set.is_eof() ? "<none>" : set.get_text(column);
    }

    temp_dir dir;
    database db;
    list_output_variable_descriptions variables;
    int selection_changed = 1;
    run_output_request request;
    std::string log;
};

} // namespace ivorn::testing
