// The help box: read-only, wrapping, and showing the help file's line breaks as line breaks.
#include "sheets/help_box.h"

#include <QApplication>

#include "help/field_help.h"

namespace ivorn {

edit_help_text::edit_help_text(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setObjectName(QStringLiteral("help_box"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void edit_help_text::show_help_for(std::string_view variable, const list_field_help& help)
{
    QString text = QString::fromStdString(help_box_text(help, variable));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(text);
}

void edit_help_text::follow_focus(QWidget* owner, const list_field_help& help,
                                  std::function<const std::string*(const QWidget*)> variable_of)
{
    connect(qApp, &QApplication::focusChanged, this,
            [this, owner, &help, variable_of = std::move(variable_of)](QWidget*, QWidget* now) {
                if (!now || now == this || !owner->isAncestorOf(now))
                    return;
                const std::string* variable = variable_of(now);
                show_help_for(variable ? std::string_view(*variable) : std::string_view(), help);
            });
}

} // namespace ivorn
