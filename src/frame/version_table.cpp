#include "frame/version_table.h"

#include <algorithm>
#include <iterator>

namespace {

struct BuildKind {
    uint16_t build;
    uint8_t kind;
};

const BuildKind KnownBuilds[] = {
    {950, 1},   {1111, 2},  {1212, 3},  {1214, 4},  {1057, 12}, {1381, 13}, {1998, 20},
    {2222, 21}, {3000, 30}, {2195, 40}, {2211, 45}, {2223, 45}, {2239, 45}, {2247, 45},
    {2250, 45}, {2257, 45}, {2600, 50}, {3790, 60},
};

constexpr int UnknownOsKind = 255;
constexpr uint8_t FirstAcceptedOsKind = 20;

}  // namespace

int OsKindFromBuild(uint32_t buildNumber) {
    // The high half carries the major and minor version on Windows 9x.
    const uint16_t build = static_cast<uint16_t>(buildNumber & 0xFFFF);
    const BuildKind* const end = std::end(KnownBuilds);
    const BuildKind* const known =
        std::find_if(std::begin(KnownBuilds), end, [build](const BuildKind& k) { return k.build == build; });
    return known != end ? known->kind : UnknownOsKind;
}

bool IsRefusedOsKind(uint8_t code) { return code > 0 && code < FirstAcceptedOsKind; }
