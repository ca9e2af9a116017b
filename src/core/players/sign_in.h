// The sign-in window's presenter: a returning player picks a name from the list and gets
// the settings of their latest game back, a first-time player types a name.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "platform/window_host.h"
#include "players/records_file.h"
#include "screen/control.h"
#include "state/shared_state.h"
#include "state/sound_board.h"

namespace varodex {

// The key code of Enter in key-press events.
inline constexpr int enter_key = 13;

struct NameListControl : Control {
    std::vector<std::string> items;
    int list_index = -1;  // the highlighted entry, -1 when none is

    friend bool operator==(const NameListControl&, const NameListControl&) = default;
};

struct SignInControls {
    Control name_form;  // the window: its title, and its place once it is centred
    std::array<Control, 2> Label1;
    Control Label2;
    Control player_name_textbox;
    Control ok_button;
    Control Label3;
    NameListControl player_name_list;
    Control exit_command;
    Control Image1;
};

struct SignInPorts {
    Dialogs& dialogs;
    WindowHost& windows;
    Sounds& sounds;
    PlayerRecords& records;
};

class SignIn {
  public:
    // Runs the window's opening steps: the list holds the known players.
    SignIn(SharedState& state, SignInPorts ports);

    const SignInControls& controls() const { return controls_; }
    bool name_chosen() const { return name_chosen_; }

    // Centres the window of the given size exactly on the screen.
    void place_window(int screen_width, int screen_height, int window_width, int window_height);

    void player_name_textbox_change(const std::string& text);
    void player_name_textbox_key_press(int key_ascii);
    void ok_button_click();
    // The highlighted entry changed; -1 when none is highlighted.
    void player_name_list_click(int list_index);
    void player_name_list_key_press(int key_ascii);
    void player_name_list_dbl_click();
    void exit_command_click();
    // The window is being closed; true lets it close, false keeps it open.
    bool query_unload();

  private:
    void sign_in_new_player();
    void sign_in_returning_player();
    void open_game();
    void refuse(const MessageBoxRequest& message);

    SharedState& state_;
    SignInPorts ports_;
    SoundBoard sound_board_;
    SignInControls controls_;
    bool name_chosen_ = false;
    bool quitting_ = false;  // the goodbye screen is up; closing asks nothing more
};

}  // namespace varodex
