// The Qt side of the game's ports: clock, chance, sounds, message boxes and printing.
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <QPointer>
#include <functional>
#include <memory>
#include <random>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/sounds.h"

class QSoundEffect;

namespace varodex::ui {

class QtClock : public Clock {
public:
    QtClock();
    double now_seconds() const override;
    std::string today() const override;

private:
    QElapsedTimer timer_;
};

class QtRandom : public Random {
public:
    QtRandom();
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
    unsigned long long reseeds_ = 0;
};

// The folders searched for a sound file, in order: the working directory, the installed
// data folder, the source tree's assets.
QStringList default_sound_folders();

// Plays the effects with Qt Multimedia. A file that is missing or cannot be played gives
// the system beep instead, never an error.
class QtSounds : public Sounds {
public:
    explicit QtSounds(QStringList folders = default_sound_folders(),
                      std::function<void()> system_beep = {});
    ~QtSounds() override;

    void play(SoundEffect effect) override;
    void beep() override;

    // The full path of the file, or an empty text when no folder has it.
    QString locate(const QString& file_name) const;

private:
    QStringList folders_;
    std::function<void()> system_beep_;
    std::unique_ptr<QSoundEffect> player_;
};

// A message's text for a Qt message box: a carriage return alone, which Qt does not break
// at, becomes a line feed, so a message of CR-separated lines shows every line.
QString message_box_text(const std::string& text);

// Message boxes parented to whichever window is active.
class QtDialogs : public Dialogs {
public:
    DialogButton show_message(const MessageBoxRequest& request) override;
};

// Prints on the default printer.
class QtPrinter : public Printer {
public:
    PrintResult print_lines(const std::string& document_name,
                            const std::vector<std::string>& lines) override;
};

// Writes the lines as a PDF, laid out as a printed page would be.
PrintResult print_lines_to_pdf(const QString& path, const std::string& document_name,
                               const std::vector<std::string>& lines);

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace varodex::ui
