// The about box.
#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <fmt/core.h>
#include <sqlite3.h>

#ifndef IVORN_BUILD_DATE
#define IVORN_BUILD_DATE __DATE__
#endif

namespace ivorn {

QString dialog_about::build_date_line()
{
    return QString::asprintf("Build Date: %s", IVORN_BUILD_DATE);
}

dialog_about::dialog_about(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About i_VORN"));
    auto* title = new QLabel(QStringLiteral("<b>i_VORN</b> — Interactive VORN, version 0.1"), this);
    auto* date = new QLabel(build_date_line(), this);
    date->setObjectName(QStringLiteral("build_date"));
    const QString libraries =
        tr("Built with:\n"
           "  Qt %1 (LGPL 3)\n"
           "  SQLite %2 (public domain)\n"
           "  {fmt} %3.%4.%5 (MIT licence)")
            .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()))
            .arg(FMT_VERSION / 10000)
            .arg(FMT_VERSION / 100 % 100)
            .arg(FMT_VERSION % 100);
    auto* used = new QLabel(libraries, this);
    used->setTextFormat(Qt::PlainText);
    auto* model = new QLabel(tr("i_VORN prepares, runs and collects the runs of the VORN model,\n"
                                "which is installed and configured separately."),
                             this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : {static_cast<QWidget*>(title), static_cast<QWidget*>(date), static_cast<QWidget*>(used),
                            static_cast<QWidget*>(model), static_cast<QWidget*>(buttons)})
        layout->addWidget(widget);
}

} // namespace ivorn
