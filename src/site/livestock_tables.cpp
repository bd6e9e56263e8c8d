// Column layouts of the herd and point-source tables. "Livestock" and "Livestock Schedule" have
// no key: a record saves ten herd rows under one ID, usually with the same (zero) Herd Id. A
// plain index on that ID lets a record find its rows without reading every record's.
#include "site/livestock_tables.h"

namespace ivorn {

namespace {

table_description build_livestock()
{
    table_builder t("Livestock");
    t.longs({"ID", "Owner Id"})
        .short_col("Herd Id")
        .long_col("Number of Animals")
        .singles({"Fraction Herd in Feeding Area", "Grazing Rate", "Daily Manure Dump"})
        .short_col("Manure Id")
        .single_col("Urine Volume")
        .index("ID", "ID");
    return t.build();
}

table_description build_livestock_schedule()
{
    table_builder t("Livestock Schedule");
    t.long_col("Id")
        .shorts({"Owner Id", "Herd Id", "Year of Buy Sell", "Month of Buy Sell", "Day of Buy Sell"})
        .long_col("Number of Animals")
        .index("Id", "Id");
    return t.build();
}

table_description build_point_source()
{
    table_builder t("Point Source");
    t.longs({"ID", "Subarea Id"})
        .text_col("Point Source Name", 99)
        // A record has up to ten point sources: a key on [ID] alone would refuse the second.
        .primary_key({"ID", "Subarea Id", "Point Source Name"});
    return t.build();
}

} // namespace

const table_description& livestock_table()
{
    static const table_description table = build_livestock();
    return table;
}

const table_description& livestock_schedule_table()
{
    static const table_description table = build_livestock_schedule();
    return table;
}

const table_description& point_source_table()
{
    static const table_description table = build_point_source();
    return table;
}

} // namespace ivorn
