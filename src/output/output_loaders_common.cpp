// Shared steps of the report file loaders.
#include "output/output_loaders_common.h"

#include "core/field_readers.h"
#include "core/text_utils.h"

namespace ivorn {

bool loader_file::next()
{
    if (!reader.next_line(line))
        return false;
    if (line.back() != '\n' && !is_blank_line(line)) {
        out.record_error("Output file is cut short in the middle of a line", where());
        return false;
    }
    return true;
}

bool loader_file::next_data()
{
    while (next()) {
        if (is_blank_line(line))
            continue;
        ++data_lines;
        return true;
    }
    return false;
}

bool loader_file::skip_headings(int count)
{
    for (int i = 0; i < count; ++i) {
        if (next())
            continue;
        if (!stopped())
            out.record_error("Output file ends before the end of its headings", path);
        return false;
    }
    return true;
}

bool loader_file::skip_within(int count, std::string_view what)
{
    for (int i = 0; i < count; ++i) {
        if (next())
            continue;
        if (!stopped())
            out.record_error("Output file ends inside " + std::string(what), where());
        return false;
    }
    return true;
}

bool loader_file::finish(std::string& log)
{
    if (stopped())
        return false;
    if (data_lines == 0) {
        out.record_error("Output file holds no data line after its headings", path);
        return false;
    }
    note_stars(log, stars, path);
    return true;
}

std::string loader_file::where() const
{
    return path + " line " + std::to_string(reader.line_number());
}

namespace {

bool printed_as_stars(std::string_view line, int first, int last)
{
    return field_of(line, first, last).find('*') != std::string_view::npos;
}

} // namespace

float loader_file::real(const std::string& whole_line, int line_number, int first, int last)
{
    const std::string_view text = without_line_end(whole_line);
    float value = 0.0f;
    if (read_float_field(text, first, last, value))
        return value;
    if (float_field_overflows(text, first, last)) {
        out.record_error("Number beyond a single float", field_position(path, line_number, first, last));
        return 0.0f;
    }
    if (printed_as_stars(text, first, last)) {
        ++stars;
        return 0.0f;
    }
    return value;
}

int loader_file::integer(const std::string& whole_line, int line_number, int first, int last)
{
    const std::string_view text = without_line_end(whole_line);
    int value = 0;
    if (read_int_field(text, first, last, value))
        return value;
    if (long_field_overflows(text, first, last)) {
        out.record_error("Number beyond a 32-bit integer", field_position(path, line_number, first, last));
        return 0;
    }
    if (printed_as_stars(text, first, last)) {
        ++stars;
        return 0;
    }
    return value;
}

void note_stars(std::string& log, int stars, const std::string& path)
{
    if (stars > 0)
        log += format_printf("%d fields printed as stars in %s\r\n", stars, path.c_str());
}

bool open_loader_file(vorn_output_class& out, loader_file& file, std::string_view extension, std::string& log,
                      std::string_view open_message)
{
    file.path = out.report_path(extension);
    if (file.reader.open(file.path, log) == line_reader::open_result::opened)
        return true;
    out.record_error(open_message, file.path);
    return false;
}

bulk_inserter* open_output_table(vorn_output_class& out, output_sink& sink, const table_description& table,
                                 std::string_view open_message)
{
    std::string message;
    bulk_inserter* row = sink.open(table, message);
    if (!row)
        out.record_error(open_message, trim_copy(message));
    return row;
}

bool insert_output_row(vorn_output_class& out, bulk_inserter& row)
{
    std::string message;
    if (row.insert_row(message))
        return true;
    out.record_error(trim_copy(message));
    return false;
}

bool is_blank_line(std::string_view line)
{
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

const char* const rotation_overflow_message = "Number of crops exceeds maximum for rotation";

bool inside_crop_tables(int subarea, int year)
{
    return subarea >= 1 && subarea <= max_report_subareas && year >= 1 && year <= report_year_slots;
}

void note_skipped_lines(std::string& log, int skipped, const std::string& path)
{
    if (skipped > 0)
        log += format_printf("%d lines of %s were left out: their subarea or year lies outside the crop tables\r\n",
                             skipped, path.c_str());
}

} // namespace ivorn
