// Import Weather Links: the model's weather link file ties counties, watersheds and land resource
// areas to weather stations by name. Here each control record a line matches is linked to the
// station row that carries the name, by its [Weather Station ID]; a record no line matches keeps
// its station, and the station rows themselves are never changed.
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "shell/import_area.h"
#include "shell/user_interface.h"
#include "site/control_record_table.h"
#include "site/weather_tables.h"
#include "store/recordset.h"

namespace ivorn {
namespace {

constexpr size_t longest_link_line = 79;
constexpr size_t mlra_compared = 8;
constexpr size_t station_name_width = 25;

struct weather_link {
    int state_fips = 0;
    int county_fips = 0;
    std::string mlra;
    std::int32_t huc = 0;
    std::string station_name;
};

// Columns first..last (1-based) of the line, as far as the line reaches.
std::string_view columns(std::string_view line, size_t first, size_t last)
{
    if (first > line.size())
        return {};
    return line.substr(first - 1, std::min(line.size(), last) - (first - 1));
}

weather_link read_link(std::string_view line)
{
    weather_link link;
    if (!read_int_field(line, 11, 12, link.state_fips))
        link.state_fips = 0;
    if (!read_int_field(line, 13, 15, link.county_fips))
        link.county_fips = 0;
    link.mlra = cut_to_width(trim_copy(columns(line, 16, 19)), mlra_compared);
    if (!read_long_field(line, 20, 27, link.huc))
        link.huc = 0;
    link.station_name = latin1_to_utf8(cut_to_width(trim_copy(columns(line, 29, 46)), station_name_width));
    return link;
}

// What a control record is matched on, with its row's ID.
struct record_key {
    std::int64_t id = 0;
    std::int64_t state_fips = 0;
    std::int64_t county_fips = 0;
    std::int64_t huc = 0;
    std::string mlra;

    bool matches(const weather_link& link) const
    {
        return state_fips == link.state_fips && county_fips == link.county_fips && huc == link.huc && mlra == link.mlra;
    }
};

// What each control record is matched on.
bool read_record_keys(database& db, std::vector<record_key>& keys, std::string& log)
{
    recordset records;
    std::string ignored;
    if (!records.open(db, control_records_table(), {}, ignored, recordset::mode::read_only)) {
        log += "Unable to open control record table[Control Records]\r\n";
        return false;
    }
    for (; !records.is_eof(); records.move_next()) {
        keys.push_back({records.get_integer("ID"), records.get_integer("State FIPS"), records.get_integer("County FIPS"),
                        records.get_integer("HUC"),
                        cut_to_width(trim_copy(records.get_text("MLRA")), mlra_compared)});
    }
    return true;
}

// The number of the first station row of that name; false when there is none.
bool station_number_of(database& db, const std::string& name, std::int64_t& number, std::string& log)
{
    recordset stations;
    if (!stations.open(db, weather_table(), filter_by("Name", field_value(name)), log, recordset::mode::read_only)
        || stations.is_eof())
        return false;
    number = stations.get_integer("ID");
    return true;
}

struct link_counts {
    std::set<std::int64_t> linked;
    long names_not_found = 0;
};

// The records a line matches take its station. A name that no station carries changes nothing:
// unlinking the records would only make every one of their runs fail.
bool link_records(database& db, const std::vector<record_key>& keys, const weather_link& link, const line_reader& file,
                  link_counts& counts, std::string& log)
{
    std::vector<std::int64_t> matched;
    for (const record_key& key : keys) {
        if (key.matches(link))
            matched.push_back(key.id);
    }
    if (matched.empty())
        return true;
    std::int64_t station = 0;
    if (!station_number_of(db, link.station_name, station, log)) {
        log += format_printf("Weather station %s not found in table.\r\n", link.station_name.c_str());
        file.log_stop(log);
        ++counts.names_not_found;
        return true;
    }
    for (const std::int64_t id : matched) {
        recordset records;
        if (!records.open(db, control_records_table(), filter_by("ID", field_value(id)), log) || records.is_eof())
            return false;
        records.edit();
        records.set("Weather Station ID", field_value(station));
        if (!records.update(log))
            return false;
        counts.linked.insert(id);
    }
    return true;
}

// False when the file could not be read whole or a record could not be stored.
bool read_weather_links(database& db, line_reader& file, link_counts& counts, long& records, std::string& log)
{
    std::vector<record_key> keys;
    if (!read_record_keys(db, keys, log))
        return false;
    records = static_cast<long>(keys.size());
    std::string raw;
    file.next_line(raw);
    while (file.next_line(raw)) {
        const std::string_view line = without_line_end(raw);
        if (line.size() > longest_link_line) {
            log += format_printf("Weather link line longer than %zu characters; reading ended there.\r\n",
                                 longest_link_line);
            file.log_stop(log);
            return false;
        }
        if (!link_records(db, keys, read_link(line), file, counts, log))
            return false;
    }
    return true;
}

} // namespace

bool import_weather_links(database& db, const std::string& path, user_interface& ui, std::string& log,
                          const after_import& after)
{
    ui.begin_wait_cursor();
    line_reader file;
    const auto opened = file.open(path, log);
    if (opened == line_reader::open_result::missing)
        log += "Unable to open weather link file " + path + "\r\n";
    bool read = false;
    link_counts counts;
    if (opened == line_reader::open_result::opened) {
        transaction work(db);
        long records = 0;
        read = read_weather_links(db, file, counts, records, log) && work.commit(log);
        if (read) {
            const long linked = static_cast<long>(counts.linked.size());
            log += format_printf("Records linked: %ld, kept: %ld; station names not found: %ld\r\n", linked,
                                 records - linked, counts.names_not_found);
        } else {
            log += "No weather link was imported from " + path + ".\r\n";
        }
    }
    const bool ok = read && counts.names_not_found == 0;
    if (after)
        after(log);
    ui.end_wait_cursor();
    ui.show_error_list("Record read errors", "Click This", log);
    if (read)
        ui.refresh_all_views(1);
    return ok;
}

} // namespace ivorn
