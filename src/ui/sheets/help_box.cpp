// The help box: read-only, wrapping, and showing the help file's line breaks as line breaks.
#include "sheets/help_box.h"

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

} // namespace ivorn
