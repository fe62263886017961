#pragma once
// "|"-separated lists, read as labels read their lines: a missing final "|" is implied and empty
// pieces count.
#include <string>
#include <vector>

namespace kvx {

inline std::vector<std::string> SplitPieces(std::string text) {
    if (text.empty() || text.back() != '|') text += '|';
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        if (c != '|') {
            piece += c;
            continue;
        }
        pieces.push_back(piece);
        piece.clear();
    }
    return pieces;
}

}  // namespace kvx
