// The sheet around the pages. Pages sit in scroll areas, so a long page on a small screen scrolls
// instead of clipping its fields.
#include "sheets/property_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "sheets/help_box.h"
#include "sheets/record_page.h"

namespace ivorn {

property_sheet::property_sheet(QWidget* parent, const sheet_description& sheet, binding_list bindings,
                               const list_field_help& help)
    : QDialog(parent), sheet_(sheet), bindings_(std::move(bindings)), help_(help)
{
    setWindowTitle(QString::fromStdString(sheet.caption));
    tabs_ = new QTabWidget(this);
    QSize content;
    for (const page_description& page : sheet.pages) {
        auto* widget = new record_page(page, page.table ? *page.table : *sheet.table, bindings_);
        widget->fill();
        content = content.expandedTo(widget->sizeHint());
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(widget);
        tabs_->addTab(scroll, QString::fromStdString(page.title));
        pages_.push_back(widget);
    }
    help_box_ = new edit_help_text(this);
    help_box_->setMinimumWidth(220);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &property_sheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &property_sheet::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(tabs_, 1);
    row->addWidget(help_box_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(buttons);

    // The sheet opens large enough for its largest page; a screen too small for that gets a sheet
    // that fits and pages that scroll.
    content.setWidth(std::max(content.width(), tabs_->tabBar()->sizeHint().width()));
    const QSize wanted = content + QSize(help_box_->minimumWidth() + 70, 110);
    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                                       : QRect(0, 0, 1280, 1024);
    resize(wanted.boundedTo(QSize(std::max(screen.width(), 1280), std::max(screen.height(), 900))));

    help_box_->follow_focus(this, help_, [this](const QWidget* now) -> const std::string* {
        for (const record_page* page : pages_) {
            if (const std::string* variable = page->variable_of(now))
                return variable;
        }
        return nullptr;
    });
}

QString property_sheet::take_back()
{
    for (size_t index = 0; index < pages_.size(); ++index) {
        QWidget* field = nullptr;
        const QString refusal = pages_[index]->check(field);
        if (refusal.isEmpty())
            continue;
        tabs_->setCurrentIndex(static_cast<int>(index));
        refused_field_ = field;
        if (field)
            field->setFocus(Qt::OtherFocusReason);
        return refusal;
    }
    for (record_page* page : pages_)
        page->take_back();
    return {};
}

void property_sheet::accept()
{
    const QString refusal = take_back();
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), refusal);
        // The message box took the focus; the field to mend gets it back.
        if (refused_field_)
            refused_field_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

} // namespace ivorn
