// Puts a control's data onto its widget, and builds a menu bar from the menu data.
#pragma once

#include <QCursor>
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <vector>

#include "screen/control.h"
#include "screen/menu.h"
#include "shell_widgets.h"

namespace varodex::ui {

// The game's custom hand pointer, drawn from its picture; the hot spot is the fingertip.
const QCursor& hand_cursor();
QCursor cursor_for(Pointer pointer);

// Applies caption (for labels and buttons), visibility, enabled state, check mark, place,
// colours, font size and pointer (the normal pointer is the parent's). With `before`, only
// what differs is touched, so a tick that changes nothing repaints nothing.
void apply_control(QWidget* widget, const Control& now, const Control* before = nullptr);

// Rebuilds `bar` from the entries; a click on a leaf calls `clicked(name, index)`.
void build_menu_bar(QMenuBar* bar, const std::vector<MenuEntry>& entries,
                    const std::function<void(const std::string&, int)>& clicked);

}  // namespace varodex::ui
