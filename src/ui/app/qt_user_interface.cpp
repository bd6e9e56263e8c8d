// The widget side of the user-interface port.
#include "app/qt_user_interface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QThread>

#include <climits>

#include "dialogs/error_list_dialog.h"
#include "dialogs/multiple_runs_dialog.h"
#include "dialogs/new_record_dialog.h"
#include "dialogs/progress_dialog.h"

namespace ivorn {

QString display_text(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QString qt_file_filter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    auto pattern = [](QString text) {
        // "*.*" is every file on the model's home system; elsewhere a name may have no dot.
        return text == QLatin1String("*.*") ? QStringLiteral("*") : text;
    };
    if (parts.size() == 1)
        return pattern(parts[0]);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], pattern(parts[i + 1]));
    return filters.join(QStringLiteral(";;"));
}

qt_user_interface::qt_user_interface(QWidget* parent_window) : window_(parent_window)
{
    progress_ = new progress_dialog(parent_window);
    connect(progress_, &progress_dialog::cancel_requested, this, [this] { cancelled_ = true; });
    connect(progress_, &progress_dialog::stop_requested, this, [this] {
        cancelled_ = true;
        if (hooks_.stop_model)
            hooks_.stop_model();
    });
}

qt_user_interface::~qt_user_interface() = default;

void qt_user_interface::on_gui(const std::function<void()>& work)
{
    if (QThread::currentThread() == thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(this, work, Qt::BlockingQueuedConnection);
}

void qt_user_interface::repaint_if_on_gui()
{
    if (QThread::currentThread() != thread())
        return;
    // A scan reports every few hundred rows; painting each time would cost more than the scan.
    if (repainted_.isValid() && repainted_.elapsed() < 40)
        return;
    repainted_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void qt_user_interface::message_box(const std::string& text)
{
    if (closing_)
        return;
    on_gui([&] { QMessageBox::information(window_, QStringLiteral("i_VORN"), display_text(text)); });
}

bool qt_user_interface::show_error_list(const std::string& caption, const std::string& ok_label,
                                        const std::string& text)
{
    if (closing_)
        return false;
    bool ok = false;
    on_gui([&] {
        dialog_error_list dialog(window_, QString::fromStdString(caption), QString::fromStdString(ok_label),
                                 display_text(text));
        ok = dialog.exec() == QDialog::Accepted;
    });
    return ok;
}

bool qt_user_interface::ask_integer(const std::string& prompt, long long& value)
{
    if (closing_)
        return false;
    bool ok = false;
    on_gui([&] {
        const int proposed = value < INT_MIN || value > INT_MAX ? 0 : static_cast<int>(value);
        const int answer = QInputDialog::getInt(window_, QStringLiteral("i_VORN"), QString::fromStdString(prompt),
                                                proposed, INT_MIN, INT_MAX, 1, &ok);
        if (ok)
            value = answer;
    });
    return ok;
}

bool qt_user_interface::ask_new_record(new_record_answer& answer)
{
    if (closing_)
        return false;
    bool ok = false;
    on_gui([&] {
        dialog_new_record dialog(window_, answer);
        ok = dialog.exec() == QDialog::Accepted;
        if (ok)
            answer = dialog.answer();
    });
    return ok;
}

bool qt_user_interface::choose_file(const std::string& default_name, const std::string& filter, std::string& path)
{
    if (closing_)
        return false;
    bool ok = false;
    on_gui([&] {
        const QString start = start_directory_.isEmpty() ? QString::fromStdString(default_name)
                                                         : start_directory_ + QLatin1Char('/')
                                                               + QString::fromStdString(default_name);
        const QString chosen = QFileDialog::getOpenFileName(window_, QStringLiteral("Open"), start,
                                                            qt_file_filter(filter));
        if (chosen.isEmpty())
            return;
        start_directory_ = QFileInfo(chosen).absolutePath();
        path = chosen.toStdString();
        ok = true;
    });
    return ok;
}

void qt_user_interface::begin_wait_cursor()
{
    // Work on the worker thread leaves the window answering (Stop among others): the busy
    // cursor says so, where the plain wait cursor says that the window is blocked.
    const Qt::CursorShape shape = QThread::currentThread() == thread() ? Qt::WaitCursor : Qt::BusyCursor;
    on_gui([this, shape] {
        ++wait_cursors_;
        QApplication::setOverrideCursor(shape);
    });
}

void qt_user_interface::end_wait_cursor()
{
    on_gui([this] {
        if (wait_cursors_ == 0)
            return;
        --wait_cursors_;
        QApplication::restoreOverrideCursor();
    });
}

void qt_user_interface::reset_wait_cursor()
{
    while (wait_cursors_ > 0) {
        --wait_cursors_;
        QApplication::restoreOverrideCursor();
    }
}

void qt_user_interface::set_status_text(const std::string& text)
{
    on_gui([&] {
        if (hooks_.set_status_text)
            hooks_.set_status_text(QString::fromStdString(text));
    });
}

void qt_user_interface::refresh_all_views(int hint)
{
    on_gui([&] {
        if (hooks_.refresh_all_views)
            hooks_.refresh_all_views(hint);
    });
}

void qt_user_interface::store_form_values()
{
    on_gui([&] {
        if (hooks_.store_form_values)
            hooks_.store_form_values();
    });
}

void qt_user_interface::show_record_values()
{
    on_gui([&] {
        if (hooks_.show_record_values)
            hooks_.show_record_values();
    });
}

bool qt_user_interface::ask_run_set(run_set_options& options)
{
    if (closing_)
        return false;
    bool ok = false;
    on_gui([&] {
        dialog_multiple_runs dialog(window_, options);
        ok = dialog.exec() == QDialog::Accepted;
        if (ok)
            options = dialog.options();
    });
    return ok;
}

void qt_user_interface::progress_open(int lower, int upper)
{
    cancelled_ = false;
    // A scan on the GUI thread shows its window only once it takes a noticeable time, so that a
    // small table opens without a window flashing up; a worker's set shows it at once for Cancel.
    const bool delayed = QThread::currentThread() == thread();
    on_gui([&] {
        progress_->set_range(lower, upper);
        progress_opened_.start();
        if (!delayed) {
            progress_->show();
            progress_->raise();
        }
    });
}

void qt_user_interface::progress_set_position(int position)
{
    on_gui([&] {
        progress_->set_position(position);
        if (!progress_->isVisible() && progress_opened_.isValid() && progress_opened_.elapsed() >= 300)
            progress_->show();
    });
    repaint_if_on_gui();
}

void qt_user_interface::progress_set_line(int line, const std::string& text)
{
    on_gui([&] { progress_->set_line(line, QString::fromStdString(text)); });
    repaint_if_on_gui();
}

bool qt_user_interface::progress_cancelled()
{
    repaint_if_on_gui();
    return cancelled_ || closing_;
}

void qt_user_interface::progress_close()
{
    on_gui([&] {
        progress_opened_.invalidate();
        progress_->hide();
    });
}

} // namespace ivorn
