// Guards the table descriptions of the project database: creation order, the
// column positions that differ between look-alike tables, and the consistency of every index.
#include "shell/all_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace ivorn {
namespace {

const table_description& table(std::string_view name)
{
    const table_description* found = find_table(name);
    if (found == nullptr)
        throw std::runtime_error("no table " + std::string(name));
    return *found;
}

std::string lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int position(std::string_view table_name, std::string_view column)
{
    return table(table_name).column_index(column);
}

TEST(AllTables, CreatedInDatabaseOrder)
{
    const std::vector<std::string> expected = {
        "Control Records", "Subareas", "Management", "Field Operations", "Parameters", "Weather",
        "Weather by Month", "Soils", "Soil Layers", "Fertilizer", "Operations", "Pesticide",
        "Crops", "Livestock", "Point Source", "Daily Weather Filenames", "Livestock Schedule",
        "Selected Variables", "Average Output", "Yearly Output", "Annual Pesticide Output",
        "Annual Pesticide Output 2", "Annual Watershed Output", "Watershed Output",
        "Residue Output", "Monthly SWAT Output", "SWAT Output", "SWAT Output 2",
        "SWAT Pesticide Output", "Crop Yield Output", "Organic C and N Output",
        "Soil Salt Output", "Monthly Subarea Output"};
    std::vector<std::string> names;
    for (const table_description* t : all_tables())
        names.push_back(t->name);
    EXPECT_EQ(names, expected);
}

TEST(AllTables, FindTableIgnoresCaseAndBrackets)
{
    EXPECT_EQ(find_table("[Crops]"), find_table("crops"));
    EXPECT_EQ(find_table("CROPS")->name, "Crops");
    EXPECT_EQ(find_table("[Soil Layers]")->name, "Soil Layers");
    EXPECT_EQ(find_table("Crop"), nullptr);
}

TEST(AllTables, ColumnsStandWhereTheDatabaseHasThem)
{
    EXPECT_EQ(position("Subareas", "Feeding Area"), 5);
    EXPECT_EQ(position("Subareas", "Grazing Area"), 6);
    EXPECT_EQ(position("Subareas", "Manure App Area"), 7);
    EXPECT_EQ(position("Management", "Daily Manure Application Code"), 11);
    EXPECT_EQ(position("Control Records", "Channel Cap Flow Rate"), 70);
    EXPECT_EQ(position("Control Records", "P2 Bulk Density3"), 128);
    EXPECT_EQ(position("Crops", "Price for Yield Forage"), 48);
    EXPECT_EQ(position("Parameters", "S Curve 30 2"), 60);
    EXPECT_EQ(position("Parameters", "Parm1"), 61);

    const auto& pesticide = table("Annual Pesticide Output").columns;
    ASSERT_EQ(pesticide.size(), 10u);
    EXPECT_EQ(pesticide[6].name, "Percolation");
    EXPECT_EQ(pesticide[7].name, "Drainage");
    EXPECT_EQ(pesticide[9].name, "Yoc");

    EXPECT_EQ(position("Average Output", "Crop 1 Id"), 47);
    EXPECT_EQ(position("Average Output", "Crop 1 Yln"), 50);
    EXPECT_EQ(position("Average Output", "Crop 1 Fn"), 52);
    EXPECT_EQ(position("Yearly Output", "Crop 1 Id"), 54);
    EXPECT_EQ(position("Yearly Output", "Crop 1 Fn"), 57);
    EXPECT_EQ(position("Yearly Output", "Crop 1 Yln"), 59);
    EXPECT_EQ(position("Yearly Output", "Crop 5 Curve Number"), 113);
}

TEST(AllTables, Keys)
{
    EXPECT_EQ(table("Soil Layers").key_columns(),
              (std::vector<std::string>{"Soil Id", "Layer Number"}));
    EXPECT_EQ(table("Parameters").key_columns(), std::vector<std::string>{"ID"});
    EXPECT_TRUE(table("Livestock").key_columns().empty());
    EXPECT_TRUE(table("Average Output").key_columns().empty());
    const auto& subarea_indexes = table("Subareas").indexes;
    ASSERT_EQ(subarea_indexes.size(), 2u);
    EXPECT_EQ(subarea_indexes[1].name, "Index2");
    EXPECT_EQ(subarea_indexes[1].columns, std::vector<std::string>{"Subarea Id"});
}

TEST(AllTables, NoDuplicateColumnsAndEveryIndexNamesItsColumns)
{
    for (const table_description* t : all_tables()) {
        // The database matches column names without regard to case, so "ID" and "Id" would clash.
        std::set<std::string> names;
        std::set<std::string> folded;
        for (const auto& column : t->columns) {
            names.insert(column.name);
            EXPECT_TRUE(folded.insert(lower(column.name)).second) << t->name << ": " << column.name;
        }
        for (const auto& index : t->indexes) {
            for (const auto& column : index.columns)
                EXPECT_EQ(names.count(column), 1u) << t->name << " index " << index.name << ": " << column;
            // Output tables name each plain index after its column.
            if (!index.primary && t->name.find("Output") != std::string::npos) {
                EXPECT_EQ(index.name, index.columns.front()) << t->name;
            }
        }
    }
}

} // namespace
} // namespace ivorn
