// The field operation dialogs. Their choices come from the open document's lists, so their page
// is described when the dialog is made rather than once for the program.
#include "sheets/field_operation_sheet.h"

#include <QComboBox>
#include <QLabel>

#include "core/text_utils.h"
#include "core/vorn_production_supply.h"
#include "reference/field_operation_table.h"
#include "reference/vorn_field_operation.h"
#include "reference/vorn_operation.h"
#include "sheets/property_sheet.h"
#include "sheets/record_page.h"

namespace ivorn {

std::array<QString, 8> field_operation_labels(int code, int model_version)
{
    std::array<QString, 8> labels{QStringLiteral("Integer")};
    for (int n = 1; n <= vorn_field_operation::parameter_count; ++n)
        labels[static_cast<size_t>(n)] = QStringLiteral("Parameter %1").arg(n);
    auto set = [&labels](std::initializer_list<std::pair<int, const char*>> texts) {
        for (const auto& [slot, text] : texts)
            labels[static_cast<size_t>(slot)] = QString::fromLatin1(text);
    };
    const bool newer = model_version == 806 || model_version == 1307;
    switch (code) {
    case 2: set({{7, "Frac. of season:"}}); break;
    case 5:
    case 6:
        set({{0, "Years until trees are mature:"}, {1, "Potential Heat Units:"}, {2, "Runoff curve number"},
             {3, "Water stress factor:"}, {5, "Population, #/m^2:"}, {6, "Max. annual N:"}, {7, "Frac. of season:"}});
        break;
    case 7:
        set({{0, "Pest. ID:"}, {1, newer ? "Rate, g/ha:" : "Fraction weed control:"},
             {2, newer ? "Fraction weed control:" : "Rate, g/ha:"}});
        break;
    case 8: set({{1, "Irrigation volume, mm:"}, {4, "Irrigation runoff ratio:"}}); break;
    case 9: set({{0, "Fert. ID:"}, {1, "Rate, kg/ha:"}, {2, "Depth of placement, mm:"}}); break;
    default: break;
    }
    return labels;
}

field_operation_form::field_operation_form(const char* caption, const operation_list_class* tillage,
                                           const vorn_production_supply_list* crops, int model_version)
{
    const char* format = model_version == 1307 ? "%4ld %s" : "%3ld %s";
    tractors_.push_back({0, "No tractor"});
    if (tillage) {
        for (const vorn_operation* operation : *tillage) {
            const char* text = keep(format_printf(format, static_cast<long>(operation->number), operation->name.c_str()));
            operations_.push_back({operation->number, text});
            if (operation->pcd.starts_with("POWE"))
                tractors_.push_back({operation->number, text});
        }
    }
    crops_.push_back({0, "No crop"});
    if (crops) {
        for (const vorn_production_supply* crop : *crops)
            crops_.push_back({crop->number, keep(format_printf("%d %s", crop->number, crop->name.c_str()))});
    }
    field_group values{"Values", {{"Int Variable", "Integer"}}, 2};
    for (int n = 1; n <= vorn_field_operation::parameter_count; ++n)
        values.fields.push_back({format_printf("Parameter %d", n), format_printf("Parameter %d", n)});
    sheet_ = {caption,
              &field_operations_table(),
              {{caption,
                {{"Date",
                  {{"Year", "Year", editor_kind::automatic, nullptr, "Op Year"},
                   {"Month", "Month", editor_kind::automatic, nullptr, "Op Month"},
                   {"Day", "Day", editor_kind::automatic, nullptr, "Op Day"}},
                  3},
                 {"Operation",
                  {{"Type", "Operation", editor_kind::choice, &operations_, "Op Type"},
                   {"Tractor", "Tractor", editor_kind::choice, &tractors_},
                   {"Crop ID", "Crop", editor_kind::choice, &crops_}}},
                 values}}}};
}

const char* field_operation_form::keep(std::string text)
{
    // A deque never moves what it holds, so the choice tables may point into it.
    return texts_.emplace_back(std::move(text)).c_str();
}

namespace {

void relabel(record_page& page, const operation_list_class* tillage, int operation_number, int model_version)
{
    const vorn_operation* operation = tillage ? tillage->find_by_number(operation_number) : nullptr;
    const std::array<QString, 8> labels = field_operation_labels(operation ? operation->code : -100, model_version);
    for (const record_page::bound_editor& editor : page.editors()) {
        int slot = -1;
        if (equals_ignoring_case(editor.field->column, "Int Variable"))
            slot = 0;
        else if (editor.field->column.starts_with("Parameter "))
            slot = std::atoi(editor.field->column.c_str() + 10);
        if (slot < 0 || slot > vorn_field_operation::parameter_count)
            continue;
        for (QLabel* label : page.findChildren<QLabel*>()) {
            if (label->buddy() == editor.widget)
                label->setText(labels[static_cast<size_t>(slot)]);
        }
    }
}

} // namespace

std::unique_ptr<property_sheet> make_field_operation_dialog(QWidget* parent, const field_operation_form& form,
                                                            vorn_field_operation& operation,
                                                            const operation_list_class* tillage, int model_version,
                                                            const list_field_help& help)
{
    auto dialog = std::make_unique<property_sheet>(parent, form.sheet(), operation.bindings(), help);
    record_page& page = *dialog->pages().front();
    relabel(page, tillage, operation.operation_number, model_version);
    if (auto* choice = page.findChild<QComboBox*>(QStringLiteral("Type"))) {
        QObject::connect(choice, &QComboBox::currentIndexChanged, dialog.get(), [&page, choice, tillage, model_version] {
            relabel(page, tillage, choice->currentData().toInt(), model_version);
        });
    }
    return dialog;
}

bool edit_field_operation(QWidget* parent, const char* caption, vorn_field_operation& operation,
                          const operation_list_class* tillage, const vorn_production_supply_list* crops,
                          int model_version, const list_field_help& help)
{
    const field_operation_form form(caption, tillage, crops, model_version);
    return make_field_operation_dialog(parent, form, operation, tillage, model_version, help)->exec() ==
           QDialog::Accepted;
}

} // namespace ivorn
