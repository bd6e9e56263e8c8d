// The selected-output-variables list: which model variables the model prints in its main report,
// which of them the user picked for the Selected Variable columns, the 30 output-file switches
// and the selection counter, kept in "output variables.csv" beside the model executable.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/list_class.h"

namespace ivorn {

// Texts for message boxes, in the order they would appear: this layer cannot show them, so the
// caller does, through the user-interface port.
using message_box_texts = std::vector<std::string>;

class output_variable_description : public list_member {
public:
    // 0 not printed; 1 printed by the program's own choice; 2 printed and selected by the user.
    int state = 0;
    int number = -1;
    std::string name;
    std::string second_text;
    // Its first 10 characters choose the unit conversion of a selected value.
    std::string english_unit_label;
    std::string description;

    // Ascending number order; descriptions of equal number keep the order they came in.
    bool comes_before(const list_member& candidate) const override;

    // The line as "output variables.csv" holds it, with its "\n".
    std::string file_line() const;

protected:
    bool is_ordered() const override { return true; }
};

constexpr int output_file_switch_count = 30;
constexpr int max_selected_variables = 10;

// The label of output-file switch k (0-29) in the "Select Output Files" dialog.
const char* output_file_switch_label(int k);

class list_output_variable_descriptions : public typed_list<output_variable_description> {
public:
    int selected_count = 0;
    long selection_counter = 0;
    std::array<int, output_file_switch_count> switches{};

    // Fills the list from the file; false (with a message-box text) when it cannot be opened or read.
    bool load_output_variables(const std::string& path, message_box_texts& shown);
    // Writes the list back. With the selection-changed flag set the counter advances first (99
    // becomes 1). False (after a message box) when the file cannot be written; the file then
    // keeps its earlier contents.
    bool save_output_variables(const std::string& path, int selection_changed, message_box_texts& shown);

    bool switch_on(int k) const { return k >= 0 && k < output_file_switch_count && switches[k] != 0; }

    // The Configuration dialog's three lists.
    std::vector<output_variable_description*> all_variables() const;
    std::vector<output_variable_description*> printed_variables() const;
    std::vector<output_variable_description*> user_selected_variables() const;
    // "%2d %s " with number and name; the all-variables list appends the description.
    static std::string list_entry(const output_variable_description& variable, bool with_description);

    // "Select Variable" with `highlighted` the chosen entry of the all-variables list (null: none).
    // Only a variable that is not printed becomes selected. True when the selection changed.
    bool select_variable(output_variable_description* highlighted, int& selection_changed, message_box_texts& shown);
    // "Remove" with the text of the chosen "User Selected" entry (null: none). True when the
    // selection changed.
    bool remove_variable(const std::string* highlighted_entry, int& selection_changed, message_box_texts& shown);

private:
    void parse_switches(const std::string& line);
};

// True when two names agree over their first `width` characters, as a bounded C string compare.
bool names_equal_over(const std::string& a, const std::string& b, size_t width);

} // namespace ivorn
