// Start-up reading and exit writing of the application's settings.
#include "app/app_i_vorn.h"

namespace ivorn {
namespace {

constexpr const char* recent_section = "Recent File List";
constexpr const char* window_section = "Window";

} // namespace

app_i_vorn::app_i_vorn(const std::string& settings_file) : store_(std::make_unique<qsettings_store>(settings_file))
{
    settings.read(*store_);
    as_read_ = settings;
    for (int i = 1; i <= recent_file_count; ++i) {
        const std::string path = store_->read_string(recent_section, "File" + std::to_string(i), "");
        if (!path.empty())
            recent_files_ << QString::fromStdString(path);
    }
    geometry_ = read_bytes("Geometry");
    splitter_ = read_bytes("Splitter");
}

QByteArray app_i_vorn::read_bytes(const char* key) const
{
    return QByteArray::fromBase64(QByteArray::fromStdString(store_->read_string(window_section, key, "")));
}

message_box_texts app_i_vorn::load_output_variables()
{
    output_variables = std::make_unique<list_output_variable_descriptions>();
    message_box_texts shown;
    if (!output_variables->load_output_variables(settings.output_variable_file.full_path(), shown))
        output_variables.reset();
    return shown;
}

bool app_i_vorn::write_settings()
{
    // A `config set` made while the app was open stays: unchanged keys are not written back.
    settings.write_changes(*store_, as_read_);
    for (int i = 1; i <= recent_file_count; ++i) {
        const QString path = i <= recent_files_.size() ? recent_files_[i - 1] : QString();
        store_->write_string(recent_section, "File" + std::to_string(i), path.toStdString());
    }
    store_->write_string(window_section, "Geometry", geometry_.toBase64().toStdString());
    store_->write_string(window_section, "Splitter", splitter_.toBase64().toStdString());
    std::string ignored;
    return store_->sync(ignored);
}

void app_i_vorn::add_recent_file(const QString& path)
{
    recent_files_.removeAll(path);
    recent_files_.prepend(path);
    while (recent_files_.size() > recent_file_count)
        recent_files_.removeLast();
}

void app_i_vorn::remove_recent_file(const QString& path) { recent_files_.removeAll(path); }

QByteArray app_i_vorn::window_geometry() const { return geometry_; }
QByteArray app_i_vorn::splitter_state() const { return splitter_; }

void app_i_vorn::keep_window_layout(const QByteArray& geometry, const QByteArray& splitter)
{
    geometry_ = geometry;
    splitter_ = splitter;
}

} // namespace ivorn
