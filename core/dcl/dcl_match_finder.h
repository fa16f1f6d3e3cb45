// Finds, for each position of the input, the nearest earlier occurrence of
// every match length the window offers. Repeats of 3 and more come from
// binary search trees, one per hash of three bytes: each tree orders its
// positions by the bytes that follow them, and the newest position is its
// root, so a search walks from near to far and meets, for every length, the
// nearest position reaching it first. Repeats of 2 (which the format allows
// only within 256 bytes) come from a table of the last place of every pair.
#pragma once
#include <cstdint>
#include <vector>

namespace dcl {

struct Match {
  int length;
  int distance;
};

class MatchFinder {
 public:
  // `window`: the farthest distance allowed (the dictionary size).
  // `max_chain`: tree nodes visited per search at most; 0 for all.
  MatchFinder(int window, int max_chain);

  // Positions are absolute stream offsets; `data` holds the bytes from
  // absolute offset `base` up to `data_end`. The trees compare up to the
  // longest repeat the format has, so while more input is to come, at
  // least that many bytes must follow every position entered.
  void SetData(const uint8_t* data, int64_t base, int64_t data_end) {
    data_ = data;
    base_ = base;
    data_end_ = data_end;
  }

  // Lists matches at `pos` no longer than `limit`, longer ones at larger
  // distances only, into `out` (ascending length); returns how many. Sets
  // `pair_distance` to the nearest distance (at most 256) of the next two
  // bytes, or 0. Then enters `pos` for later searches.
  int Find(int64_t pos, int limit, Match* out, int* pair_distance);
  // Enters `pos` without listing matches.
  void Insert(int64_t pos) { Walk(pos, 0, nullptr); }

  static constexpr int kMaxMatches = 520;

 private:
  static constexpr int kHashBits = 15;
  // Tree nodes live in a ring twice the largest window, so that no node a
  // search can reach has its slot taken by the position being entered.
  static constexpr int kRing = 8192;
  static constexpr int kPairReach = 256;

  unsigned Hash(const uint8_t* p) const;
  const uint8_t* At(int64_t pos) const { return data_ + (pos - base_); }
  uint32_t& Smaller(uint32_t tag) { return smaller_[(tag - 1) & (kRing - 1)]; }
  uint32_t& Larger(uint32_t tag) { return larger_[(tag - 1) & (kRing - 1)]; }
  // Makes `pos` the root of its tree, splitting the old tree into the
  // positions whose bytes sort before it and after it; lists the matches
  // met on the way into `out` when it is not null.
  int Walk(int64_t pos, int limit, Match* out);

  int window_;
  int max_chain_;
  // The last position whose walk began at the position just before it, and
  // how far the two agreed.
  int64_t run_pos_ = -2;
  int run_length_ = 0;
  const uint8_t* data_ = nullptr;
  int64_t base_ = 0;
  int64_t data_end_ = 0;
  // Positions are kept as (stream offset + 1) modulo 2^32, 0 for none: a
  // distance is then the difference. Every length is measured on the bytes
  // themselves, so even a wrapped stale entry can only cost a look.
  std::vector<uint32_t> root_;
  std::vector<uint32_t> smaller_;
  std::vector<uint32_t> larger_;
  std::vector<uint32_t> last_pair_;
};

}  // namespace dcl
