#include "shell_widgets.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

#include "qt_platform.h"

namespace varodex::ui {

QFont design_font(const QString& family, double points, bool bold) {
    QStringList families{family};
    if (family == QLatin1String("Arial") || family == QLatin1String("MS Sans Serif")) {
        families << QStringLiteral("Liberation Sans");
    } else if (family == QLatin1String("Arial Narrow")) {
        families << QStringLiteral("Liberation Sans Narrow");
    } else if (family == QLatin1String("Comic Sans MS")) {
        families << QStringLiteral("Comic Neue");
    } else if (family == QLatin1String("Times New Roman")) {
        families << QStringLiteral("Liberation Serif");
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void center_on_screen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    const int lift = qRound(200.0 * screen->logicalDotsPerInchY() / 1440.0);
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2 - lift);
}

void paint_picture(QPainter& painter, const QRect& area, const QString& resource,
                   const QColor& fallback_top, const QColor& fallback_bottom) {
    if (QFile::exists(resource)) {
        QSvgRenderer renderer(resource);
        if (renderer.isValid()) {
            renderer.render(&painter, area);
            return;
        }
        const QPixmap picture(resource);
        if (!picture.isNull()) {
            painter.drawPixmap(area, picture);
            return;
        }
    }
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, fallback_top);
    gradient.setColorAt(1, fallback_bottom);
    painter.fillRect(area, gradient);
}

void paint_splash_backdrop(QPainter& painter, const QRect& area) {
    paint_picture(painter, area, QStringLiteral(":/images/startup_form.svg"),
                  QColor(0x1B, 0x14, 0x64), QColor(0x5E, 0x1A, 0x8C));
}

QCursor hand_pointer() {
    const QString resource = QStringLiteral(":/images/hand_icon_image.svg");
    if (QFile::exists(resource)) {
        QSvgRenderer renderer(resource);
        if (renderer.isValid()) {
            QPixmap picture(32, 32);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            renderer.render(&painter);
            painter.end();
            return QCursor(picture, 8, 0);
        }
    }
    return QCursor(Qt::PointingHandCursor);
}

DisplayScale primary_display_scale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->logicalDotsPerInch(), screen->devicePixelRatio()};
}

QColor to_qcolor(Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void show_label(QLabel& label, const Control& control) {
    label.setText(qs(control.caption));
    if (control.width > 0 && control.height > 0) {
        label.setGeometry(control.left, control.top, control.width, control.height);
    } else {
        label.move(control.left, control.top);
        label.adjustSize();
    }
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, to_qcolor(control.fore));
    label.setPalette(palette);
    label.setVisible(control.visible);
    label.setEnabled(control.enabled);
}

QLabel* backdrop_label(QWidget* parent, const char* name, const Control& control, QFont font,
                       Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(alignment);
    show_label(*label, control);
    return label;
}

}  // namespace varodex::ui
