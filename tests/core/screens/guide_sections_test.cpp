// Every window's section of the user guide is an element of the guide, and no two windows share one.
#include "core/screens/guide_sections.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace tavelle {
namespace {

std::string guideText()
{
    std::ifstream file(TAVELLE_GUIDE_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class GuideSectionTest : public ::testing::TestWithParam<GuideSection> {};

TEST_P(GuideSectionTest, IsAnElementOfTheGuide)
{
    static const std::string guide = guideText();
    ASSERT_FALSE(guide.empty()) << TAVELLE_GUIDE_FILE;
    const std::string id = "id=\"" + std::string(GetParam().anchor) + "\"";
    EXPECT_EQ(guide.find(id), guide.rfind(id)) << id << " twice";
    EXPECT_NE(guide.find(id), std::string::npos) << id << " for " << screenName(GetParam().screen);
    EXPECT_EQ(guideSection(GetParam().screen), GetParam().anchor);
}

INSTANTIATE_TEST_SUITE_P(Windows, GuideSectionTest, ::testing::ValuesIn(guideSections),
                         [](const auto& row) { return std::string(screenName(row.param.screen)); });

TEST(GuideSections, NoTwoWindowsShareOne)
{
    std::set<std::string_view> anchors;
    for (const GuideSection& section : guideSections)
        EXPECT_TRUE(anchors.insert(section.anchor).second) << section.anchor;
}

TEST(GuideSections, WhatF1SaysWithoutTheGuideNamesItsFile)
{
    EXPECT_EQ(guideMissingText("/usr/share/doc/tavelle/guide/index.html"),
              "Le guide de l'utilisateur n'est pas installé. Il devrait se trouver ici :\n"
              "/usr/share/doc/tavelle/guide/index.html");
    EXPECT_EQ(guideNotOpenedText("/usr/share/doc/tavelle/guide/index.html"),
              "Aucun navigateur n'a pu ouvrir le guide de l'utilisateur. Vous pouvez l'ouvrir vous-même, il se "
              "trouve ici :\n/usr/share/doc/tavelle/guide/index.html");
}

}  // namespace
}  // namespace tavelle
