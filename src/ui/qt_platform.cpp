#include "qt_platform.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSoundEffect>
#include <QUrl>
#include <chrono>

namespace varodex::ui {

QtClock::QtClock() { timer_.start(); }

double QtClock::now_seconds() const { return static_cast<double>(timer_.nsecsElapsed()) * 1e-9; }

std::string QtClock::today() const {
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")).toStdString();
}

QtRandom::QtRandom() { reseed(); }

double QtRandom::next() { return std::generate_canonical<double, 53>(engine_); }

void QtRandom::reseed() {
    // The high-resolution clock alone could repeat within one tick; the counter makes every
    // re-seed give a sequence of its own.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned long long>(ticks) & 0xffffffffULL,
                       static_cast<unsigned long long>(ticks) >> 32, ++reseeds_};
    engine_.seed(seed);
}

QStringList default_sound_folders() {
    return {QDir::currentPath(), QStringLiteral(VARODEX_DATA_DIR),
            QStringLiteral(VARODEX_SOURCE_ASSETS) + QStringLiteral("/sounds")};
}

QtSounds::QtSounds(QStringList folders, std::function<void()> system_beep)
    : folders_(std::move(folders)), system_beep_(std::move(system_beep)) {
    if (!system_beep_) system_beep_ = [] { QApplication::beep(); };
}

QtSounds::~QtSounds() = default;

QString QtSounds::locate(const QString& file_name) const {
    for (const QString& folder : folders_) {
        const QFileInfo info(QDir(folder), file_name);
        if (info.isFile() && info.isReadable()) return info.absoluteFilePath();
    }
    return {};
}

void QtSounds::play(SoundEffect effect) {
    const QString path = locate(QString::fromLatin1(sound_file_name(effect)));
    if (path.isEmpty()) {
        beep();
        return;
    }
    // One player for every effect, so a new effect cuts off the one still playing.
    if (player_) player_->stop();
    player_ = std::make_unique<QSoundEffect>();
    QSoundEffect* player = player_.get();
    QObject::connect(player, &QSoundEffect::statusChanged, player, [this, player] {
        if (player->status() == QSoundEffect::Error) beep();
    });
    player->setSource(QUrl::fromLocalFile(path));
    player->play();
}

void QtSounds::beep() { system_beep_(); }

namespace {

QMessageBox::Icon to_qt(DialogIcon icon) {
    switch (icon) {
        case DialogIcon::exclamation: return QMessageBox::Warning;
        case DialogIcon::question: return QMessageBox::Question;
        case DialogIcon::information: return QMessageBox::Information;
        case DialogIcon::none: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton to_qt(DialogButton button) {
    switch (button) {
        case DialogButton::ok: return QMessageBox::Ok;
        case DialogButton::cancel: return QMessageBox::Cancel;
        case DialogButton::yes: return QMessageBox::Yes;
        case DialogButton::no: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons to_qt(DialogButtons buttons) {
    switch (buttons) {
        case DialogButtons::ok: return QMessageBox::Ok;
        case DialogButtons::yes_no: return QMessageBox::Yes | QMessageBox::No;
        case DialogButtons::ok_cancel: return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

DialogButton from_qt(int button) {
    switch (button) {
        case QMessageBox::Yes: return DialogButton::yes;
        case QMessageBox::No: return DialogButton::no;
        case QMessageBox::Cancel: return DialogButton::cancel;
        default: return DialogButton::ok;
    }
}

PrintResult paint_lines(QPrinter& printer, const std::string& document_name,
                        const std::vector<std::string>& lines) {
    printer.setDocName(qs(document_name));
    QPainter painter;
    if (!painter.begin(&printer)) return {false, "The printer could not be started."};
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSizeF(10.5);
    painter.setFont(font);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int line_height = painter.fontMetrics().lineSpacing();
    int y = line_height;
    for (const std::string& line : lines) {
        if (y > page.height()) {
            if (!printer.newPage()) return {false, "The printer stopped in the middle of the page."};
            y = line_height;
        }
        painter.drawText(0, y, qs(line));
        y += line_height;
    }
    if (!painter.end()) return {false, "The printer could not finish the document."};
    return {};
}

}  // namespace

QString message_box_text(const std::string& text) {
    QString result = qs(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

DialogButton QtDialogs::show_message(const MessageBoxRequest& request) {
    QMessageBox box(to_qt(request.icon), qs(request.title), message_box_text(request.text),
                    to_qt(request.buttons), QApplication::activeWindow());
    box.setDefaultButton(to_qt(request.default_button));
    if (request.buttons != DialogButtons::ok) box.setEscapeButton(to_qt(request.default_button));
    return from_qt(box.exec());
}

PrintResult QtPrinter::print_lines(const std::string& document_name,
                                   const std::vector<std::string>& lines) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        return {false, "There is no printer set up on this computer."};
    }
    QPrinter printer(QPrinterInfo::defaultPrinter());
    return paint_lines(printer, document_name, lines);
}

PrintResult print_lines_to_pdf(const QString& path, const std::string& document_name,
                               const std::vector<std::string>& lines) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return paint_lines(printer, document_name, lines);
}

}  // namespace varodex::ui
