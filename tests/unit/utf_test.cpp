#include "core/utf.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Utf, EveryPlaneRoundTrips) {
  // ASCII, Latin-1, Cyrillic, CJK, the last character before the surrogates, the first after them, an emoji and the
  // last code point: one, two, three and four bytes of UTF-8.
  const std::u16string samples[] = {u"A", u"\u00e9\u00fc\u00df\u20ac", u"\u0416\u043e\u0442", u"\u6587\u5b57",
                                    u"\ud7ff", u"\ue000\uffff", u"\U0001F600", u"\U0010FFFF"};
  for (const auto& text : samples) EXPECT_EQ(ToUtf16(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"\u0416\U0001F600"), "\xD0\x96\xF0\x9F\x98\x80");
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
  // Unpaired halves of a surrogate pair, as an edit field may hold them.
  EXPECT_EQ(ToUtf8(u"a\xd83d" u"b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\xde00')), "\xEF\xBF\xBD");
  // A stray continuation byte, an overlong form, a surrogate in UTF-8, a value above the last plane, a cut sequence.
  EXPECT_EQ(ToUtf16("\x80"), u"\xfffd");
  EXPECT_EQ(ToUtf16("\xC0\xAF"), u"\xfffd\xfffd");
  EXPECT_EQ(ToUtf16("\xED\xA0\x80"), u"\xfffd\xfffd\xfffd");
  EXPECT_EQ(ToUtf16("\xF4\x90\x80\x80"), u"\xfffd\xfffd\xfffd\xfffd");
  EXPECT_EQ(ToUtf16("x\xE6\x96"), u"x\xfffd\xfffd");
  // NUL and control characters pass as they are.
  EXPECT_EQ(ToUtf16(std::string("a\0\x01", 3)), std::u16string(u"a\0\x01", 3));
}

TEST(Utf, CuttingNeverSplitsAPair) {
  const std::u16string text = u"ab\U0001F600c";  // a, b, high, low, c
  EXPECT_EQ(CutUtf16(text, 10), text);
  EXPECT_EQ(CutUtf16(text, 4), u"ab\U0001F600");
  EXPECT_EQ(CutUtf16(text, 3), u"ab");
  EXPECT_EQ(CutUtf16(text, 0), u"");
}

TEST(Utf, FirstCharacterWhere) {
  const auto beyondLatin1 = [](char32_t c) { return c > 0xFF; };
  EXPECT_EQ(FirstCharacterWhere("Caf\xC3\xA9 \xD0\x96\xD0\xBE", beyondLatin1), "\xD0\x96");
  EXPECT_EQ(FirstCharacterWhere("plain", beyondLatin1), "");
  EXPECT_EQ(FirstCharacterWhere("\xF0\x9F\x98\x80!", beyondLatin1), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace qm
