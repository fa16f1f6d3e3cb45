#include "dcl/dcl_match_finder.h"

#include <algorithm>
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
      head_(size_t(1) << kHashBits, 0),
      prev_(kRing, 0),
      last_pair_(size_t(1) << 16, 0) {}

unsigned MatchFinder::Hash(const uint8_t* p) const {
  uint32_t v = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

void MatchFinder::Insert(int64_t pos) {
  const uint8_t* p = At(pos);
  const uint32_t tag = uint32_t(pos) + 1;
  if (!(last_entered_ == pos - 1 && pos > base_ && p[-1] == p[0])) run_start_ = pos;
  last_entered_ = pos;
  if (pos + 2 <= data_end_) last_pair_[uint32_t(p[0]) << 8 | p[1]] = tag;
  if (pos + 3 > data_end_) return;
  uint32_t& head = head_[Hash(p)];
  prev_[size_t(pos) & (kRing - 1)] = head;
  head = tag;
}

int MatchFinder::Find(int64_t pos, int limit, Match* out, int* pair_distance) {
  const uint8_t* p = At(pos);
  const uint32_t tag = uint32_t(pos) + 1;
  const int64_t held = pos - base_;  // how far back the data reaches
  *pair_distance = 0;
  int found = 0;
  if (limit >= kMinMatch && pos + 2 <= data_end_) {
    uint32_t seen = last_pair_[uint32_t(p[0]) << 8 | p[1]];
    uint32_t d = tag - seen;
    if (seen && d >= 1 && d <= uint32_t(kPairReach) && d <= held && p[-int(d)] == p[0] && p[1 - int(d)] == p[1])
      *pair_distance = int(d);
  }
  if (limit >= 3 && pos + 3 <= data_end_) {
    const uint32_t reach = uint32_t(std::min<int64_t>(window_, held));
    int best = 2;
    int chain = max_chain_;
    const uint32_t first = head_[Hash(p)];
    uint32_t d = first ? tag - first : 0;
    // Inside a run (the byte before and the next two equal this one), the
    // nearest entry is one byte back, and every entry up to the run's start
    // matches exactly as far as the run goes: take the first, then go on
    // from the entry before the run.
    const int64_t run = (last_entered_ == pos - 1 && pos > base_ && p[-1] == p[0] && p[1] == p[0] && p[2] == p[0])
                            ? pos - run_start_
                            : 0;
    // Nearest first: the first position reaching a length is the cheapest
    // place to take that length from. Distances only grow along a chain.
    for (uint32_t last = 0; d > last && d <= reach && chain-- > 0;) {
      const uint8_t* c = p - d;
      if (c[best] == p[best] && c[0] == p[0]) {
        int n = CommonLength(p, c, limit);
        if (n > best) {
          best = n;
          out[found++] = Match{n, int(d)};
          if (n >= limit) break;
        }
      }
      last = d;
      if (run && d == 1) {
        if (run >= reach) break;
        last = uint32_t(run);
        d = uint32_t(run);  // continue from the run's first byte
      }
      uint32_t next = prev_[size_t(pos - d) & (kRing - 1)];
      if (!next) break;
      d = tag - next;
    }
  }
  Insert(pos);
  return found;
}

}  // namespace dcl
