// A subarea's operation schedule file and soil file.
#include "core/field_readers.h"
#include "core/text_utils.h"
#include "fixed_line.h"
#include "input_readers.h"

namespace ivorn::stand_in {
namespace {

// An operation line as the run writes it: two-digit dates for 2110 and 604, three-digit for 806
// and 1307; seven parameters of eight columns follow the integers.
struct schedule_columns {
    column_field year, month, day, operation, tractor, crop, int_variable;
    int first_parameter;
};

const schedule_columns two_digit{{1, 2}, {3, 4}, {5, 6}, {7, 11}, {12, 16}, {17, 21}, {22, 26}, 27};
const schedule_columns three_digit{{1, 3}, {4, 6}, {7, 9}, {10, 14}, {15, 19}, {20, 24}, {25, 29}, 30};

constexpr int min_soil_lines = 30;
constexpr int soil_head_lines = 3;

bool integer_at(const std::string& line, const column_field& field, int& value)
{
    return static_cast<int>(line.size()) >= field.last
        && !trim_copy(line.substr(static_cast<size_t>(field.first - 1), static_cast<size_t>(field.width()))).empty()
        && read_int_field(line, field.first, field.last, value);
}

// An integer of a fixed field that may be blank (0).
bool integer_or_blank(const std::string& line, const column_field& field, int& value)
{
    value = 0;
    if (static_cast<int>(line.size()) >= field.first
        && trim_copy(line.substr(static_cast<size_t>(field.first - 1), static_cast<size_t>(field.width()))).empty())
        return true;
    return read_int_field(line, field.first, field.last, value);
}

// A real of a fixed field; a blank field is 0, as the model's formatted reads take it.
bool real_at(const std::string& line, int first, int last, float& value)
{
    value = 0.0f;
    if (static_cast<int>(line.size()) >= first
        && trim_copy(line.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1))).empty())
        return true;
    return read_float_field(line, first, last, value);
}

bool parse_operation(const std::string& line, const schedule_columns& columns, field_operation& op)
{
    // The parameters may end early (they read as 0), the integers may not.
    if (static_cast<int>(line.size()) < columns.int_variable.last)
        return false;
    if (!integer_at(line, columns.year, op.year) || !integer_at(line, columns.month, op.month)
        || !integer_at(line, columns.day, op.day) || !integer_at(line, columns.operation, op.operation)
        || !integer_or_blank(line, columns.tractor, op.tractor) || !integer_or_blank(line, columns.crop, op.crop)
        || !integer_or_blank(line, columns.int_variable, op.int_variable))
        return false;
    for (int k = 0; k < 7; ++k) {
        const int first = columns.first_parameter + 8 * k;
        if (!real_at(line, first, first + 7, op.parameters[static_cast<size_t>(k)]))
            return false;
    }
    return op.year >= 1 && op.year <= 999 && op.month >= 1 && op.month <= 12 && op.day >= 1 && op.day <= 31;
}

} // namespace

bool read_schedule_file(const std::string& file, model_version version, subarea_input& subarea, std::string& error)
{
    std::vector<std::string> lines;
    if (!read_model_lines(file, lines, error))
        return false;
    if (lines.size() < 2 || !read_int_field(lines[1], 1, 4, subarea.land_use) || lines[1].size() < 4) {
        error = line_problem(file, 2, "the land use number (columns 1-4) is missing");
        return false;
    }
    const schedule_columns& columns = newer_report_files(version) ? three_digit : two_digit;
    for (size_t i = 2; i < lines.size(); ++i) {
        if (lines[i].size() <= 3)
            continue;
        field_operation op;
        if (!parse_operation(lines[i], columns, op)) {
            error = line_problem(file, static_cast<int>(i + 1), format_printf("not an operation line of model version %d", version_number(version)));
            return false;
        }
        subarea.operations.push_back(op);
    }
    return true;
}

bool read_soil_file(const std::string& file, soil_profile& soil, std::string& error)
{
    std::vector<std::string> lines;
    if (!read_model_lines(file, lines, error))
        return false;
    if (lines.size() < min_soil_lines) {
        error = file_problem(file, format_printf("a soil file has at least %d lines, this one %zu", min_soil_lines, lines.size()));
        return false;
    }
    soil.name = cut_to_width(trim_copy(lines[0]), 60);
    soil.line_2 = lines[1];
    soil.line_3 = lines[2];
    int layers = 0;
    read_int_field(lines[2], 1, 8, layers);
    if (layers <= 0 || layers > max_soil_layers)
        layers = max_soil_layers;
    const size_t last_line = std::min(lines.size(), static_cast<size_t>(soil_head_lines + soil_layer_columns));
    for (size_t i = soil_head_lines; i < last_line; ++i) {
        for (int k = 0; k < max_soil_layers; ++k) {
            float value = 0.0f;
            if (!real_at(lines[i], 8 * k + 1, 8 * k + 8, value)) {
                error = line_problem(file, static_cast<int>(i + 1), format_printf("layer %d is not a number", k + 1));
                return false;
            }
            soil.layers[i - soil_head_lines][static_cast<size_t>(k)] = value;
        }
    }
    while (soil.layer_count < layers && soil.layers[layer_depth][static_cast<size_t>(soil.layer_count)] > 0.0f)
        ++soil.layer_count;
    if (soil.layer_count == 0) {
        error = line_problem(file, 4, "no layer has a depth");
        return false;
    }
    return true;
}

} // namespace ivorn::stand_in
