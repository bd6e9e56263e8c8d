// One description per table: its name, its columns in order with type and text size, and its
// indexes. Creation, record binding, CSV export and the editing pages all read this one value,
// so adding a column is a one-line change.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ivorn {

// Lets a name be looked up as a string_view, without making a string of it.
struct name_hash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

enum class column_type { long_int, short_int, byte_int, single_float, text };

struct column_description {
    std::string name;
    column_type type = column_type::long_int;
    int text_size = 0; // maximum characters, text columns only
};

struct index_description {
    std::string name;
    std::vector<std::string> columns;
    bool primary = false; // primary implies unique and required
};

struct table_description {
    std::string name;
    std::vector<column_description> columns;
    std::vector<index_description> indexes;

    // Position of a column by name, ignoring letter case as the model's database did; -1 if absent.
    int column_index(std::string_view column) const;
    const column_description* column(std::string_view column) const;
    // The columns of the "PrimaryKey" index, or none.
    std::vector<std::string> key_columns() const;

    // Positions by lower-case name, made once by the builder: records of 129 columns look up
    // every column on every load and save, and a scan per name made that quadratic.
    std::unordered_map<std::string, int, name_hash, std::equal_to<>> positions{};
    void index_positions();
};

// Builds a description line by line, so each table reads as a column list.
class table_builder {
public:
    explicit table_builder(std::string name) { table_.name = std::move(name); }

    table_builder& long_col(std::string name) { return add(std::move(name), column_type::long_int, 0); }
    table_builder& short_col(std::string name) { return add(std::move(name), column_type::short_int, 0); }
    table_builder& byte_col(std::string name) { return add(std::move(name), column_type::byte_int, 0); }
    table_builder& single_col(std::string name) { return add(std::move(name), column_type::single_float, 0); }
    table_builder& text_col(std::string name, int size) { return add(std::move(name), column_type::text, size); }

    // Several columns of one type at once, e.g. singles({"Prcp", "Et", "Q"}).
    table_builder& longs(std::initializer_list<const char*> names);
    table_builder& shorts(std::initializer_list<const char*> names);
    table_builder& singles(std::initializer_list<const char*> names);
    // Numbered columns: prefix + i + suffix for i in first..last, e.g. ("Salt Layer ", 1, 10).
    table_builder& numbered(column_type type, const std::string& prefix, int first, int last,
                            const std::string& suffix = "");

    // "PrimaryKey" on these columns: primary, unique, required.
    table_builder& primary_key(std::vector<std::string> columns);
    // A plain (neither primary nor unique) index on one column.
    table_builder& index(std::string name, std::string column);

    table_description build()
    {
        table_.index_positions();
        return std::move(table_);
    }

private:
    table_builder& add(std::string name, column_type type, int size);
    table_description table_;
};

} // namespace ivorn
