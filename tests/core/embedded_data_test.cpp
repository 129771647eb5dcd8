#include "core/embedded_data.h"

#include <gtest/gtest.h>

namespace {

TEST(EmbeddedData, TablesStartWithTheirHeaders) {
    EXPECT_EQ(core::data::MajorsCsv().substr(0, 5), "year,");
    EXPECT_EQ(core::data::AwardsCsv().substr(0, 5), "year,");
    EXPECT_EQ(core::data::TriviaTsv().substr(0, 7), "number\t");
}

} // namespace
