// Varodex: wires the Qt platform to the game and starts the event loop.
#include <QApplication>
#include <QIcon>

#include "game_window.h"
#include "state/shared_state.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varodex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));

    varodex::SharedState state;
    varodex::ui::GameWindow window(state);
    window.show();
    return QApplication::exec();
}
