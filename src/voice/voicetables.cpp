#include "voice/voicetables.h"

#include "core/datafiles.h"

#include <algorithm>
#include <iterator>

namespace {

// Segments of the shipped recording, milliseconds (from, to).
constexpr VoiceSegment kBanglaHours[12] = {
    {422, 1622},    {1691, 2891},   {2889, 4089},   {4228, 5128},
    {5356, 6356},   {6342, 7342},   {7470, 8670},   {8809, 10009},
    {10219, 11219}, {11276, 12276}, {12403, 13403}, {26808, 27658}};
constexpr VoiceSegment kEnglishHours[12] = {
    {41184, 41584}, {35335, 35835}, {35851, 36351}, {36345, 36845},
    {36843, 37343}, {37335, 37806}, {37793, 38443}, {38459, 39029},
    {39081, 39496}, {39530, 40070}, {40122, 40572}, {40575, 41193}};
constexpr VoiceSegment kBanglaMins[4] = {{0, 0}, {13531, 14531}, {14800, 15800}, {16068, 17168}};
constexpr VoiceSegment kEnglishMins[4] = {{0, 0}, {41572, 42187}, {42185, 42800}, {42765, 43360}};
constexpr VoiceSegment kBanglaZones[6] = {{17364, 18364}, {18633, 19733}, {19760, 20760},
                                          {20817, 21817}, {22791, 23791}, {23848, 24695}};
constexpr VoiceSegment kEnglishAmPm[2] = {{43356, 43953}, {43913, 44405}};
constexpr VoiceSegment kBanglaStarter{34000, 35278};
constexpr VoiceSegment kEnglishStarter{44414, 45324};

template <std::size_t N>
void fill(std::array<VoiceSegment, N> &target, const VoiceSegment (&source)[N])
{
    std::copy(std::begin(source), std::end(source), target.begin());
}

} // namespace

void VoiceTables::setDefaultVoiceTables()
{
    VoiceTable bangla;
    bangla.name = QT_TRANSLATE_NOOP("VoiceTables", "Bangla");
    fill(bangla.hour, kBanglaHours);
    fill(bangla.min, kBanglaMins);
    fill(bangla.zone, kBanglaZones);
    bangla.starter = kBanglaStarter; // no AM/PM: the period of the day says it

    VoiceTable english;
    english.name = QT_TRANSLATE_NOOP("VoiceTables", "English");
    fill(english.hour, kEnglishHours);
    fill(english.min, kEnglishMins);
    fill(english.ampm, kEnglishAmPm);
    english.starter = kEnglishStarter; // no periods of the day: AM/PM says it

    m_languages = {bangla, english};
}

void VoiceTables::selectVoiceLanguage(int englishFlag)
{
    m_current = language(englishFlag);
    m_current.name.clear(); // the display name stays with its language
}

QString VoiceTables::loadAtStartUp()
{
    const QString path = DataFiles::find("Tolvex.def", true);
    if (loadVoiceDefinition(path))
        return path;
    setDefaultVoiceTables();
    return {};
}
