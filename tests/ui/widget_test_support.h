// What the widget tests share: a private settings file and model directory with the stand-in
// model, a project database built by the core, and an answerer for the modal dialogs that the
// commands open.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "app/app_i_vorn.h"
#include "store/field_binding.h"
#include "support/temp_dir.h"

namespace ivorn::testing {

// Answers modal dialogs in the order they appear: each handler gets the dialog and settles it
// (accept, reject, fill in). A dialog that no handler expects is rejected and counted.
class dialog_answerer : public QObject {
public:
    using handler = std::function<void(QWidget*)>;
    dialog_answerer();
    void expect(handler answer) { handlers_.push_back(std::move(answer)); }
    bool all_answered() const { return handlers_.empty(); }
    int unexpected() const { return unexpected_; }
    // Window titles of every dialog answered, in order.
    QStringList titles;

private:
    void poll();
    QTimer timer_;
    std::deque<handler> handlers_;
    QPointer<QWidget> last_;
    int unexpected_ = 0;
};

// A scratch directory with "settings.ini" (the stand-in as the model, RecordList as given), the
// model directory with "output variables.csv", and a project database of `records` imported
// control records (IDs 1, 2, ...), or an empty one for 0.
class ui_scratch {
public:
    explicit ui_scratch(int records, bool record_list = true);
    std::string settings_file() const { return dir.file("settings.ini"); }
    QString database() const { return QString::fromStdString(dir.file("project.mdb")); }
    std::string model_directory() const { return dir.file("model"); }
    // Control record values read back from the database by a document of its own.
    std::string stored_description(std::int32_t id) const;

    temp_dir dir;
};

// The app with its variable list loaded, as start-up leaves it before the window is made.
inline app_i_vorn& with_variables(app_i_vorn& app)
{
    app.load_output_variables();
    return app;
}

// Values a "%g" display would round (thirds) and distinct codes, so a careless copy-back shows.
void fill_with_awkward_values(const binding_list& bindings);
// The members' bytes (and texts), to compare a record before and after exactly.
std::string snapshot(const binding_list& bindings);

// Processes whose command line names the scratch model directory (the stand-in still running).
int processes_started_from(const std::string& directory);

} // namespace ivorn::testing
