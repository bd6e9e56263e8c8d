// Import Weather Links: the model's weather link file ties counties, watersheds and land resource
// areas to weather stations by name. Here each control record is linked to the station row that
// carries the name, by its [Weather Station ID]; the station rows themselves are never changed.
#include <algorithm>
#include <cstdint>
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

// Clears every record's station link and returns what each record is matched on.
bool reset_station_links(database& db, std::vector<record_key>& keys, std::string& log)
{
    recordset records;
    std::string ignored;
    if (!records.open(db, control_records_table(), {}, ignored)) {
        log += "Unable to open control record table[Control Records]\r\n";
        return false;
    }
    for (; !records.is_eof(); records.move_next()) {
        keys.push_back({records.get_integer("ID"), records.get_integer("State FIPS"), records.get_integer("County FIPS"),
                        records.get_integer("HUC"),
                        cut_to_width(trim_copy(records.get_text("MLRA")), mlra_compared)});
        records.edit();
        records.set("Weather Station ID", field_value(std::int64_t{0}));
        if (!records.update(log))
            return false;
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

bool link_records(database& db, const std::vector<record_key>& keys, const weather_link& link, std::string& log)
{
    std::int64_t station = 0;
    bool found = false;
    recordset records;
    for (const record_key& key : keys) {
        if (!key.matches(link))
            continue;
        if (!found && !station_number_of(db, link.station_name, station, log)) {
            log += format_printf("Weather station %s not found in table.\r\n", link.station_name.c_str());
            return false;
        }
        found = true;
        if (!records.open(db, control_records_table(), filter_by("ID", field_value(key.id)), log) || records.is_eof())
            return false;
        records.edit();
        records.set("Weather Station ID", field_value(station));
        if (!records.update(log))
            return false;
    }
    return true;
}

bool read_weather_links(database& db, line_reader& file, std::string& log)
{
    std::vector<record_key> keys;
    if (!reset_station_links(db, keys, log))
        return false;
    bool all_linked = true;
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
        all_linked = link_records(db, keys, read_link(line), log) && all_linked;
    }
    return all_linked;
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
    bool ok = false;
    if (opened == line_reader::open_result::opened) {
        transaction work(db);
        ok = read_weather_links(db, file, log);
        // What was linked before a line that ends the reading stays linked.
        ok = work.commit(log) && ok;
    }
    // What bringing the caller up to date reports is shown even after a successful import.
    std::string after_log;
    if (after)
        after(after_log);
    log += after_log;
    ui.end_wait_cursor();
    if (!ok || !after_log.empty())
        ui.show_error_list("Record read errors", "Click This", log);
    if (ok)
        ui.refresh_all_views(1);
    return ok;
}

} // namespace ivorn
