// Whatever the course-file reader accepts, the writer takes back: it is written,
// read again to the same course, and rewritten to the same bytes.
#include "core/course_file.h"
#include "round_trip.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    core::CourseState first;
    if (!core::ParseCourseFile(input, "fuzz.crs", first))
        return 0;
    ROUND_TRIP_CHECK(core::CheckCourseCanBeWritten(first));
    const std::string written = core::CourseFileText(first, core::CourseFileKind::Rewrite);
    core::CourseState second;
    ROUND_TRIP_CHECK(core::ParseCourseFile(written, "fuzz.crs", second));
    ROUND_TRIP_CHECK(second == first);
    ROUND_TRIP_CHECK(core::CourseFileText(second, core::CourseFileKind::Rewrite) == written);
    return 0;
}
