// Shared steps of the report file loaders.
#include "output/output_loaders_common.h"

#include "core/field_readers.h"
#include "core/text_utils.h"

namespace ivorn {

bool loader_file::skip(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!next())
            return false;
    }
    return true;
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

int int_field(std::string_view line, int first, int last)
{
    int value = 0;
    read_int_field(without_line_end(line), first, last, value);
    return value;
}

float float_field(std::string_view line, int first, int last)
{
    float value = 0.0f;
    read_float_field(without_line_end(line), first, last, value);
    return value;
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
