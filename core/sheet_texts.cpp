#include "core/sheet_texts.h"

namespace tavelle {

namespace {

std::string heading(std::string text, std::size_t exerciseNumber, std::optional<std::uint64_t> seed)
{
    text += std::to_string(exerciseNumber);
    if (seed) {
        text += " (tirage aléatoire, graine ";
        text += std::to_string(*seed);
        text += ')';
    }
    return text;
}

}  // namespace

std::string sheetHeading(std::size_t exerciseNumber, std::optional<std::uint64_t> seed)
{
    return heading("Exercice ", exerciseNumber, seed);
}

std::string answerHeading(std::size_t exerciseNumber, std::optional<std::uint64_t> seed)
{
    return heading("Corrigé de l'exercice ", exerciseNumber, seed);
}

std::string pageFooter(std::size_t page, std::size_t pageCount)
{
    return "page " + std::to_string(page) + " / " + std::to_string(pageCount);
}

}  // namespace tavelle
