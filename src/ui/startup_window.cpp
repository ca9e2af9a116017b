#include "startup_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>

#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

namespace {

// The splash's texts wrap within their places and lie over the picture.
QLabel* splash_label(QWidget* parent, const char* name, const Control& control, QFont font,
                     Qt::Alignment alignment) {
    QLabel* label = backdrop_label(parent, name, control, font, alignment);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

}  // namespace

StartupWindow::StartupWindow(std::shared_ptr<StartupPresenter> presenter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), presenter_(std::move(presenter)) {
    setObjectName(QStringLiteral("startup_form"));
    setWindowTitle(QStringLiteral("Varodex"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    setFixedSize(client_width, client_height);

    const StartupScreen& screen = presenter_->screen();
    splash_label(this, "title_label", screen.title_label,
                 design_font(QStringLiteral("Comic Sans MS"), 27.75), Qt::AlignCenter);
    splash_label(this, "maker_label", screen.maker_label,
                 design_font(QStringLiteral("Comic Sans MS"), 15.75),
                 Qt::AlignLeft | Qt::AlignVCenter);
    const QFont small = design_font(QStringLiteral("Comic Sans MS"), 9.75, true);
    for (const Control& line : screen.left_line_label) {
        splash_label(this, "left_line_label", line, small, Qt::AlignLeft | Qt::AlignTop);
    }
    for (const Control& line : screen.right_line_label) {
        splash_label(this, "right_line_label", line, small, Qt::AlignLeft | Qt::AlignTop);
    }
    splash_label(this, "web_label", screen.web_label,
                 design_font(QStringLiteral("Comic Sans MS"), 15.75, true), Qt::AlignCenter);

    center_on_screen(*this);
    if (presenter_->program_ended()) return;
    timer_.setInterval(tick_milliseconds);
    connect(&timer_, &QTimer::timeout, this, &StartupWindow::timer_tick);
    timer_.start();
}

void StartupWindow::timer_tick() {
    // Handing over may close and delete this window, so nothing of it is touched after that.
    timer_.stop();
    if (!presenter_->timer_tick()) timer_.start();
}

void StartupWindow::closeEvent(QCloseEvent* event) {
    timer_.stop();
    presenter_->window_closing();
    event->accept();
}

void StartupWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_splash_backdrop(painter, rect());
}

}  // namespace varodex::ui
