#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(Random, Placeholder) { SeedRnd(1); EXPECT_GE(Rand(1, 5), 1); }
