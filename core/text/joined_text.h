#pragma once

#include "core/text/number_text.h"

#include <string>
#include <string_view>

namespace tavelle {

namespace joinedTextDetail {

template <std::size_t N>
std::size_t pieceSize(const char (&)[N])
{
    return N - 1;
}
inline std::size_t pieceSize(std::string_view piece)
{
    return piece.size();
}
inline std::size_t pieceSize(const NumberChars& piece)
{
    return piece.size();
}
template <std::size_t N>
void appendPiece(std::string& text, const char (&piece)[N])
{
    text.append(piece, N - 1);
}
inline void appendPiece(std::string& text, std::string_view piece)
{
    text += piece;
}
inline void appendPiece(std::string& text, const NumberChars& piece)
{
    piece.appendTo(text);
}

}  // namespace joinedTextDetail

// Appends texts and numbers' texts with at most one allocation, sized to the whole.
template <class... Pieces>
void appendJoined(std::string& text, const Pieces&... pieces)
{
    using namespace joinedTextDetail;
    text.reserve(text.size() + (pieceSize(pieces) + ...));
    (appendPiece(text, pieces), ...);
}

template <class... Pieces>
std::string joinedText(const Pieces&... pieces)
{
    std::string text;
    appendJoined(text, pieces...);
    return text;
}

}  // namespace tavelle
