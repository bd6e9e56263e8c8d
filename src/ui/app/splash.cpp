// The splash window, drawn rather than loaded so that the program carries no image files.
#include "app/splash.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace ivorn {
namespace {

QPointer<window_splash> showing;

} // namespace

window_splash::window_splash(QWidget* main_window)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      main_window_(main_window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(420, 220);
    QTimer::singleShot(3000, this, &window_splash::hide_splash);
    qApp->installEventFilter(this);
}

void window_splash::show_over(QWidget* main_window)
{
    if (showing)
        return;
    showing = new window_splash(main_window);
    const QRect area = main_window->isVisible() ? main_window->frameGeometry()
                                                : main_window->screen()->availableGeometry();
    showing->move(area.center() - showing->rect().center());
    showing->show();
}

void window_splash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(40, 90, 140));
    sky.setColorAt(1, QColor(120, 170, 90));
    painter.fillRect(rect(), sky);
    painter.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(rect().adjusted(0, 40, 0, -90), Qt::AlignCenter, QStringLiteral("i_VORN"));
    QFont subtitle = font();
    subtitle.setPointSize(11);
    painter.setFont(subtitle);
    painter.drawText(rect().adjusted(0, 120, 0, -40), Qt::AlignCenter, QStringLiteral("Interactive VORN"));
}

bool window_splash::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        hide_splash();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void window_splash::hide_splash()
{
    qApp->removeEventFilter(this);
    close();
    if (main_window_)
        main_window_->update();
}

} // namespace ivorn
