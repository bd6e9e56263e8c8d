// An editing page described as data: the fields it shows, each tied to a column of the record's
// binding list, with its label, its editor and the model variable the help box explains. One
// builder (record_page) turns a description into widgets, so no page is drawn by hand.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace ivorn {

struct table_description;

// `automatic` takes the editor from the column's type: integer for short and byte columns, long
// for long columns, real for singles, text for text columns.
enum class editor_kind { automatic, integer, long_integer, real, choice, flag, text };

struct choice_item {
    int code;
    const char* label;
};
using choice_table = std::vector<choice_item>;

struct field_entry {
    std::string column;
    std::string label;
    editor_kind editor = editor_kind::automatic;
    // The codes and labels of a choice; null for other editors.
    const choice_table* choices = nullptr;
    // The model variable whose help is shown while the field has the focus; empty: the column name.
    std::string variable = {};
    // The binding's name when it differs from the column: one column bound once per month or
    // layer (see element_binding_name).
    std::string bound = {};
};

// A group laid out as a table: `headings` over the editor columns, one row label per row, and
// the fields filling the rows left to right without labels of their own. `row_header`, when
// given, makes a row's label widget (the wind page's direction buttons).
struct grid_layout {
    std::vector<std::string> headings;
    std::vector<std::string> row_labels;
    QWidget* (*row_header)(int row, const std::string& label, QWidget* parent) = nullptr;
};

struct field_group {
    std::string caption;
    std::vector<field_entry> fields;
    // Label and editor pairs per row; fields fill the rows left to right.
    int columns = 1;
    // Empty headings: label and editor pairs as above.
    grid_layout grid = {};
};

struct page_description {
    std::string title;
    std::vector<field_group> groups;
    // The page's own table when its fields are columns of another table than the sheet's.
    const table_description* table = nullptr;
};

struct sheet_description {
    std::string caption;
    const table_description* table = nullptr;
    std::vector<page_description> pages;
};

// The variable name the help box looks up for a field.
inline const std::string& help_variable(const field_entry& field)
{
    return field.variable.empty() ? field.column : field.variable;
}

// The binding name of one element of a column bound per month or layer: "COLUMN#N".
inline std::string element_binding_name(const std::string& column, int element)
{
    return column + "#" + std::to_string(element);
}

// The name a field is looked up by in the binding list.
inline const std::string& binding_name(const field_entry& field)
{
    return field.bound.empty() ? field.column : field.bound;
}

} // namespace ivorn
