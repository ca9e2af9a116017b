// Opening and closing the program's windows, and ending the program.
#pragma once

namespace varodex {

enum class WindowKind { startup, sign_in, game_screen, summary, help, about, goodbye };

class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Creates the window afresh (its opening steps run) and shows it.
    virtual void show_window(WindowKind kind) = 0;
    // Closes the window without asking anything; closing a window that is not open does nothing.
    virtual void close_window(WindowKind kind) = 0;
    virtual bool is_open(WindowKind kind) const = 0;
    // Ends the program at once with exit status 0.
    virtual void end_program() = 0;
};

}  // namespace varodex
