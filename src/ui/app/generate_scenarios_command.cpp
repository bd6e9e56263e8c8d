// File / Generate Scenarios... over the code of `ivorn scenarios`.
#include "app/generate_scenarios_command.h"

#include <vector>

#include "app/main_window.h"
#include "dialogs/generate_scenarios_dialog.h"
#include "shell/doc_i_vorn.h"

namespace ivorn {

void generate_scenarios_command(main_window& window)
{
    doc_i_vorn& doc = window.document();
    const control_record_description* entry = doc.current_entry();
    if (window.busy() || !doc.db() || !entry || !doc.current_record())
        return;
    const QString base = QStringLiteral("ID %1  %2")
                             .arg(doc.current_record()->id)
                             .arg(QString::fromStdString(entry->description).trimmed());
    dialog_generate_scenarios dialog(&window, base);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const scenario_file_choice choice = dialog.choice();
    // Thousands of scenarios take seconds: the window stays responsive meanwhile.
    window.run_job([&doc, choice] {
        std::vector<made_scenario> made;
        generate_scenarios_from_current(doc, choice, made);
    });
}

} // namespace ivorn
