// The progress window of run sets, scans and long imports.
#include "dialogs/progress_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/user_interface.h"

namespace ivorn {

progress_dialog::progress_dialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Progress"));
    setModal(false);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    percentage_ = new QLabel(QStringLiteral(" 0 %"), this);
    percentage_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100%  ")));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setToolTip(tr("End the set after the run in progress"));
    stop_ = new QPushButton(tr("Stop"), this);
    stop_->setToolTip(tr("End the running model now and the set with it"));
    connect(cancel_, &QPushButton::clicked, this, &progress_dialog::cancel_requested);
    connect(stop_, &QPushButton::clicked, this, &progress_dialog::stop_requested);

    auto* bar_row = new QHBoxLayout;
    bar_row->addWidget(bar_, 1);
    bar_row->addWidget(percentage_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar_row);
    for (QLabel*& label : lines_) {
        label = new QLabel(this);
        label->setMinimumWidth(360);
        label->setTextFormat(Qt::PlainText);
        // "Run %6d, Good=%6d" lines up its counts only in a fixed-width font.
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        layout->addWidget(label);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(stop_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
}

void progress_dialog::set_range(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    set_position(lower);
    percentage_->setText(QStringLiteral(" 0 %"));
    for (QLabel* label : lines_)
        label->clear();
}

void progress_dialog::set_position(int position)
{
    const int percent = progress_percentage(lower_, upper_, position);
    bar_->setValue(percent);
    percentage_->setText(QString::asprintf("%d%c", percent, '%'));
}

void progress_dialog::set_line(int line, const QString& text)
{
    if (line >= 0 && line < 3)
        lines_[line]->setText(text);
}

QString progress_dialog::line(int line) const
{
    return line >= 0 && line < 3 ? lines_[line]->text() : QString();
}

QString progress_dialog::percentage_text() const { return percentage_->text(); }

void progress_dialog::reject() { Q_EMIT cancel_requested(); }

} // namespace ivorn
