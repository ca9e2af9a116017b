#include "about_window.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

AboutWindow::AboutWindow(std::shared_ptr<AboutBox> presenter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), presenter_(std::move(presenter)) {
    setObjectName(QStringLiteral("about_form"));
    const AboutScreen& screen = presenter_->screen();
    setWindowTitle(qs(screen.window_caption));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    setFixedSize(client_width, client_height);

    maker_label_ = backdrop_label(this, "maker_label", screen.maker_label,
                                  design_font(QStringLiteral("Comic Sans MS"), 15.75),
                                  Qt::AlignLeft | Qt::AlignVCenter);
    title_label_ =
        backdrop_label(this, "title_label", screen.title_label,
                       design_font(QStringLiteral("Comic Sans MS"), 27.75), Qt::AlignCenter);
    const QFont small = design_font(QStringLiteral("Comic Sans MS"), 12, true);
    QLabel* version =
        backdrop_label(this, "version_label", screen.version_label, small, Qt::AlignCenter);
    QLabel* company =
        backdrop_label(this, "company_label", screen.company_label, small, Qt::AlignCenter);
    for (QLabel* label : {maker_label_, title_label_, version, company}) {
        label->installEventFilter(this);
    }
    center_on_screen(*this);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(watched, event);
    }
    // Every text takes its own clicks, so a click on the version lines does not reach the
    // background and close the box.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == title_label_) {
            presenter_->title_label_click();
        } else if (watched == maker_label_) {
            presenter_->maker_label_click();
        }
    }
    return true;
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        presenter_->background_click();
    }
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_splash_backdrop(painter, rect());
}

}  // namespace varodex::ui
