// Output series and record summaries: subareas combined by area on a hand-made project, Selected
// Variable labels, grouping by scenario factor, the refusals, and the summaries of the stand-in's
// runs against the same figures computed straight from the rows.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <map>

#include "output/record_series.h"
#include "output/record_summary.h"
#include "site/scenario_factors_table.h"
#include "store/table_queries.h"
#include "support/new_project.h"
#include "support/run_document.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

class OutputSeries : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::open_new_project(db, dir.file("p.mdb"));
        std::string log;
        // Record 5: two subareas of 1 ha and 3 ha over two years; record 6: one subarea, one year.
        ASSERT_TRUE(db.execute(
            "INSERT INTO \"Yearly Output\" (\"Select Id\", \"Farm Id\", \"Subarea\", \"Year\", \"Area by Field\", "
            "\"Prcp\", \"Tmx\", \"Selected Variable 2\") VALUES "
            "(3, 5, 1, 1, 1.0, 100, 10, 7), (3, 5, 2, 1, 3.0, 200, 20, 9), "
            "(3, 5, 1, 2, 1.0, 300, 30, 7), (3, 5, 2, 2, 3.0, 500, 40, 9), (3, 6, 1, 1, 2.0, 50, 5, 1);"
            "INSERT INTO \"Selected Variables\" VALUES (3, 'Selected 1', 'PRCP'), (3, 'Selected 2', 'YLDG');"
            "INSERT INTO \"Average Output\" (\"Select Id\", \"Farm Id\", \"Subarea\", \"Area by Field\") VALUES "
            "(3, 5, 1, 1.0), (3, 5, 2, 3.0);"
            "INSERT INTO \"Monthly Subarea Output\" (\"ID\", \"Subarea Id\", \"Yr\", \"Mon\", \"Runoff\") VALUES "
            "(5, 1, 1, 1, 4), (5, 2, 1, 1, 8), (5, 1, 1, 2, 0), (5, 2, 1, 2, 4);",
            log))
            << log;
    }

    record_chart chart(const std::string& table, std::vector<std::string> columns, std::int32_t id = 5)
    {
        record_chart result;
        std::string log;
        EXPECT_TRUE(load_record_chart(db, {id, table, std::move(columns), std::nullopt, false}, result, log)) << log;
        return result;
    }

    testing::temp_dir dir;
    database db;
};

TEST_F(OutputSeries, SubareasCombineByTheirUnitsAndTheLegendSaysHow)
{
    const record_chart yearly = chart("Yearly Output", {"prcp", "Tmx", "Area by Field", "Selected Variable 2"});
    ASSERT_EQ(yearly.series.size(), 4u);
    struct expected {
        const char* name;
        double first, second;
    };
    const expected cases[] = {
        {"Prcp (area-weighted mean of 2 subareas)", 175, 450}, // (100*1 + 200*3) / 4, (300 + 1500) / 4
        {"Tmx (mean of 2 subareas)", 15, 35},
        {"Area by Field (sum of 2 subareas)", 4, 4},
        {"YLDG (mean of 2 subareas)", 8, 8},
    };
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(yearly.series[i].name, cases[i].name);
        ASSERT_EQ(yearly.series[i].points.size(), 2u);
        EXPECT_DOUBLE_EQ(yearly.series[i].points[0].y, cases[i].first);
        EXPECT_DOUBLE_EQ(yearly.series[i].points[1].y, cases[i].second);
    }
    EXPECT_EQ(yearly.y_title, "mm, \u00b0C, ha");

    // A table without areas of its own takes them from the run's averages; months are fractions.
    const record_chart monthly = chart("Monthly Subarea Output", {"Runoff"});
    ASSERT_EQ(monthly.series.size(), 1u);
    ASSERT_EQ(monthly.series[0].points.size(), 2u);
    EXPECT_DOUBLE_EQ(monthly.series[0].points[0].y, 7);  // (4*1 + 8*3) / 4
    EXPECT_DOUBLE_EQ(monthly.series[0].points[1].x, 1 + 1 / 12.0);

    record_chart each;
    std::string log;
    ASSERT_TRUE(load_record_chart(db, {5, "Yearly Output", {"Prcp"}, std::nullopt, true}, each, log)) << log;
    ASSERT_EQ(each.series.size(), 2u);
    EXPECT_EQ(each.series[1].name, "Prcp, subarea 2");
    EXPECT_DOUBLE_EQ(each.series[1].points[1].y, 500);
}

TEST_F(OutputSeries, SummariesAndFactorLevelsComeFromTheCombinedYears)
{
    std::vector<record_summary> summaries;
    std::string log;
    ASSERT_TRUE(summarize_records(db, {"Yearly Output", "Prcp"}, summaries, log)) << log;
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_EQ(summaries[0].id, 5);
    EXPECT_EQ(summaries[0].values.n, 2);
    EXPECT_DOUBLE_EQ(summaries[0].values.mean, 312.5);
    EXPECT_DOUBLE_EQ(summaries[0].values.min, 175);
    EXPECT_DOUBLE_EQ(summaries[0].values.max, 450);
    EXPECT_NEAR(summaries[0].values.std, std::sqrt(2 * 137.5 * 137.5), 1e-9);
    EXPECT_EQ(summaries[1].values.std, 0);

    ASSERT_TRUE(create_table_if_missing(db, scenario_factors_table(), log)) << log;
    ASSERT_TRUE(db.execute("INSERT INTO \"Scenario Factors\" VALUES (5, 'Simulation Length', '10'), "
                           "(6, 'Simulation Length', '9')",
                           log));
    std::vector<level_summary> levels;
    ASSERT_TRUE(summarize_by_factor(db, {"Yearly Output", "Prcp"}, "simulation length", levels, log)) << log;
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[0].level, "9"); // numeric order, not text order
    EXPECT_DOUBLE_EQ(levels[1].values.mean, 312.5);
}

TEST_F(OutputSeries, UnknownNamesAndEmptyRecordsAreRefusedSayingWhy)
{
    struct refusal {
        record_series_request request;
        const char* starts;
    };
    const refusal cases[] = {
        {{5, "Yearly Outputs", {"Prcp"}, std::nullopt, false},
         "Unknown output table \"Yearly Outputs\". Valid tables: Yearly Output, Annual Watershed Output, "},
        {{5, "Yearly Output", {"Rain"}, std::nullopt, false},
         "Unknown column \"Rain\" in table Yearly Output. Valid columns: Area by Field, Tmx, Prcp, "},
        {{7, "Yearly Output", {"Prcp"}, std::nullopt, false}, "Record 7 has no rows in Yearly Output.\r\n"},
        {{5, "Yearly Output", {"Prcp"}, 9, false}, "Record 5 has no rows in Yearly Output for subarea 9.\r\n"},
        {{5, "Watershed Output", {"Prcp"}, 1, false},
         "Table Watershed Output has no subareas; leave out --subarea and --all-subareas.\r\n"},
    };
    for (const refusal& c : cases) {
        SCOPED_TRACE(c.starts);
        record_chart result;
        std::string log;
        EXPECT_FALSE(load_record_chart(db, c.request, result, log));
        EXPECT_EQ(log.substr(0, std::string(c.starts).size()), c.starts);
    }
    std::vector<record_summary> summaries;
    std::string log;
    EXPECT_FALSE(summarize_records(db, {"Soil Salt Output", "Total Salt", 1, 9}, summaries, log));
    EXPECT_EQ(log, "No records with rows in Soil Salt Output among IDs 1 to 9.\r\n");
}

// The demo's way: made-up records run by the stand-in, then summarized.
class OutputSeriesOfRuns : public testing::run_document {};

TEST_F(OutputSeriesOfRuns, SummariesMatchSumsTakenStraightFromTheRows)
{
    import_records(3);
    run_set_options options;
    options.last_position = 3;
    options.create_yearly_table = true;
    ui.run_set_answer = &options;
    ASSERT_TRUE(doc.run_all_records()) << doc.last_run_set().log;
    database& db = *doc.db();

    // A table of the whole watershed: plain sums per record.
    std::vector<record_summary> summaries;
    std::string log;
    ASSERT_TRUE(summarize_records(db, {"Annual Watershed Output", "Prcp"}, summaries, log)) << log;
    ASSERT_EQ(summaries.size(), 3u);
    cached_statement direct = db.statement("SELECT Id, COUNT(Prcp), SUM(Prcp), MIN(Prcp), MAX(Prcp) FROM "
                                           "\"Annual Watershed Output\" GROUP BY Id ORDER BY Id");
    for (const record_summary& s : summaries) {
        ASSERT_EQ(sqlite3_step(direct.get()), SQLITE_ROW);
        EXPECT_EQ(s.id, sqlite3_column_int(direct.get(), 0));
        EXPECT_EQ(s.values.n, sqlite3_column_int(direct.get(), 1));
        EXPECT_NEAR(s.values.mean * s.values.n, sqlite3_column_double(direct.get(), 2), 1e-6);
        EXPECT_EQ(s.values.min, sqlite3_column_double(direct.get(), 3));
        EXPECT_EQ(s.values.max, sqlite3_column_double(direct.get(), 4));
    }

    // Per subarea: each year's area-weighted mean, from the raw rows.
    ASSERT_TRUE(summarize_records(db, {"Yearly Output", "Q"}, summaries, log)) << log;
    cached_statement rows = db.statement("SELECT \"Farm Id\", Year, \"Area by Field\", Q FROM \"Yearly Output\"");
    std::map<std::int32_t, std::map<int, std::pair<double, double>>> sums; // record, year: (sum of q*a, sum of a)
    while (sqlite3_step(rows.get()) == SQLITE_ROW) {
        auto& sum = sums[sqlite3_column_int(rows.get(), 0)][sqlite3_column_int(rows.get(), 1)];
        sum.first += sqlite3_column_double(rows.get(), 3) * sqlite3_column_double(rows.get(), 2);
        sum.second += sqlite3_column_double(rows.get(), 2);
    }
    ASSERT_EQ(summaries.size(), sums.size());
    for (const record_summary& s : summaries) {
        double total = 0;
        for (const auto& [year, sum] : sums[s.id])
            total += sum.first / sum.second;
        EXPECT_EQ(s.values.n, static_cast<long long>(sums[s.id].size()));
        EXPECT_NEAR(s.values.mean, total / static_cast<double>(sums[s.id].size()), 1e-6);
    }
}

} // namespace
} // namespace ivorn
