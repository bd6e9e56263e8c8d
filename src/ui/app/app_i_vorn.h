// What the application owns from start-up to exit: the settings and their store, the
// selected-output-variables list, the model launcher, the recent-file list and the window layout.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <string>

#include "output/output_variables.h"
#include "qt_adapters/qsettings_store.h"
#include "run/model_launcher.h"
#include "shell/app_settings.h"

namespace ivorn {

class app_i_vorn {
public:
    static constexpr int recent_file_count = 6;

    // An empty path means the user's own settings.
    explicit app_i_vorn(const std::string& settings_file = {});

    // Loads "output variables.csv" beside the model; the list is absent when that fails, and the
    // messages of the failure are returned for the caller to show.
    message_box_texts load_output_variables();
    // Writes the settings back; only called when the app exits normally.
    bool write_settings();

    void add_recent_file(const QString& path);
    void remove_recent_file(const QString& path);
    const QStringList& recent_files() const { return recent_files_; }

    QByteArray window_geometry() const;
    QByteArray splitter_state() const;
    void keep_window_layout(const QByteArray& geometry, const QByteArray& splitter);

    app_settings settings;
    std::unique_ptr<list_output_variable_descriptions> output_variables;
    posix_model_launcher launcher;

private:
    QByteArray read_bytes(const char* key) const;

    std::unique_ptr<qsettings_store> store_;
    // The settings as read at start: only what differs from them is written back at exit.
    app_settings as_read_;
    QStringList recent_files_;
    QByteArray geometry_;
    QByteArray splitter_;
};

} // namespace ivorn
