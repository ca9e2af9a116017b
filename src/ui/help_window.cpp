#include "help_window.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qt_platform.h"
#include "shell/help_topics.h"
#include "shell_widgets.h"

namespace varodex::ui {

QString ask_for_pdf_path(QWidget* parent, const QString& suggested_name) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save Topic As PDF"),
                                                QDir::home().filePath(suggested_name),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QLatin1String(".pdf");
    }
    return path;
}

QString help_topic_text(int topic_number) {
    const HelpTopic* topic = find_help_topic(topic_number);
    if (!topic) return {};
    QFile file(QStringLiteral(":/help/") + qs(topic->file_name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

namespace {

void place(QWidget& widget, const Control& control) {
    widget.setGeometry(control.left, control.top, control.width, control.height);
    widget.setVisible(control.visible);
    widget.setEnabled(control.enabled);
}

// The text box shows line feeds; the presenter keeps the CR LF the printer counts.
QString shown_text(const std::string& text) {
    QString result = qs(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

}  // namespace

HelpWindow::HelpWindow(std::shared_ptr<HelpViewer> presenter, PdfPathChooser choose_pdf_path,
                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      presenter_(std::move(presenter)),
      choose_pdf_path_(std::move(choose_pdf_path)) {
    setObjectName(QStringLiteral("definitions_form"));
    const HelpScreen& screen = presenter_->screen();
    setWindowTitle(qs(screen.window_caption));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    setFixedSize(client_width, client_height);

    auto* heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("definition_label"));
    heading->setFont(design_font(QStringLiteral("Times New Roman"), 18, true));
    show_label(*heading, screen.definition_label);

    auto* explanation = new QPlainTextEdit(this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setReadOnly(true);
    explanation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    explanation->setFont(
        design_font(QStringLiteral("MS Sans Serif"), screen.explanation.font_size));
    explanation->setPlainText(shown_text(screen.explanation.caption));
    place(*explanation, screen.explanation);

    auto* print_button = new QPushButton(qs(screen.Command2.caption), this);
    print_button->setObjectName(QStringLiteral("Command2"));
    place(*print_button, screen.Command2);
    connect(print_button, &QPushButton::clicked, this, &HelpWindow::print_click);

    auto* ok_button = new QPushButton(qs(screen.ok_button.caption), this);
    ok_button->setObjectName(QStringLiteral("ok_button"));
    place(*ok_button, screen.ok_button);
    if (screen.ok_button.pointer == Pointer::hand) ok_button->setCursor(hand_pointer());
    // The host may delete this window as it closes, so nothing of it is touched after.
    connect(ok_button, &QPushButton::clicked, this, [this] { presenter_->ok_button_click(); });

    center_on_screen(*this);
}

void HelpWindow::print_click() {
    if (presenter_->Command2_click() != PrintOutcome::save_as_pdf) return;
    const QString path =
        choose_pdf_path_(this, qs(presenter_->document_name()) + QStringLiteral(".pdf"));
    if (path.isEmpty()) return;
    presenter_->pdf_saved(
        print_lines_to_pdf(path, presenter_->document_name(), presenter_->print_lines()),
        path.toStdString());
}

}  // namespace varodex::ui
