// The widget tests' scratch files and dialog answerer.
#include "ui/widget_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>

#include <filesystem>
#include <fstream>
#include <type_traits>
#include <variant>

#include "shell/doc_i_vorn.h"
#include "support/fake_user_interface.h"
#include "support/made_up_dataset.h"

namespace ivorn::testing {

void fill_with_awkward_values(const binding_list& bindings)
{
    int n = 0;
    for (const field_binding& binding : bindings) {
        ++n;
        std::visit(
            [n](auto* value) {
                using type = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<type, std::string>)
                    *value = "text " + std::to_string(n);
                else if constexpr (std::is_same_v<type, float>)
                    *value = static_cast<float>(n) / 3.0f;
                else
                    *value = static_cast<type>(n % 2);
            },
            binding.member);
    }
}

std::string snapshot(const binding_list& bindings)
{
    std::string bytes;
    for (const field_binding& binding : bindings) {
        std::visit(
            [&bytes](auto* value) {
                using type = std::remove_pointer_t<decltype(value)>;
                if constexpr (std::is_same_v<type, std::string>)
                    bytes += *value + '\n';
                else
                    bytes.append(reinterpret_cast<const char*>(value), sizeof(type));
            },
            binding.member);
    }
    return bytes;
}

dialog_answerer::dialog_answerer()
{
    connect(&timer_, &QTimer::timeout, this, &dialog_answerer::poll);
    timer_.start(10);
}

void dialog_answerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_ || !modal->isVisible())
        return;
    last_ = modal;
    titles << modal->windowTitle();
    if (handlers_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        return;
    }
    handler answer = std::move(handlers_.front());
    handlers_.pop_front();
    answer(modal);
}

ui_scratch::ui_scratch(int records, bool record_list)
{
    std::filesystem::create_directories(model_directory());
    std::filesystem::create_symlink(IVORN_STAND_IN_PATH, model_directory() + "/vorn_stand_in");
    write_file(model_directory() + "/output variables.csv",
               "   1\n"
               "1 0 0 0 1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 1 0 0 1 1 0 1 \n"
               "1,1,TMX,,Degrees F,Maximum temperature\n"
               "1,4,PRCP,,in,Precipitation\n"
               "2,12,Q,,in,Runoff\n"
               "0,9,PET,,in,Potential evapotranspiration\n"
               "0,10,ET,,in,Evapotranspiration\n");
    {
        QSettings ini(QString::fromStdString(settings_file()), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Files/VORN2110"), QString::fromStdString(model_directory() + "/vorn_stand_in"));
        ini.setValue(QStringLiteral("Settings/RecordList"), record_list ? 1 : 0);
        ini.setValue(QStringLiteral("Settings/ModelLineEnds"), QStringLiteral("LF"));
    }
    app_settings settings;
    fake_user_interface ui;
    doc_i_vorn doc(settings, ui);
    const std::string path = database().toStdString();
    doc.new_database(path);
    if (records == 0)
        return;
    doc.open_database(path);
    const std::string vornfile = write_made_up_dataset(dir.path() / "set");
    for (int i = 0; i < records; ++i) {
        std::int32_t id = 0;
        doc.import_dataset(vornfile, id);
    }
    doc.close_database();
}

std::string ui_scratch::stored_description(std::int32_t id) const
{
    app_settings settings;
    fake_user_interface ui;
    doc_i_vorn doc(settings, ui);
    if (!doc.open_database(database().toStdString()))
        return "(no database)";
    doc.search_id(id);
    const control_record* record = doc.current_record();
    return record && doc.current_entry() && doc.current_entry()->id == id ? record->description : "(no record)";
}

int processes_started_from(const std::string& directory)
{
    int found = 0;
    for (const auto& process : std::filesystem::directory_iterator("/proc")) {
        std::ifstream command_line(process.path() / "cmdline", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(command_line)), std::istreambuf_iterator<char>());
        if (text.find(directory) != std::string::npos)
            ++found;
    }
    return found;
}

} // namespace ivorn::testing
