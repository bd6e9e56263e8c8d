// window_splash: shown once when the main window first appears, for 3 seconds or until any key
// or mouse button is pressed (that press is consumed).
#pragma once

#include <QWidget>

namespace ivorn {

class window_splash : public QWidget {
    Q_OBJECT
public:
    explicit window_splash(QWidget* main_window);
    // Shows the splash over the main window unless one is showing already.
    static void show_over(QWidget* main_window);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hide_splash();
    QWidget* main_window_;
};

} // namespace ivorn
