// Wave files: alarms, event sounds and the recording, any of them chosen by the user.
#include "inputfile.h"
#include "sound/wavereader.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString reason;
    const auto reader = WaveReader::open(inputFile(data, size, ".wav"), &reason);
    if (!reader)
        return 0;
    std::vector<float> frames(size_t(1024) * size_t(qMax(1, reader->channels())));
    for (int chunk = 0; chunk < 64 && reader->read(frames.data(), 1024) > 0; ++chunk) {
    }
    reader->seek(reader->frames() / 2);
    reader->read(frames.data(), 1024);
    return 0;
}
