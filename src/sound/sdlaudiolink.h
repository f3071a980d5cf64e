#pragma once

#include <SDL.h>

#include <chrono>
#include <functional>
#include <memory>

// One open SDL audio device on the default output or input, with the
// subsystem held for as long as it is open, so that an idle program holds
// neither. The device runs in the format asked for; SDL converts to and
// from what the hardware offers.
class SdlAudioLink
{
public:
    enum class Direction { Output, Capture };
    // Runs on SDL's audio thread: fill (output) or take (capture) the bytes.
    using Transfer = std::function<void(Uint8 *bytes, int length)>;

    ~SdlAudioLink();
    SdlAudioLink(const SdlAudioLink &) = delete;
    SdlAudioLink &operator=(const SdlAudioLink &) = delete;

    // Nothing when there is no audio device (no driver, no card, no server);
    // the caller then goes on silently. The device starts running at once.
    static std::unique_ptr<SdlAudioLink> open(Direction direction, SDL_AudioFormat format,
                                              int rate, int channels, Transfer transfer);

    // How long one device buffer plays.
    std::chrono::milliseconds bufferTime() const;
    // The device went away while open (unplugged, server gone).
    bool lost() const;

private:
    explicit SdlAudioLink(Transfer transfer);
    static void SDLCALL callback(void *link, Uint8 *bytes, int length);

    Transfer m_transfer;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_plan{};
};
