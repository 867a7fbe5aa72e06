#include "ledger/characters.h"

#include <gtest/gtest.h>

namespace ledger {
namespace {

TEST(Characters, CountCodePointsNotBytes)
{
    EXPECT_EQ(CharCount(""), 0u);
    EXPECT_EQ(CharCount("56.5"), 4u);
    EXPECT_EQ(CharCount("面值"), 2u);
    EXPECT_EQ(CharCount("a面b"), 3u);
    EXPECT_EQ(CharCount("😀1"), 2u);
}

TEST(Characters, StrayBytesCountOneEach)
{
    EXPECT_EQ(CharCount("\xE9"), 1u);            // a lone lead byte
    EXPECT_EQ(CharCount("\x80\x80"), 2u);        // continuation bytes on their own
    EXPECT_EQ(CharCount("\xE9\x9D"), 2u);        // a cut-off three-byte character
    EXPECT_EQ(CharCount("\xC0\xAF"), 2u);        // an overlong form is not one character
}

TEST(Characters, ByteOffsetOfACharacter)
{
    const std::string_view text = "1面2";
    EXPECT_EQ(ByteOffset(text, 0), 0u);
    EXPECT_EQ(ByteOffset(text, 1), 1u);
    EXPECT_EQ(ByteOffset(text, 2), 4u);
    EXPECT_EQ(ByteOffset(text, 3), 5u);
    EXPECT_EQ(ByteOffset(text, 99), 5u);
}

}  // namespace
}  // namespace ledger
