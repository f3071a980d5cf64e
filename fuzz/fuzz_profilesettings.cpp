// The profile as the settings class reads it at start-up: a hand-edited or
// damaged Chimewise.conf.
#include "core/profilesettings.h"
#include "core/profilestore.h"
#include "inputfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto store = ProfileStore::openIniFile(inputFile(data, size, ".conf"));
    ProfileSettings settings(*store);
    settings.load();
    settings.readClockFaceShown();
    settings.readShutdownTime();
    settings.readPowerOff();
    settings.readLoginStartOffered();
    return 0;
}
