// The seven sound routines and the beep, each silent while sound is off.
#pragma once

#include "platform/sounds.h"
#include "state/shared_state.h"

namespace varodex {

class SoundBoard {
public:
    SoundBoard(const SharedState& state, Sounds& sounds) : state_(state), sounds_(sounds) {}

    void play_click_sound() { play(SoundEffect::click); }
    void play_tada_sound() { play(SoundEffect::tada); }
    void play_error_sound() { play(SoundEffect::error); }
    void play_laser_sound() { play(SoundEffect::laser); }
    void play_cheer_sound() { play(SoundEffect::cheer); }
    void play_applause_sound() { play(SoundEffect::applause); }
    void play_sting_sound() { play(SoundEffect::sting); }
    void beep() {
        if (state_.sound_on) sounds_.beep();
    }

private:
    void play(SoundEffect effect) {
        if (state_.sound_on) sounds_.play(effect);
    }

    const SharedState& state_;
    Sounds& sounds_;
};

}  // namespace varodex
