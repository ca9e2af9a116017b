// The help viewer: one topic's heading and text, Print and OK.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/sounds.h"
#include "platform/window_host.h"
#include "shell/help_viewer.h"
#include "state/shared_state.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace varodex::ui {

// Asks where to save a topic as a PDF; an empty text when the player cancels.
using PdfPathChooser = std::function<QString(QWidget* parent, const QString& suggested_name)>;
QString ask_for_pdf_path(QWidget* parent, const QString& suggested_name);

// The text of a topic as the program stores it; empty for a number that is no topic.
QString help_topic_text(int topic_number);

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    // Opens on the topic of state.help_topic.
    explicit HelpWindow(std::shared_ptr<HelpViewer> presenter,
                        PdfPathChooser choose_pdf_path = ask_for_pdf_path, QWidget* parent = nullptr);

    const HelpViewer& presenter() const { return *presenter_; }

    static constexpr int client_width = 459;
    static constexpr int client_height = 343;

  private:
    void print_click();

    std::shared_ptr<HelpViewer> presenter_;
    PdfPathChooser choose_pdf_path_;
};

}  // namespace varodex::ui
