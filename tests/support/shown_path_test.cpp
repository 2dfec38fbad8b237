#include "support/shown_path.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace corvane {
namespace {

// Captions show every reordering character as its code and keep a long path's two ends.
TEST(CaptionPath, ControlsVisibleAndLongPathsShortenedInTheMiddle) {
    const std::u16string longPath = u"/" + std::u16string(300, u'a') + u"/name.dat";
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"/x/a.dat", u"/x/a.dat"},
        {u"/x/\u202Etxt.exe\u2066\u200F\u061C", u"/x/⟦U+202E⟧txt.exe⟦U+2066⟧⟦U+200F⟧⟦U+061C⟧"},
        {u"/\U0001F600/\u00E9\u202A.dat", u"/\U0001F600/\u00E9⟦U+202A⟧.dat"},
        {std::u16string{u'/', 0xDC00, u'x', 0xD800}, u"/\uFFFDx\uFFFD"},  // lone surrogates
        {longPath, u"/" + std::u16string(78, u'a') + u"\u2026" + std::u16string(71, u'a') + u"/name.dat"},
    };
    for (const auto& [path, caption] : cases) EXPECT_EQ(CaptionPath(path), caption) << &path - &cases[0].first;
    EXPECT_EQ(CaptionPath(longPath).size(), kMaxCaptionPathLength);
}

}  // namespace
}  // namespace corvane
