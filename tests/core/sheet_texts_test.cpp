#include "core/sheet_texts.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

TEST(SheetTexts, HeadingsNameTheSeedOnlyForARandomSet)
{
    EXPECT_EQ(sheetHeading(3, std::nullopt), "Exercice 3");
    EXPECT_EQ(sheetHeading(12, 42), "Exercice 12 (tirage aléatoire, graine 42)");
    EXPECT_EQ(answerHeading(1, std::nullopt), "Corrigé de l'exercice 1");
    EXPECT_EQ(answerHeading(2, 18446744073709551615u), "Corrigé de l'exercice 2 (tirage aléatoire, graine 18446744073709551615)");
    EXPECT_EQ(pageFooter(4, 24), "page 4 / 24");
}

}  // namespace
}  // namespace tavelle
