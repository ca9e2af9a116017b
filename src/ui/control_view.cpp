#include "control_view.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>

#include "qt_platform.h"
#include "shell_widgets.h"

namespace varodex::ui {

const QCursor& hand_cursor() {
    static const QCursor cursor = [] {
        QSvgRenderer renderer(QStringLiteral(":/images/hand_icon_image.svg"));
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        if (!renderer.isValid()) return QCursor(Qt::PointingHandCursor);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        return QCursor(pixmap, 12, 1);
    }();
    return cursor;
}

QCursor cursor_for(Pointer pointer) {
    switch (pointer) {
        case Pointer::hand: return hand_cursor();
        case Pointer::no_drop: return QCursor(Qt::ForbiddenCursor);
        case Pointer::busy: return QCursor(Qt::WaitCursor);
        case Pointer::normal: break;
    }
    return QCursor(Qt::ArrowCursor);
}

namespace {

void set_caption(QWidget* widget, const std::string& caption) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(qs(caption));
        if (label->width() == 0 || label->property("autosize").toBool()) label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(qs(caption));
    }
}

void set_colours(QWidget* widget, const Control& c) {
    const QColor fore = to_qcolor(c.fore);
    const QColor back = to_qcolor(c.back);
    // A disabled control keeps its colours but its text fades halfway into the background,
    // so a button that cannot be pressed looks it.
    const QColor faded((fore.red() + back.red()) / 2, (fore.green() + back.green()) / 2,
                       (fore.blue() + back.blue()) / 2);
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, fore);
        }
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, faded);
    }
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Button, back);
    widget->setPalette(palette);
}

}  // namespace

void apply_control(QWidget* widget, const Control& now, const Control* before) {
    const bool all = before == nullptr;
    if (all || before->caption != now.caption) set_caption(widget, now.caption);
    if (all || before->fore != now.fore || before->back != now.back) set_colours(widget, now);
    if (all || before->font_size != now.font_size) {
        if (now.font_size > 0) {
            QFont font = widget->font();
            font.setPointSizeF(now.font_size);
            widget->setFont(font);
            if (widget->property("autosize").toBool()) widget->adjustSize();
        }
    }
    if (all || before->left != now.left || before->top != now.top ||
        before->width != now.width || before->height != now.height) {
        if (now.width > 0 && now.height > 0 && !widget->property("autosize").toBool()) {
            widget->setGeometry(now.left, now.top, now.width, now.height);
        } else {
            widget->move(now.left, now.top);
        }
    }
    if (all || before->enabled != now.enabled) widget->setEnabled(now.enabled);
    if (all || before->checked != now.checked) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->isCheckable()) button->setChecked(now.checked);
        }
    }
    if (all || before->pointer != now.pointer) {
        // The normal pointer is the container's, so the window's busy pointer shows over it.
        if (now.pointer == Pointer::normal) {
            widget->unsetCursor();
        } else {
            widget->setCursor(cursor_for(now.pointer));
        }
    }
    if (all || before->visible != now.visible) widget->setVisible(now.visible);
}

namespace {

void add_entries(QMenu* menu, QMenuBar* bar, const std::vector<MenuEntry>& entries,
                 const std::function<void(const std::string&, int)>& clicked) {
    for (const MenuEntry& entry : entries) {
        // Captions may hold a literal "&"; double it so Qt shows it instead of a shortcut.
        QString caption = qs(entry.caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (!entry.children.empty()) {
            QMenu* sub = menu ? menu->addMenu(caption) : bar->addMenu(caption);
            sub->setEnabled(entry.enabled);
            add_entries(sub, nullptr, entry.children, clicked);
            continue;
        }
        QAction* action = menu ? menu->addAction(caption) : bar->addAction(caption);
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        const std::string name = entry.name;
        const int index = entry.index;
        const bool checked = entry.checked;
        // Qt flips a checkable entry by itself; the mark stays what the data says until the
        // data changes it.
        const auto on_trigger = [action, clicked, name, index, checked] {
            action->setChecked(checked);
            clicked(name, index);
        };
        QObject::connect(action, &QAction::triggered, action, on_trigger);
    }
}

}  // namespace

void build_menu_bar(QMenuBar* bar, const std::vector<MenuEntry>& entries,
                    const std::function<void(const std::string&, int)>& clicked) {
    // The submenus belong to the bar, not to its actions: take them away with the entries.
    for (QMenu* old : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    bar->clear();
    add_entries(nullptr, bar, entries, clicked);
}

}  // namespace varodex::ui
