#include "common/TextCoding.h"

#include <gtest/gtest.h>

using namespace myDefines;

TEST(TextCoding, Placeholder) {
    EXPECT_EQ(CodeParams(TCodingType::ctChained), 1);
}
