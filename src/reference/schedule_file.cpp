// The operation schedule file: read from the model's own data set on import (two-digit layout
// only) and written for every run in the layout of the model version.
#include <algorithm>
#include <memory>
#include <vector>

#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/fixed_line_layout.h"
#include "reference/vorn_field_operation.h"

namespace ivorn {
namespace {

// A line of three characters or fewer, its line end counted, holds no operation.
constexpr size_t shortest_operation_line = 4;

bool read_header(line_reader& in, schedule_header& header, field_overflow& overflow)
{
    std::string line;
    if (!in.next_line(line) || !in.next_line(line))
        return false;
    const std::string_view text = without_line_end(line);
    unsigned short land_use = 0;
    read_ushort_field(text, 1, 4, land_use);
    header.land_use_number = land_use;
    read_int_field(text, 5, 8, header.autoirrigation_number);
    overflow.check_long(text, 1, 4);
    overflow.check_long(text, 5, 8);
    return true;
}

} // namespace

bool read_schedule_file(const std::string& path, const schedule_owner& owner, schedule_header& header,
                        field_operation_list& operations, std::string& log)
{
    line_reader in;
    if (in.open(path, log) != line_reader::open_result::opened) {
        log += "Cannot open operations file";
        return false;
    }
    schedule_header read = header;
    field_overflow overflow;
    if (!read_header(in, read, overflow)) {
        log += "Cannot read land use number in operations file";
        return false;
    }
    if (overflow.found()) {
        log += overflow.message(path, in.line_number());
        return false;
    }
    // The whole file is read before the schedule is replaced: a bad line leaves it as it was.
    std::string line;
    std::int32_t count = 0;
    std::vector<std::unique_ptr<vorn_field_operation>> lines_read;
    while (in.next_line(line)) {
        if (counted_length(line) < shortest_operation_line)
            continue;
        auto operation = std::make_unique<vorn_field_operation>();
        operation->record_id = owner.record_id;
        operation->subarea_number = owner.subarea_number;
        operation->read_line(line, &overflow);
        if (overflow.found()) {
            log += overflow.message(path, in.line_number());
            return false;
        }
        operation->sequence = count++;
        lines_read.push_back(std::move(operation));
    }
    header = read;
    operations.delete_all();
    // Sorted first, each add lands at the tail: the date order the adds give, equal dates in the
    // order of the file, without an insert in the middle per line.
    std::stable_sort(lines_read.begin(), lines_read.end(),
                     [](const auto& a, const auto& b) { return !b->comes_before(*a); });
    for (auto& operation : lines_read)
        operations.add(std::move(operation));
    return true;
}

bool write_operation_schedule(const std::string& path, const schedule_header& header,
                              const field_operation_list& operations, const operation_list_class* tillage,
                              int model_version, line_end_style line_ends, std::string& log)
{
    model_file_writer out;
    if (!out.open(path, line_ends)) {
        log += "Unable to open operations file " + path + "\r\n";
        return false;
    }
    out.write("1\n");
    if (model_version != 0)
        out.printf("%4d%4d\n", header.land_use_number, header.autoirrigation_number);
    const bool three_digits = uses_newer_layout(model_version);
    for (const vorn_field_operation* operation : operations) {
        if (three_digits)
            operation->write_three_digit(out, tillage, log);
        else
            operation->write_two_digit(out, tillage, log);
    }
    out.write("\n");
    if (out.close())
        return true;
    log += "Unable to write " + path + "\r\n";
    return false;
}

} // namespace ivorn
