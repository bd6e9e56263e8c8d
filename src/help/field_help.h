// The help text of every model variable, loaded from `iVornHelp.csv` beside the project database
// and looked up by the variable's name for the help box of the editing dialogs. Entries are kept
// in one list per initial letter, ordered by name and version.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/list_class.h"

namespace ivorn {

class field_help : public list_member {
public:
    // By name in byte order (case-sensitive), then by version.
    bool comes_before(const list_member& candidate) const override;
    void copy_from(const field_help& other);

    std::uint16_t version = 0;
    std::string name;
    std::string units;
    std::string help_text;
    std::int32_t table = 0;

protected:
    bool is_ordered() const override { return true; }
};

class list_field_help {
public:
    list_field_help() = default;
    list_field_help(const list_field_help&) = delete;
    list_field_help& operator=(const list_field_help&) = delete;
    virtual ~list_field_help() = default;

    // The entry of that name (letter case ignored) and version, else the first of that name; its
    // display text "NAME (UNITS): TEXT" goes to `result`. False when there is none.
    virtual bool find_field_help(std::string_view name, unsigned version, std::string& result) const;
    virtual void table_name(std::int32_t table, std::string& result) const;
    virtual void table_page(std::int32_t table, std::string& result) const;
    virtual void table_text(std::int32_t table, std::string& result) const;

    // Files the entry under its initial; false (entry dropped) when the name does not begin with a letter.
    bool add(std::unique_ptr<field_help> entry);
    // The list of names beginning with `letter` (either case); null for anything but a letter.
    const typed_list<field_help>* letter_list(char letter) const;
    size_t count() const;
    void clear();

private:
    typed_list<field_help> letters_[26];
};

// The program's own table numbers 1 to 14 with their names and help pages.
class list_field_help_vorn : public list_field_help {
public:
    void table_name(std::int32_t table, std::string& result) const override;
    void table_page(std::int32_t table, std::string& result) const override;
    void table_text(std::int32_t table, std::string& result) const override;
};

// What the help box shows for the field that gained the focus, given its model variable name
// (empty when the control has none): the help of version 0, or "Not Found: " and the name.
std::string help_box_text(const list_field_help& help, std::string_view field_name);

// Reads the help file into `help`, appending every problem to `error_text`; loading stops at the
// first problem and keeps the entries read before it.
void load_field_help(list_field_help& help, const std::string& path, std::string& error_text);

// The help file's name; it lies in the project database's directory.
inline constexpr const char* field_help_file_name = "iVornHelp.csv";

} // namespace ivorn
