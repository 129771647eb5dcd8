// Whatever the handicap-file reader accepts, the writer takes back: it is written,
// read again to the same state, and rewritten to the same bytes.
#include "core/handicap_file.h"
#include "round_trip.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    core::HandicapState first;
    if (!core::ParseHandicapFile(input, "fuzz.hcp", first))
        return 0;
    ROUND_TRIP_CHECK(core::CheckHandicapCanBeWritten(first));
    const std::string written = core::HandicapFileText(first);
    core::HandicapState second;
    ROUND_TRIP_CHECK(core::ParseHandicapFile(written, "fuzz.hcp", second));
    ROUND_TRIP_CHECK(second == first);
    ROUND_TRIP_CHECK(core::HandicapFileText(second) == written);
    return 0;
}
