// What the shell's windows share: the design fonts with their stand-ins, placing a window
// on the screen, background pictures, the hand pointer and the desktop's scale.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>
#include <Qt>

#include "screen/control.h"
#include "shell/large_fonts.h"

class QLabel;
class QPainter;
class QRect;
class QWidget;

namespace varodex::ui {

// The design's face with the face this desktop has in its place (Arial and MS Sans Serif:
// Liberation Sans, Arial Narrow: Liberation Sans Narrow, Comic Sans MS: Comic Neue, Times New
// Roman: Liberation Serif).
QFont design_font(const QString& family, double points, bool bold = false);

// Centred across, 200 twips (about 13 pixels) above the middle.
void center_on_screen(QWidget& window);

// Draws the picture stretched over the rectangle; when the picture is not there, a plain
// gradient of the two colours keeps the window's texts readable.
void paint_picture(QPainter& painter, const QRect& area, const QString& resource,
                   const QColor& fallback_top, const QColor& fallback_bottom);

// The picture behind the splash and the about box.
void paint_splash_backdrop(QPainter& painter, const QRect& area);

// The program's hand pointer; the desktop's own when its picture is not there.
QCursor hand_pointer();

// The primary screen's dots per inch and pixel ratio.
DisplayScale primary_display_scale();

QColor to_qcolor(Colour colour);

// Caption, place, visibility and text colour of a label.
void show_label(QLabel& label, const Control& control);

// A named label of the splash or the about box, shown as the control says.
QLabel* backdrop_label(QWidget* parent, const char* name, const Control& control, QFont font,
                       Qt::Alignment alignment);

}  // namespace varodex::ui
