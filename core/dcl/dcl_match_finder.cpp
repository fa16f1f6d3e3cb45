#include "core/dcl/dcl_match_finder.h"

#include <algorithm>
#include <cstring>

#include "core/dcl/dcl_codes.h"

namespace dcl {

namespace {

// How many bytes of a and b agree, up to `limit`; the first `n` are known to.
int CommonLength(const uint8_t* a, const uint8_t* b, int n, int limit) {
  while (n + 8 <= limit) {
    uint64_t x, y;
    std::memcpy(&x, a + n, 8);
    std::memcpy(&y, b + n, 8);
    if (x != y) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
      return n + __builtin_ctzll(x ^ y) / 8;
#else
      break;
#endif
    }
    n += 8;
  }
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

}  // namespace

MatchFinder::MatchFinder(int window, int max_chain)
    : window_(window),
      max_chain_(max_chain > 0 ? max_chain : kRing),
      root_(size_t(1) << kHashBits, 0),
      smaller_(kRing, 0),
      larger_(kRing, 0),
      last_pair_(size_t(1) << 16, 0) {}

unsigned MatchFinder::Hash(const uint8_t* p) const {
  uint32_t v = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

int MatchFinder::Find(int64_t pos, int limit, Match* out, int* pair_distance) {
  const uint8_t* p = At(pos);
  const uint32_t tag = uint32_t(pos) + 1;
  *pair_distance = 0;
  if (limit >= kMinMatch && pos + 2 <= data_end_) {
    uint32_t seen = last_pair_[uint32_t(p[0]) << 8 | p[1]];
    uint32_t d = tag - seen;
    if (seen && d >= 1 && d <= uint32_t(kPairReach) && d <= pos - base_ && p[-int(d)] == p[0] && p[1 - int(d)] == p[1])
      *pair_distance = int(d);
  }
  return Walk(pos, limit, out);
}

int MatchFinder::Walk(int64_t pos, int limit, Match* out) {
  const uint8_t* p = At(pos);
  const uint32_t tag = uint32_t(pos) + 1;
  if (pos + 2 <= data_end_) last_pair_[uint32_t(p[0]) << 8 | p[1]] = tag;
  if (pos + 3 > data_end_) return 0;

  // Lengths are measured as far as the data goes (at most the longest
  // repeat) so that the tree order holds for later searches; what is
  // listed is cut to `limit`.
  const int span = int(std::min<int64_t>(kMaxMatch, data_end_ - pos));
  const uint32_t reach = uint32_t(std::min<int64_t>(window_, pos - base_));
  uint32_t& root = root_[Hash(p)];
  uint32_t node = root;
  const uint32_t first = node;
  root = tag;
  // Where the next node that sorts before (after) `pos` is to hang.
  uint32_t* before = &Smaller(tag);
  uint32_t* after = &Larger(tag);
  int found = 0;
  int best = 2;
  for (int visits = max_chain_;; --visits) {
    const uint32_t d = tag - node;
    if (!node || d == 0 || d > reach || visits == 0) {
      *before = *after = 0;  // what lies beyond is out of the window
      break;
    }
    const uint8_t* c = p - d;
    // In a run of one byte the root is the position before, and the last
    // walk measured how far that one repeated its own predecessor: all but
    // the first of those bytes are known to agree here.
    const int known = (d == 1 && run_pos_ == pos - 1) ? std::max(0, std::min(run_length_ - 1, span)) : 0;
    const int n = CommonLength(p, c, known, span);
    if (node == first) {
      run_pos_ = pos;
      run_length_ = d == 1 ? n : 0;
    }
    if (out && std::min(n, limit) > best) {
      best = std::min(n, limit);
      out[found++] = Match{best, int(d)};
    }
    if (n == span) {
      // As far as can be told the two are the same string: the nearer one
      // takes the older one's place, and the older one leaves the tree.
      *before = Smaller(node);
      *after = Larger(node);
      break;
    }
    if (c[n] < p[n]) {
      *before = node;
      before = &Larger(node);
      node = *before;
    } else {
      *after = node;
      after = &Smaller(node);
      node = *after;
    }
  }
  return found;
}

}  // namespace dcl
