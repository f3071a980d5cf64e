// The voice definition file Tolvex.def, which a user may write by hand.
#include "inputfile.h"
#include "voice/voicetables.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VoiceTables tables;
    tables.loadVoiceDefinition(inputFile(data, size, ".def"));
    for (int language : {0, 1}) {
        if (tables.language(language).name.size() > VoiceTable::kMaxNameLength)
            abort();
        tables.selectVoiceLanguage(language);
    }
    return 0;
}
