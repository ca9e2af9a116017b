// The help viewer: one topic with its heading, a Print button and an OK button.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/sounds.h"
#include "platform/window_host.h"
#include "screen/control.h"
#include "state/shared_state.h"
#include "state/sound_board.h"

namespace varodex {

struct HelpScreen {
    std::string window_caption;
    Control definition_label;  // the topic's heading
    Control explanation;       // the topic's text, CR LF line ends
    Control Command2;          // "Print"
    Control ok_button;         // "OK"
};

// What became of a press of Print.
enum class PrintOutcome {
    printed,
    save_as_pdf,  // the printer failed and the player wants the topic as a PDF file instead
    not_printed,
};

class HelpViewer {
  public:
    // Opens on the topic of state.help_topic; topic_text is that topic's text as stored.
    HelpViewer(const SharedState& state, std::string topic_text, Sounds& sounds, Printer& printer,
               Dialogs& dialogs, WindowHost& windows);

    const HelpScreen& screen() const { return screen_; }

    // Print: the title, an empty line, then the text broken for the page. When the printer
    // fails the player is told why and asked whether to save a PDF instead.
    PrintOutcome Command2_click();
    // After save_as_pdf: the view wrote the file; a failure is reported to the player.
    void pdf_saved(const PrintResult& result, const std::string& path);

    // OK: the click sound, then the viewer closes.
    void ok_button_click();

    std::string document_name() const { return screen_.definition_label.caption; }
    std::vector<std::string> print_lines() const;

  private:
    SoundBoard sounds_;
    Printer& printer_;
    Dialogs& dialogs_;
    WindowHost& windows_;
    HelpScreen screen_;
};

}  // namespace varodex
