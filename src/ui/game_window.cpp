#include "game_window.h"

#include <QIcon>
#include <QLayout>
#include <QMenuBar>

#include "qt_platform.h"

namespace varodex::ui {

GameWindow::GameWindow(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    derive_game_screen_values(state_);
    setWindowTitle(qs(derive_window_title(state_.game_code, state_.game_title)));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));

    auto* client = new QWidget(this);
    client->setFixedSize(client_width, client_height);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));
    client->setPalette(palette);
    setCentralWidget(client);
    menuBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace varodex::ui
