// Modal message boxes for the player.
#pragma once

#include <string>

namespace varodex {

enum class DialogIcon { none, exclamation, question, information };
enum class DialogButtons { ok, yes_no, ok_cancel };
enum class DialogButton { ok, cancel, yes, no };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    DialogIcon icon = DialogIcon::none;
    DialogButtons buttons = DialogButtons::ok;
    DialogButton default_button = DialogButton::ok;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the box and waits for the player; returns the button pressed.
    virtual DialogButton show_message(const MessageBoxRequest& request) = 0;
};

// The question every window asks before the program ends.
MessageBoxRequest quit_question();

}  // namespace varodex
