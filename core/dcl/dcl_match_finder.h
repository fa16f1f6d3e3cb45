// Finds, for each position of the input, the nearest earlier occurrence of
// every match length the window offers: hash chains over three bytes for
// repeats of 3 and more, and a table of the last place of every byte pair
// for repeats of 2 (which the format allows only within 256 bytes).
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
  // `max_chain`: positions visited per search at most; 0 for all.
  MatchFinder(int window, int max_chain);

  // Positions are absolute stream offsets; `data` holds the bytes from
  // absolute offset `base` up to `data_end`.
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
  // Enters `pos` without searching.
  void Insert(int64_t pos);

  static constexpr int kMaxMatches = 520;

 private:
  static constexpr int kHashBits = 15;
  static constexpr int kRing = 4096;
  static constexpr int kPairReach = 256;

  unsigned Hash(const uint8_t* p) const;
  const uint8_t* At(int64_t pos) const { return data_ + (pos - base_); }

  int window_;
  int max_chain_;
  // Where the run of equal bytes that ends at the last entered position
  // began: inside a run every nearer repeat of the run gives the same
  // length, so the search steps over the whole run at once.
  int64_t last_entered_ = -2;
  int64_t run_start_ = 0;
  const uint8_t* data_ = nullptr;
  int64_t base_ = 0;
  int64_t data_end_ = 0;
  // Positions are kept as (stream offset + 1) modulo 2^32, 0 for none: a
  // distance is then the difference, and since every candidate's bytes are
  // compared before use, a wrapped stale entry can only cost a look.
  std::vector<uint32_t> head_;
  std::vector<uint32_t> prev_;
  std::vector<uint32_t> last_pair_;
};

}  // namespace dcl
