#include "game_widgets.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include "shell_widgets.h"

namespace varodex::ui {

PictureBox::PictureBox(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::set_picture(const QString& resource) {
    if (resource == resource_) return;
    resource_ = resource;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    if (width() <= 0 || height() <= 0) return;
    // Twenty-nine backdrops share two pictures: each size is drawn from its SVG once.
    const qreal ratio = devicePixelRatioF();
    const QString key =
        QStringLiteral("varodex:%1:%2x%3@%4").arg(resource_).arg(width()).arg(height()).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter picture_painter(&pixmap);
        picture_painter.setRenderHint(QPainter::Antialiasing);
        paint_picture(picture_painter, rect(), resource_, QColor(0x60, 0x60, 0x60),
                      QColor(0x30, 0x30, 0x30));
        picture_painter.end();
        QPixmapCache::insert(key, pixmap);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
}

FrameShape::FrameShape(int border, QWidget* parent) : QWidget(parent), border_(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::WindowText);
    const QRect all = rect();
    const QRect inner = all.adjusted(border_, border_, -border_, -border_);
    // Four bands, so an odd border width stays sharp.
    painter.fillRect(QRect(all.left(), all.top(), all.width(), border_), colour);
    painter.fillRect(QRect(all.left(), all.bottom() - border_ + 1, all.width(), border_), colour);
    painter.fillRect(QRect(all.left(), inner.top(), border_, inner.height()), colour);
    painter.fillRect(QRect(all.right() - border_ + 1, inner.top(), border_, inner.height()),
                     colour);
}

}  // namespace varodex::ui
