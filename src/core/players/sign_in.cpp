#include "players/sign_in.h"

#include "players/record_line.h"
#include "players/text_encoding.h"

namespace varodex {

namespace {

MessageBoxRequest name_message(std::string text, std::string title) {
    return {std::move(text), std::move(title), DialogIcon::exclamation, DialogButtons::ok,
            DialogButton::ok};
}

MessageBoxRequest empty_name_message() {
    return name_message("You must enter your name to play!", "Name");
}

MessageBoxRequest name_in_use_message() {
    return name_message(
        "Sorry, your first name is already being used by another player.  Please enter your "
        "first and last name.",
        "Name Error");
}

// The records file keeps a name between double quotes on one line, so it cannot hold every
// text: these refusals keep the file readable.
MessageBoxRequest unfit_name_message(NameFit fit) {
    switch (fit) {
        case NameFit::double_quote:
            return name_message(
                "Sorry, your name cannot contain the \" mark.  Please type your name without it.",
                "Name Error");
        case NameFit::too_long:
            return name_message("Sorry, your name is too long.  Please use at most " +
                                    std::to_string(longest_player_name) + " letters.",
                                "Name Error");
        default:
            return name_message(
                "Sorry, your name contains a character that cannot be used.  Please type your "
                "name again.",
                "Name Error");
    }
}

}  // namespace

SignIn::SignIn(SharedState& state, SignInPorts ports)
    : state_(state), ports_(ports), sound_board_(state, ports.sounds) {
    controls_.name_form.caption = " Varodex";
    controls_.Label1[0].caption = "Please Sign In";
    controls_.Label1[1].caption = "Welcome to Varodex";
    controls_.Label2.caption =
        "First time players, please type your name.  When you're done, click OK.";
    controls_.ok_button.caption = "OK";
    controls_.ok_button.enabled = false;
    controls_.Label3.caption = "Otherwise, please select your name from the list.";
    controls_.exit_command.caption = "Exit";
    controls_.ok_button.pointer = Pointer::hand;
    controls_.exit_command.pointer = Pointer::hand;
    for (int i = 0; i < state_.player_count && i < static_cast<int>(state_.player_names.size());
         ++i)
        controls_.player_name_list.items.push_back(state_.player_names[i]);
}

void SignIn::place_window(int screen_width, int screen_height, int window_width,
                          int window_height) {
    controls_.name_form.width = window_width;
    controls_.name_form.height = window_height;
    controls_.name_form.left = (screen_width - window_width) / 2;
    controls_.name_form.top = (screen_height - window_height) / 2;
}

void SignIn::player_name_textbox_change(const std::string& text) {
    controls_.player_name_textbox.caption = text;
    controls_.ok_button.enabled = true;
}

void SignIn::player_name_textbox_key_press(int key_ascii) {
    if (key_ascii == enter_key) ok_button_click();
}

void SignIn::ok_button_click() {
    sign_in_new_player();
}

void SignIn::player_name_list_click(int list_index) {
    const int count = static_cast<int>(controls_.player_name_list.items.size());
    controls_.player_name_list.list_index = list_index >= 0 && list_index < count ? list_index : -1;
}

void SignIn::player_name_list_key_press(int key_ascii) {
    if (key_ascii == enter_key) sign_in_returning_player();
}

void SignIn::player_name_list_dbl_click() {
    sign_in_returning_player();
}

void SignIn::exit_command_click() {
    sound_board_.play_click_sound();
    if (ports_.dialogs.show_message(quit_question()) != DialogButton::yes) return;
    quitting_ = true;
    ports_.windows.show_window(WindowKind::goodbye);
}

bool SignIn::query_unload() {
    if (name_chosen_ || quitting_) return true;
    if (ports_.dialogs.show_message(quit_question()) != DialogButton::yes) return false;
    quitting_ = true;
    ports_.windows.show_window(WindowKind::goodbye);
    return true;
}

void SignIn::sign_in_new_player() {
    const std::string& text = controls_.player_name_textbox.caption;
    if (text.empty()) return refuse(empty_name_message());
    if (const NameFit fit = check_record_name(text); fit != NameFit::fits)
        return refuse(unfit_name_message(fit));
    // The whole typed text is compared, letter case aside.
    const std::string typed = lower_case(text);
    for (const std::string& known : state_.player_names) {
        if (lower_case(known) == typed) return refuse(name_in_use_message());
    }
    sound_board_.play_click_sound();
    state_.player_name = text;
    state_.first_name = first_name_of(text);
    // A first-time player keeps the start-up settings.
    open_game();
}

void SignIn::sign_in_returning_player() {
    const NameListControl& list = controls_.player_name_list;
    if (list.list_index < 0) return;
    sound_board_.play_click_sound();
    state_.player_name = list.items[static_cast<std::size_t>(list.list_index)];
    state_.first_name = first_name_of(state_.player_name);
    const RecordsProblem problem =
        ports_.records.restore_player_settings(state_, state_.player_name);
    // The player can still play; only the settings of the last game may be missing.
    if (!problem.ok()) ports_.dialogs.show_message(records_problem_box(problem));
    open_game();
}

void SignIn::open_game() {
    name_chosen_ = true;
    ports_.windows.close_window(WindowKind::sign_in);
    ports_.windows.show_window(WindowKind::game_screen);
}

void SignIn::refuse(const MessageBoxRequest& message) {
    ports_.dialogs.show_message(message);
    controls_.ok_button.enabled = false;
}

}  // namespace varodex
