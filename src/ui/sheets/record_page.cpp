// The page builder and its data exchange. Members are reached only through the binding list and
// the column description, so every page of every record shares this one exchange.
#include "sheets/record_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <type_traits>

#include "core/text_utils.h"
#include "widgets/numeric_edits.h"

namespace ivorn {

namespace {

struct integer_range {
    long long low;
    long long high;
};

integer_range intersect(integer_range a, integer_range b)
{
    return {std::max(a.low, b.low), std::min(a.high, b.high)};
}

integer_range column_range(const column_description& column)
{
    switch (column.type) {
    case column_type::short_int: return {SHRT_MIN, SHRT_MAX};
    case column_type::byte_int: return {0, UCHAR_MAX};
    default: return {INT_MIN, INT_MAX};
    }
}

integer_range member_range(const bound_member& member)
{
    if (std::holds_alternative<short*>(member))
        return {SHRT_MIN, SHRT_MAX};
    if (std::holds_alternative<unsigned short*>(member))
        return {0, USHRT_MAX};
    if (std::holds_alternative<unsigned char*>(member))
        return {0, UCHAR_MAX};
    return {INT_MIN, INT_MAX};
}

long long member_integer(const bound_member& member)
{
    return std::visit(
        [](auto* value) -> long long {
            using type = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<type, std::string>)
                return 0;
            else if constexpr (std::is_same_v<type, float>)
                // A code held as a real (the erosion equation) is taken as the column stores it.
                return std::isfinite(*value) && std::fabs(*value) < 2147483648.0f ? static_cast<long long>(*value) : 0;
            else
                return static_cast<long long>(*value);
        },
        member);
}

double member_real(const bound_member& member)
{
    if (auto* value = std::get_if<float*>(&member))
        return **value;
    return static_cast<double>(member_integer(member));
}

void store_integer(const bound_member& member, long long number)
{
    std::visit(
        [number](auto* value) {
            using type = std::remove_pointer_t<decltype(value)>;
            if constexpr (!std::is_same_v<type, std::string>)
                *value = static_cast<type>(number);
        },
        member);
}

void store_real(const bound_member& member, double number)
{
    if (auto* value = std::get_if<float*>(&member))
        **value = static_cast<float>(number);
    else
        store_integer(member, static_cast<long long>(number));
}

// The number an edit's text reads as, the way the typed edits scan it: a text without digits is
// 0. False when the number is beyond what a long long or a double can hold.
bool scan_whole(const QString& text, long long& number)
{
    const std::string bytes = text.left(numeric_edit_scan_width).toStdString();
    char* end = nullptr;
    errno = 0;
    const long long scanned = std::strtoll(bytes.c_str(), &end, 10);
    number = end == bytes.c_str() ? 0 : scanned;
    return errno != ERANGE;
}

bool scan_real(const QString& text, double& number)
{
    const std::string bytes = text.left(numeric_edit_scan_width).toStdString();
    char* end = nullptr;
    const double scanned = std::strtod(bytes.c_str(), &end);
    number = end == bytes.c_str() ? 0.0 : scanned;
    return std::isfinite(number);
}

QString plain_label(const field_entry& field)
{
    return QString::fromStdString(field.label).remove(QLatin1Char('&'));
}

QString refusal(const field_entry& field, const QString& what)
{
    return QStringLiteral("\"%1\": %2").arg(plain_label(field), what);
}

} // namespace

editor_kind resolved_editor(const field_entry& field, const column_description& column)
{
    if (field.editor != editor_kind::automatic)
        return field.editor;
    switch (column.type) {
    case column_type::long_int: return editor_kind::long_integer;
    case column_type::single_float: return editor_kind::real;
    case column_type::text: return editor_kind::text;
    default: return editor_kind::integer;
    }
}

record_page::record_page(const page_description& page, const table_description& table, const binding_list& bindings,
                         QWidget* parent)
    : QWidget(parent), page_(page)
{
    auto* layout = new QVBoxLayout(this);
    for (const field_group& group : page.groups) {
        auto* box = new QGroupBox(QString::fromStdString(group.caption), this);
        auto* grid = new QGridLayout(box);
        const bool table_form = !group.grid.headings.empty();
        const int columns = table_form ? static_cast<int>(group.grid.headings.size()) : std::max(1, group.columns);
        if (table_form) {
            for (int column = 0; column < columns; ++column) {
                auto* heading = new QLabel(QString::fromStdString(group.grid.headings[column]), box);
                heading->setAlignment(Qt::AlignCenter);
                grid->addWidget(heading, 0, column + 1);
            }
        }
        int slot = 0;
        for (const field_entry& field : group.fields) {
            // A row's header is made just before its first editor, so it leads the row in the focus chain.
            const auto header_row = static_cast<size_t>(slot / columns);
            if (table_form && slot % columns == 0 && header_row < group.grid.row_labels.size()) {
                const std::string& text = group.grid.row_labels[header_row];
                QWidget* header = group.grid.row_header
                                      ? group.grid.row_header(static_cast<int>(header_row), text, box)
                                      : new QLabel(QString::fromStdString(text), box);
                grid->addWidget(header, static_cast<int>(header_row) + 1, 0);
            }
            bound_editor editor;
            editor.field = &field;
            editor.column = table.column(field.column);
            const std::string& name = binding_name(field);
            for (const field_binding& binding : bindings) {
                if (editor.column && equals_ignoring_case(binding.column, name))
                    editor.member = &binding.member;
            }
            QWidget* widget = make_editor(editor);
            const int row = slot / columns;
            const int pair = (slot % columns) * 2;
            if (table_form) {
                grid->addWidget(widget, row + 1, slot % columns + 1);
            } else if (editor.editor == editor_kind::flag) {
                grid->addWidget(widget, row, pair, 1, 2);
            } else {
                auto* label = new QLabel(QString::fromStdString(field.label), box);
                label->setBuddy(widget);
                grid->addWidget(label, row, pair);
                grid->addWidget(widget, row, pair + 1);
            }
            ++slot;
            editors_.push_back(std::move(editor));
        }
        if (!table_form) {
            for (int pair = 0; pair < columns; ++pair)
                grid->setColumnStretch(pair * 2 + 1, 1);
        }
        layout->addWidget(box);
    }
    layout->addStretch(1);
}

QWidget* record_page::make_editor(bound_editor& editor)
{
    const field_entry& field = *editor.field;
    QWidget* widget = nullptr;
    if (!editor.column || !editor.member) {
        editor.editor = editor_kind::text;
        auto* missing = new QLineEdit(QStringLiteral("(not bound)"), this);
        missing->setEnabled(false);
        widget = missing;
    } else {
        editor.editor = resolved_editor(field, *editor.column);
        switch (editor.editor) {
        case editor_kind::integer: widget = new integer_edit(this); break;
        case editor_kind::long_integer: widget = new long_integer_edit(this); break;
        case editor_kind::real: widget = new float_edit(this); break;
        case editor_kind::flag: widget = new QCheckBox(QString::fromStdString(field.label), this); break;
        case editor_kind::choice: {
            auto* combo = new QComboBox(this);
            if (field.choices) {
                for (const choice_item& item : *field.choices)
                    combo->addItem(QString::fromLatin1(item.label), item.code);
            }
            widget = combo;
            break;
        }
        default: widget = new QLineEdit(this); break;
        }
    }
    widget->setObjectName(QString::fromStdString(field.column));
    editor.widget = widget;
    return widget;
}

void record_page::fill()
{
    for (bound_editor& editor : editors_) {
        if (!editor.member)
            continue;
        const bound_member& member = *editor.member;
        switch (editor.editor) {
        case editor_kind::integer:
            static_cast<integer_edit*>(editor.widget)->set_value(static_cast<int>(member_integer(member)));
            break;
        case editor_kind::long_integer:
            static_cast<long_integer_edit*>(editor.widget)->set_value(static_cast<long>(member_integer(member)));
            break;
        case editor_kind::real:
            static_cast<float_edit*>(editor.widget)->set_value(static_cast<float>(member_real(member)), -1);
            break;
        case editor_kind::flag:
            static_cast<QCheckBox*>(editor.widget)->setChecked(member_integer(member) != 0);
            editor.shown_checked = member_integer(member) != 0;
            break;
        case editor_kind::choice: {
            auto* combo = static_cast<QComboBox*>(editor.widget);
            const long long code = member_integer(member);
            int index = combo->findData(static_cast<int>(code));
            // A code the labels do not know is shown as itself, so OK does not replace it.
            if (index < 0) {
                combo->addItem(QString::number(code), static_cast<int>(code));
                index = combo->count() - 1;
            }
            combo->setCurrentIndex(index);
            editor.shown_index = index;
            break;
        }
        default:
            if (auto* text = std::get_if<std::string*>(&member))
                static_cast<QLineEdit*>(editor.widget)->setText(QString::fromStdString(**text));
            break;
        }
        if (auto* line = qobject_cast<QLineEdit*>(editor.widget))
            editor.shown_text = line->text();
    }
}

bool record_page::changed(const bound_editor& editor) const
{
    if (!editor.member)
        return false;
    switch (editor.editor) {
    case editor_kind::flag: return static_cast<QCheckBox*>(editor.widget)->isChecked() != editor.shown_checked;
    case editor_kind::choice: return static_cast<QComboBox*>(editor.widget)->currentIndex() != editor.shown_index;
    default: return static_cast<QLineEdit*>(editor.widget)->text() != editor.shown_text;
    }
}

QString record_page::check(QWidget*& field) const
{
    for (const bound_editor& editor : editors_) {
        if (!changed(editor))
            continue;
        QString problem;
        const auto* line = qobject_cast<const QLineEdit*>(editor.widget);
        if (editor.editor == editor_kind::integer || editor.editor == editor_kind::long_integer) {
            const integer_range range = intersect(column_range(*editor.column), member_range(*editor.member));
            long long number = 0;
            if (!scan_whole(line->text(), number) || number < range.low || number > range.high)
                problem = QStringLiteral("the value must be a whole number from %1 to %2.")
                              .arg(range.low)
                              .arg(range.high);
        } else if (editor.editor == editor_kind::real) {
            double number = 0.0;
            if (!scan_real(line->text(), number) || std::fabs(number) > FLT_MAX)
                problem = QStringLiteral("the value is beyond what the field can hold.");
        } else if (editor.editor == editor_kind::text) {
            const int size = editor.column->text_size;
            if (size > 0 && line->text().size() > size)
                problem = QStringLiteral("the text may have at most %1 characters.").arg(size);
        }
        if (!problem.isEmpty()) {
            field = editor.widget;
            return refusal(*editor.field, problem);
        }
    }
    return {};
}

void record_page::take_back()
{
    for (const bound_editor& editor : editors_) {
        if (!changed(editor))
            continue;
        const bound_member& member = *editor.member;
        switch (editor.editor) {
        case editor_kind::integer:
        case editor_kind::long_integer: {
            long long number = 0;
            scan_whole(static_cast<QLineEdit*>(editor.widget)->text(), number);
            store_integer(member, number);
            break;
        }
        case editor_kind::real: {
            double number = 0.0;
            scan_real(static_cast<QLineEdit*>(editor.widget)->text(), number);
            store_real(member, number);
            break;
        }
        case editor_kind::flag:
            store_integer(member, static_cast<QCheckBox*>(editor.widget)->isChecked() ? 1 : 0);
            break;
        case editor_kind::choice:
            store_integer(member, static_cast<QComboBox*>(editor.widget)->currentData().toInt());
            break;
        default:
            if (auto* text = std::get_if<std::string*>(&member))
                **text = static_cast<QLineEdit*>(editor.widget)->text().toStdString();
            break;
        }
    }
}

const std::string* record_page::variable_of(const QWidget* widget) const
{
    for (const bound_editor& editor : editors_) {
        if (editor.widget == widget)
            return &help_variable(*editor.field);
    }
    return nullptr;
}

} // namespace ivorn
