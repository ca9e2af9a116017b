// Varodex: wires the Qt platform to the game and starts the event loop.
#include <QApplication>
#include <QIcon>
#include <filesystem>

#include "app_windows.h"
#include "help_window.h"
#include "players/records_file.h"
#include "qt_platform.h"
#include "shell/app.h"
#include "shell_widgets.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varodex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    // The windows come and go one after the other; only the goodbye screen ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace varodex;
    ui::QtClock clock;
    ui::QtRandom random;
    ui::QtSounds sounds;
    ui::QtDialogs dialogs;
    ui::QtPrinter printer;
    RecordsFile records(std::filesystem::current_path());

    ui::AppWindows windows;
    App app(AppPorts{clock, random, sounds, dialogs, printer, records, ui::primary_display_scale(),
                     [](int topic) { return ui::help_topic_text(topic).toStdString(); }},
            &windows);
    windows.attach(app);
    app.start();
    if (app.program_ended()) return 0;
    return QApplication::exec();
}
