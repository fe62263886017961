#include "platform/call_matching.hpp"

#include <algorithm>

namespace kvx {
namespace {

// Beyond this many inserted and removed calls (a window dragged moves all its calls) the
// frames are paired by place instead; the search costs about the square of it.
constexpr int kMaxEdits = 256;

struct Sides {
    const DrawCall* a;
    int n;
    const DrawCall* b;
    int m;
    uint8_t* matchedA;
    uint8_t* matchedB;

    void Pair(int x, int y, int length) const {
        std::fill_n(matchedA + x, length, uint8_t(1));
        std::fill_n(matchedB + y, length, uint8_t(1));
    }
};

constexpr int kUnreached = -1;

// Where a path of d edits on diagonal k (x - y = k) starts its last run of equal calls, from the
// furthest points of the paths of d - 1 edits on the neighbouring diagonals: one call of b
// inserted (from k + 1) or one of a removed (from k - 1), whichever gets further inside the grid.
// `before(j)` is the furthest x on diagonal j after d - 1 edits.
template <class Before>
int StepStart(const Sides& s, int d, int k, const Before& before, bool& fromInsert) {
    const int insert = std::abs(k + 1) <= d - 1 ? before(k + 1) : kUnreached;
    const int remove = std::abs(k - 1) <= d - 1 && before(k - 1) != kUnreached ? before(k - 1) + 1 : kUnreached;
    const bool insertFits = insert != kUnreached && insert - k <= s.m;
    const bool removeFits = remove != kUnreached && remove <= s.n;
    if (!insertFits && !removeFits) return kUnreached;
    fromInsert = insertFits && (!removeFits || insert >= remove);
    return fromInsert ? insert : remove;
}

// Myers' greedy search for a shortest edit script, then its pairs; false when it needs more than
// kMaxEdits edits. trace holds the furthest x of every diagonal -d..d after d edits, from d * d.
bool PairByShortestEdits(const Sides& s) {
    const int maxEdits = std::min(kMaxEdits, s.n + s.m);
    const int offset = maxEdits + 1;
    std::vector<int> furthest(size_t(2 * offset + 1), kUnreached);
    std::vector<int> trace;
    int edits = -1;
    for (int d = 0; d <= maxEdits && edits < 0; ++d) {
        auto before = [&](int k) { return furthest[size_t(offset + k)]; };
        for (int k = -d; k <= d; k += 2) {
            bool fromInsert = false;
            int x = d == 0 ? 0 : StepStart(s, d, k, before, fromInsert);
            if (x == kUnreached) {
                furthest[size_t(offset + k)] = kUnreached;
                continue;
            }
            int y = x - k;
            while (x < s.n && y < s.m && s.a[x] == s.b[y]) ++x, ++y;
            furthest[size_t(offset + k)] = x;
            if (x == s.n && y == s.m) {
                edits = d;
                break;
            }
        }
        trace.insert(trace.end(), furthest.begin() + offset - d, furthest.begin() + offset + d + 1);
    }
    if (edits < 0) return false;
    int x = s.n, y = s.m;
    for (int d = edits; d > 0; --d) {
        const int k = x - y;
        auto before = [&](int j) { return trace[size_t((d - 1) * (d - 1) + j + (d - 1))]; };
        bool fromInsert = false;
        const int start = StepStart(s, d, k, before, fromInsert);
        s.Pair(start, start - k, x - start);
        const int previousK = fromInsert ? k + 1 : k - 1;
        x = before(previousK);
        y = x - previousK;
    }
    s.Pair(0, 0, x);
    return true;
}

}  // namespace

CallMatching MatchCalls(const std::vector<DrawCall>& before, const std::vector<DrawCall>& now) {
    CallMatching matching{std::vector<uint8_t>(before.size(), 0), std::vector<uint8_t>(now.size(), 0)};
    const size_t shorter = std::min(before.size(), now.size());
    size_t head = 0, tail = 0;
    while (head < shorter && before[head] == now[head]) ++head;
    while (tail < shorter - head && before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) ++tail;
    std::fill_n(matching.before.begin(), head, uint8_t(1));
    std::fill_n(matching.now.begin(), head, uint8_t(1));
    std::fill_n(matching.before.end() - std::ptrdiff_t(tail), tail, uint8_t(1));
    std::fill_n(matching.now.end() - std::ptrdiff_t(tail), tail, uint8_t(1));
    const Sides middle{before.data() + head,          int(before.size() - head - tail), now.data() + head,
                       int(now.size() - head - tail), matching.before.data() + head,    matching.now.data() + head};
    if (middle.n == 0 || middle.m == 0 || PairByShortestEdits(middle)) return matching;
    for (int i = 0; i < std::min(middle.n, middle.m); ++i) {
        if (middle.a[i] == middle.b[i]) middle.Pair(i, i, 1);
    }
    return matching;
}

}  // namespace kvx
