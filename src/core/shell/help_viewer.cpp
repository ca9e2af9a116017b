#include "shell/help_viewer.h"

#include "shell/help_topics.h"
#include "shell/print_layout.h"

namespace varodex {

HelpViewer::HelpViewer(const SharedState& state, std::string topic_text, Sounds& sounds,
                       Printer& printer, Dialogs& dialogs, WindowHost& windows)
    : sounds_(state, sounds), printer_(printer), dialogs_(dialogs), windows_(windows) {
    const HelpTopic* topic = find_help_topic(state.help_topic);
    // The heading label sizes itself to its caption, so only its corner is fixed.
    screen_.definition_label = placed(topic ? topic->name : "", 28, 15, 0, 0);
    screen_.explanation = placed(with_crlf_line_ends(topic_text), 32, 47, 400, 251);
    screen_.explanation.font_size = 12;
    screen_.Command2 = placed("Print", 96, 312, 45, 25);
    screen_.ok_button = placed("OK", 320, 312, 51, 26);
    screen_.ok_button.pointer = Pointer::hand;
    screen_.window_caption = help_window_caption(state.help_topic);
}

std::vector<std::string> HelpViewer::print_lines() const {
    return print_lines_for_topic(screen_.definition_label.caption, screen_.explanation.caption);
}

PrintOutcome HelpViewer::Command2_click() {
    const PrintResult result = printer_.print_lines(document_name(), print_lines());
    if (result.ok) return PrintOutcome::printed;
    std::string text = "The topic could not be printed.";
    if (!result.error.empty()) text += "\n" + result.error;
    text += "\n\nWould you like to save the topic as a PDF file instead?";
    const DialogButton answer = dialogs_.show_message(
        {text, "Print", DialogIcon::exclamation, DialogButtons::yes_no, DialogButton::yes});
    return answer == DialogButton::yes ? PrintOutcome::save_as_pdf : PrintOutcome::not_printed;
}

void HelpViewer::pdf_saved(const PrintResult& result, const std::string& path) {
    if (result.ok) return;
    std::string text = "The topic could not be saved as \"" + path + "\".";
    if (!result.error.empty()) text += "\n" + result.error;
    dialogs_.show_message(
        {text, "Print", DialogIcon::exclamation, DialogButtons::ok, DialogButton::ok});
}

void HelpViewer::ok_button_click() {
    sounds_.play_click_sound();
    windows_.close_window(WindowKind::help);
}

}  // namespace varodex
