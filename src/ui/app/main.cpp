// i_vorn [--settings FILE] [DATABASE]: the desktop app. The settings are read at start-up and
// written back only when the app exits normally.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "app/splash.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationName(QStringLiteral("i_VORN"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Interactive VORN"));
    parser.addHelpOption();
    const QCommandLineOption settings_option(QStringLiteral("settings"),
                                             QStringLiteral("Use this INI file instead of the user's settings."),
                                             QStringLiteral("FILE"));
    parser.addOption(settings_option);
    parser.addPositionalArgument(QStringLiteral("DATABASE"), QStringLiteral("The project database to open."));
    parser.process(application);

    ivorn::app_i_vorn app(parser.value(settings_option).toStdString());
    const ivorn::message_box_texts variable_messages = app.load_output_variables();
    ivorn::main_window window(app);
    window.show();
    const QStringList databases = parser.positionalArguments();
    const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    if (databases.isEmpty() && !offscreen)
        ivorn::window_splash::show_over(&window);
    QTimer::singleShot(0, &window, [&] {
        for (const std::string& text : variable_messages)
            QMessageBox::information(&window, QStringLiteral("i_VORN"), QString::fromStdString(text));
        if (!databases.isEmpty())
            window.open_database(databases.first());
    });
    const int status = application.exec();
    if (status == 0)
        app.write_settings();
    return status;
}
