// edit_help_text: the help box beside every editing dialog's fields. It explains the model
// variable of the field that has the focus, in the words of the project's help file.
#pragma once

#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <string_view>

namespace ivorn {

class list_field_help;

class edit_help_text : public QPlainTextEdit {
public:
    explicit edit_help_text(QWidget* parent = nullptr);
    // `variable` empty (a control without a field, such as OK) empties the box.
    void show_help_for(std::string_view variable, const list_field_help& help);

    // Follows the focus inside `owner` from now on: a field `variable_of` knows shows its help,
    // another control of the owner empties the box, and focus into the box itself changes nothing.
    void follow_focus(QWidget* owner, const list_field_help& help,
                      std::function<const std::string*(const QWidget*)> variable_of);
};

} // namespace ivorn
