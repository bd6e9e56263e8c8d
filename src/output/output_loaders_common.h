// What the report file loaders share: opening a file (whatever the case of its name) or recording
// why not, dropping heading lines, opening tables for this load, adding a row, the per-subarea
// crop lists; and the loaders themselves.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/line_reader.h"
#include "output/output_sink.h"
#include "output/vorn_output_class.h"

namespace ivorn {

// One report file being loaded. What is wrong with its lines (a file that ends before its data,
// a last line cut off, a number no single float holds) is recorded in the output object, so that
// the whole load fails and leaves the database as it was.
struct loader_file {
    explicit loader_file(vorn_output_class& owner) : out(owner) {}

    vorn_output_class& out;
    line_reader reader;
    std::string line;
    std::string path;
    int data_lines = 0;
    int stars = 0;

    // The next line; false at the end of the file, and also (recorded) at a last line that lost
    // its line end: a model that stopped writing, or a full disk, leaves such a line.
    bool next();
    // The next line that is not blank, counted as a data line.
    bool next_data();
    // Drops the heading lines; false (recorded) when the file ends first.
    bool skip_headings(int count);
    // Drops `count` lines inside the data; false (recorded, naming `what`) when the file ends first.
    bool skip_within(int count, std::string_view what);
    // End of the data: false (recorded) when the file held none; the star count goes to the log.
    bool finish(std::string& log);
    // Fields of the current line. A field printed as stars reads as 0 and is counted; a number
    // beyond its type is recorded as an error and reads as 0.
    float real(int first, int last) { return real(line, reader.line_number(), first, last); }
    int integer(int first, int last) { return integer(line, reader.line_number(), first, last); }
    // The same for a line read earlier, numbered `line_number` in the file.
    float real(const std::string& text, int line_number, int first, int last);
    int integer(const std::string& text, int line_number, int first, int last);
    // True once anything stopped this load.
    bool stopped() const { return out.error_flag; }
    std::string where() const;
};

// "N fields printed as stars in FILE", when there were any.
void note_stars(std::string& log, int stars, const std::string& path);

// Opens base name + extension; on failure records `open_message` with the file name as detail.
bool open_loader_file(vorn_output_class& out, loader_file& file, std::string_view extension, std::string& log,
                      std::string_view open_message = "Unable to open output file");

// The table's inserter for this load; on failure records `open_message` ("Cannot open table ...").
bulk_inserter* open_output_table(vorn_output_class& out, output_sink& sink, const table_description& table,
                                 std::string_view open_message);
// Adds the row; a failure of the database records its message.
bool insert_output_row(vorn_output_class& out, bulk_inserter& row);

bool is_blank_line(std::string_view line);

// Position of each named column, looked up once per table.
template <size_t N>
std::array<int, N> column_positions(const table_description& table, const std::array<const char*, N>& names)
{
    std::array<int, N> positions{};
    for (size_t i = 0; i < N; ++i)
        positions[i] = table.column_index(names[i]);
    return positions;
}

// The entry named `name` (compared over `width` characters) or the first empty one, which then
// takes the name; null when every entry holds another name.
template <class Entry, size_t N>
Entry* find_or_add_crop(std::array<Entry, N>& entries, const std::string& name, size_t width)
{
    for (Entry& entry : entries) {
        if (entry.name.compare(0, width, name, 0, width) == 0)
            return &entry;
        if (entry.name.empty()) {
            entry.name = name;
            return &entry;
        }
    }
    return nullptr;
}

// The crop tables are indexed by subarea number and year, from 1: lines beyond them are left
// out, and the log says how many.
bool inside_crop_tables(int subarea, int year);
void note_skipped_lines(std::string& log, int skipped, const std::string& path);
extern const char* const rotation_overflow_message;

// The loaders, one per file. `variant` picks the layout of the model version: 1 for 2110, 2 for
// 806 and 1307, 3 for 1307 where a third exists. Each records in `out` the first thing that went
// wrong.
bool load_subarea_summary(vorn_output_class& out, std::string& log);                                   // .SUS
bool load_annual_crop_yields(vorn_output_class& out, output_sink& sink, int variant, std::string& log);  // .ACY
bool load_organic_carbon_nitrogen(vorn_output_class& out, output_sink& sink, int variant, std::string& log); // .ACN
bool load_annual_pesticides(vorn_output_class& out, output_sink& sink, int variant, std::string& log);   // .APS
bool load_monthly_swat(vorn_output_class& out, output_sink& sink, int variant, std::string& log);        // .MSW
bool load_daily_swat(vorn_output_class& out, output_sink& sink, int variant, std::string& log);          // .SWT
bool load_annual_watershed(vorn_output_class& out, output_sink& sink, int variant, std::string& log);    // .AWP
bool load_monthly_subarea(vorn_output_class& out, output_sink& sink, int variant, std::string& log);     // .MSA


} // namespace ivorn
