// dialog_progress: the modeless window of a long command, with its bar, percentage, three text
// lines, Cancel (the set ends after the run in progress) and Stop (the running model ends too).
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ivorn {

class progress_dialog : public QDialog {
    Q_OBJECT
public:
    explicit progress_dialog(QWidget* parent);
    void set_range(int lower, int upper);
    void set_position(int position);
    // Lines 0 to 2.
    void set_line(int line, const QString& text);
    QString line(int line) const;
    QString percentage_text() const;
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* stop_button() const { return stop_; }

Q_SIGNALS:
    void cancel_requested();
    void stop_requested();

protected:
    // Closing the window by its frame is the Cancel button.
    void reject() override;

private:
    QProgressBar* bar_;
    QLabel* percentage_;
    QLabel* lines_[3];
    QPushButton* cancel_;
    QPushButton* stop_;
    int lower_ = 0;
    int upper_ = 100;
};

} // namespace ivorn
