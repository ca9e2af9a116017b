#include "platform/sounds.h"

namespace varodex {

const char* sound_file_name(SoundEffect effect) {
    switch (effect) {
        case SoundEffect::click: return "Musica.wav";
        case SoundEffect::tada: return "tada.wav";
        case SoundEffect::error: return "m_error.wav";
        case SoundEffect::laser: return "laserppt.wav";
        case SoundEffect::cheer: return "cheer.wav";
        case SoundEffect::applause: return "5applaus.wav";
        case SoundEffect::sting: return "ds9sting.wav";
    }
    return "";
}

}  // namespace varodex
