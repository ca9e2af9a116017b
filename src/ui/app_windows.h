// Puts a Qt window on the screen for each presenter the program opens, and takes it away
// again when the presenter closes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

#include "shell/app.h"

namespace varodex::ui {

class AppWindows : public QObject, public AppViews {
    Q_OBJECT

public:
    explicit AppWindows(QObject* parent = nullptr) : QObject(parent) {}

    // The program whose windows these are; set before it starts.
    void attach(App& app) { app_ = &app; }

    void window_opened(WindowKind kind) override;
    void window_closed(WindowKind kind) override;
    void program_ended() override;

    QWidget* window(WindowKind kind) const;

private:
    QWidget* make_window(WindowKind kind);
    void forget(WindowKind kind, QWidget* widget);

    App* app_ = nullptr;
    std::map<WindowKind, QPointer<QWidget>> windows_;
};

}  // namespace varodex::ui
