#include "app_windows.h"

#include <QApplication>
#include <QTimer>

#include "about_window.h"
#include "game_window.h"
#include "goodbye_window.h"
#include "help_window.h"
#include "sign_in_window.h"
#include "startup_window.h"
#include "summary_window.h"

namespace varodex::ui {

QWidget* AppWindows::make_window(WindowKind kind) {
    switch (kind) {
        case WindowKind::startup: return new StartupWindow(app_->startup());
        case WindowKind::sign_in: return new SignInWindow(app_->sign_in());
        case WindowKind::game_screen: return new GameWindow(app_->game_screen());
        case WindowKind::summary: return new SummaryWindow(app_->summary());
        case WindowKind::help: return new HelpWindow(app_->help());
        case WindowKind::about: return new AboutWindow(app_->about());
        case WindowKind::goodbye: return new GoodbyeWindow(app_->goodbye());
    }
    return nullptr;
}

void AppWindows::window_opened(WindowKind kind) {
    QWidget* widget = make_window(kind);
    if (!widget) return;
    widget->setAttribute(Qt::WA_DeleteOnClose);
    windows_[kind] = widget;
    // A window the player closes himself (its close box, once its presenter agreed) tells
    // the program, so the presenter goes too.
    connect(widget, &QObject::destroyed, this, [this, kind, widget] { forget(kind, widget); });
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void AppWindows::forget(WindowKind kind, QWidget* widget) {
    auto it = windows_.find(kind);
    if (it == windows_.end() || it->second.data() != widget) return;
    windows_.erase(it);
    if (app_ && app_->is_open(kind)) app_->close_window(kind);
}

void AppWindows::window_closed(WindowKind kind) {
    auto it = windows_.find(kind);
    if (it != windows_.end()) {
        QPointer<QWidget> widget = it->second;
        windows_.erase(it);
        // Presenters close their windows from inside their own handlers, having already
        // decided to leave: no timer of the window may fire again, and the widget itself
        // goes once the handler has returned to the event loop.
        if (widget) {
            for (QTimer* timer : widget->findChildren<QTimer*>()) timer->stop();
            widget->close();
            if (widget) {
                widget->hide();
                widget->deleteLater();
            }
        }
    }
    QTimer::singleShot(0, this, [this] {
        if (app_) app_->release_closed();
    });
}

void AppWindows::program_ended() { QApplication::exit(0); }

QWidget* AppWindows::window(WindowKind kind) const {
    auto it = windows_.find(kind);
    return it == windows_.end() ? nullptr : it->second.data();
}

}  // namespace varodex::ui
