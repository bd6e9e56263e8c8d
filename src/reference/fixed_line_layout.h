// A fixed-width model file line described as data: for each value its table column, its columns
// in the file, its printf format and the record member it lives in. The reader, the writer and
// the table binding of a record all walk the same description.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/field_readers.h"
#include "core/model_file_writer.h"
#include "store/field_binding.h"

namespace ivorn {

enum class field_kind {
    single,            // a float, read with read_float_field and written with its format
    single_as_whole,   // a float written as a whole number ("%7ld."): the fraction is dropped
    whole_from_single, // an integer read as a float and truncated, written as an integer ("%7d.")
    whole,             // an integer read with read_int_field and written as an integer
};

template <class R>
struct fixed_field {
    const char* column; // the table column the member binds to
    int first;          // 1-based, inclusive columns read
    int last;
    const char* format; // printf conversion of the written field
    field_kind kind;
    float R::*single = nullptr;
    std::int32_t R::*whole = nullptr;
};

template <class R>
constexpr fixed_field<R> single_field(const char* column, int first, int last, const char* format, float R::*member)
{
    return {column, first, last, format, field_kind::single, member, nullptr};
}

template <class R>
constexpr fixed_field<R> whole_field(const char* column, int first, int last, const char* format, field_kind kind,
                                     std::int32_t R::*member)
{
    return {column, first, last, format, kind, nullptr, member};
}

// Eight-column fields follow each other in the model's files; the nth (from 0) of a run that
// starts at column `start`.
constexpr int eight_column_start(int start, int n) { return start + 8 * n; }

// A float as a whole number the way a cast does, but defined for every value: clamped to the
// 32-bit range, 0 for a value that is not a number.
std::int32_t truncate_to_whole(float value);

// One field, untyped: the layout templates below hand the member they point at.
void read_fixed_field(std::string_view line, int first, int last, field_kind kind, float* single, std::int32_t* whole,
                      field_overflow* overflow = nullptr);
void write_fixed_field(model_file_writer& out, const char* format, field_kind kind, float single, std::int32_t whole);

// `line` without its line end. Fields past the end of the line take the field readers' values;
// the first field beyond its type is noted in `overflow` when one is given.
template <class R>
void read_fields(std::string_view line, R& record, std::span<const fixed_field<R>> fields,
                 field_overflow* overflow = nullptr)
{
    for (const auto& field : fields) {
        read_fixed_field(line, field.first, field.last, field.kind, field.single ? &(record.*field.single) : nullptr,
                         field.whole ? &(record.*field.whole) : nullptr, overflow);
    }
}

template <class R>
void write_fields(model_file_writer& out, const R& record, std::span<const fixed_field<R>> fields)
{
    for (const auto& field : fields) {
        write_fixed_field(out, field.format, field.kind, field.single ? record.*field.single : 0.0f,
                          field.whole ? record.*field.whole : 0);
    }
}

template <class R>
void bind_fields(binding_list& bindings, R& record, std::span<const fixed_field<R>> fields)
{
    bindings.reserve(bindings.size() + fields.size());
    for (const auto& field : fields) {
        if (field.single)
            bindings.push_back({field.column, &(record.*field.single)});
        else
            bindings.push_back({field.column, &(record.*field.whole)});
    }
}

// A line's length as the model's text-mode reader counts it: with its line end. A last line
// that lacks one is counted as if it had it, so it is judged like every other line.
size_t counted_length(std::string_view line);

// Model versions 806 and 1307 use the newer layouts of the tillage and parameter files.
constexpr bool uses_newer_layout(int model_version) { return model_version == 806 || model_version == 1307; }

} // namespace ivorn
