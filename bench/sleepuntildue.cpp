// The alarm latency's peer: a program that does nothing but sleep until the
// due second and then play, through SDL as the clock does (float samples of
// 0.25 at 8000 Hz, one channel, 256 frames a buffer), for a second.
//   bench_sleep_until_due <due calendar second>
#include <SDL.h>

#include <cstdlib>
#include <ctime>

namespace {

void SDLCALL fill(void *, Uint8 *bytes, int length)
{
    float *samples = reinterpret_cast<float *>(bytes);
    for (int i = 0; i < length / int(sizeof(float)); ++i)
        samples[i] = 0.25f;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const timespec due{std::time_t(std::atoll(argv[1])), 0};
    while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &due, nullptr) != 0) {
    }
    if (SDL_Init(SDL_INIT_AUDIO) != 0)
        return 1;
    SDL_AudioSpec wanted{};
    wanted.freq = 8000;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = 256;
    wanted.callback = fill;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0)
        return 1;
    SDL_PauseAudioDevice(device, 0);
    SDL_Delay(1000);
    SDL_CloseAudioDevice(device);
    SDL_Quit();
    return 0;
}
