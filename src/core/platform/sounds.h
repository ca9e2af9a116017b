// The seven sound effects and the system beep.
#pragma once

#include <string>

namespace varodex {

enum class SoundEffect { click, tada, error, laser, cheer, applause, sting };

inline constexpr int sound_effect_count = 7;

// The WAV file each effect plays, named without a folder.
const char* sound_file_name(SoundEffect effect);

class Sounds {
public:
    virtual ~Sounds() = default;
    // Starts the effect and returns at once; a new effect cuts off the one still playing.
    virtual void play(SoundEffect effect) = 0;
    virtual void beep() = 0;
};

}  // namespace varodex
