// Whatever the trivia.dat reader accepts, the writer takes back: it is written, read
// again to the same record, and rewritten to the same bytes.
#include "core/trivia.h"
#include "round_trip.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    core::TriviaRecord first;
    if (!core::ReadTriviaRecord(input, "trivia.dat", first))
        return 0;
    const std::string written = core::TriviaRecordText(first);
    core::TriviaRecord second;
    ROUND_TRIP_CHECK(core::ReadTriviaRecord(written, "trivia.dat", second));
    ROUND_TRIP_CHECK(second == first);
    ROUND_TRIP_CHECK(core::TriviaRecordText(second) == written);
    return 0;
}
