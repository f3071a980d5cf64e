#include "sound/sdlaudiolink.h"

namespace {

// About 25 ms per buffer as a power of two: short enough for a quick stop,
// long enough not to starve.
Uint16 bufferFrames(int rate)
{
    Uint16 frames = 256;
    while (frames < 8192 && frames * 2 <= rate / 40)
        frames *= 2;
    return frames;
}

} // namespace

SdlAudioLink::SdlAudioLink(Transfer transfer) : m_transfer(std::move(transfer)) {}

SdlAudioLink::~SdlAudioLink()
{
    SDL_CloseAudioDevice(m_device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<SdlAudioLink> SdlAudioLink::open(Direction direction, SDL_AudioFormat format,
                                                 int rate, int channels, Transfer transfer)
{
    // SDL would otherwise take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;

    std::unique_ptr<SdlAudioLink> link(new SdlAudioLink(std::move(transfer)));
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = format;
    wanted.channels = Uint8(channels);
    wanted.samples = bufferFrames(rate);
    wanted.callback = &SdlAudioLink::callback;
    wanted.userdata = link.get();
    const int capture = direction == Direction::Capture ? 1 : 0;
    // No changes allowed: SDL converts between this format and the hardware's.
    link->m_device = SDL_OpenAudioDevice(nullptr, capture, &wanted, &link->m_plan, 0);
    if (link->m_device == 0)
        return nullptr; // the destructor gives the subsystem back
    SDL_PauseAudioDevice(link->m_device, 0);
    return link;
}

std::chrono::milliseconds SdlAudioLink::bufferTime() const
{
    return std::chrono::milliseconds((m_plan.samples * 1000 + m_plan.freq - 1) / m_plan.freq);
}

bool SdlAudioLink::lost() const
{
    return SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED;
}

void SDLCALL SdlAudioLink::callback(void *link, Uint8 *bytes, int length)
{
    static_cast<SdlAudioLink *>(link)->m_transfer(bytes, length);
}
