#include "dcl/dcl_match_finder.h"

#include <cstring>

#include "dcl/dcl_codes.h"

namespace dcl {

namespace {

int CommonLength(const uint8_t* a, const uint8_t* b, int limit) {
  int n = 0;
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
      head_(size_t(1) << kHashBits, -1),
      prev_(kRing, -1),
      last_pair_(size_t(1) << 16, -1) {}

unsigned MatchFinder::Hash(const uint8_t* p) const {
  uint32_t v = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

void MatchFinder::Insert(int64_t pos) {
  const uint8_t* p = At(pos);
  if (pos + 2 <= data_end_) last_pair_[uint32_t(p[0]) << 8 | p[1]] = pos;
  if (pos + 3 > data_end_) return;
  int64_t& head = head_[Hash(p)];
  prev_[size_t(pos) & (kRing - 1)] = head;
  head = pos;
}

int MatchFinder::Find(int64_t pos, int limit, Match* out, int* pair_distance) {
  const uint8_t* p = At(pos);
  *pair_distance = 0;
  int found = 0;
  if (limit >= kMinMatch && pos + 2 <= data_end_) {
    int64_t q = last_pair_[uint32_t(p[0]) << 8 | p[1]];
    if (q >= 0 && pos - q <= kPairReach) *pair_distance = int(pos - q);
  }
  if (limit >= 3 && pos + 3 <= data_end_) {
    const int64_t lowest = pos - window_;
    int best = 2;
    int chain = max_chain_;
    // Nearest first: the first position reaching a length is the cheapest
    // place to take that length from.
    for (int64_t q = head_[Hash(p)]; q >= 0 && q >= lowest && chain-- > 0; q = prev_[size_t(q) & (kRing - 1)]) {
      const uint8_t* c = At(q);
      if (c[best] != p[best] || c[0] != p[0]) continue;
      int n = CommonLength(p, c, limit);
      if (n > best) {
        best = n;
        out[found++] = Match{n, int(pos - q)};
        if (n >= limit) break;
      }
    }
  }
  Insert(pos);
  return found;
}

}  // namespace dcl
