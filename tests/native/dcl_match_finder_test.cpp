// The match finder against a search of every distance: for each position
// it must list, for every length, the nearest place that reaches it, across
// runs, periodic data, hash collisions and many times round its ring.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/dcl/dcl_codes.h"
#include "core/dcl/dcl_match_finder.h"
#include "dcl_test_support.h"

using namespace dcl;

namespace {

std::vector<uint8_t> Mixed(size_t size) {
  std::mt19937 rng(7);
  std::vector<uint8_t> text = dcltest::Text(size);
  std::vector<uint8_t> out;
  while (out.size() < size) {
    switch (rng() % 4) {
      case 0: out.insert(out.end(), 1 + rng() % 700, uint8_t(rng() % 3)); break;  // runs
      case 1: {  // a short period repeated past the longest match
        std::vector<uint8_t> unit(1 + rng() % 5);
        for (auto& b : unit) b = uint8_t('a' + rng() % 2);
        for (int k = 0; k < 150; ++k) out.insert(out.end(), unit.begin(), unit.end());
        break;
      }
      default: {
        size_t at = rng() % (size - 400);
        out.insert(out.end(), text.begin() + at, text.begin() + at + 1 + rng() % 400);
      }
    }
  }
  out.resize(size);
  return out;
}

void ExpectNearestOfEveryLength(const std::vector<uint8_t>& data, int window) {
  MatchFinder finder(window, 0);
  finder.SetData(data.data(), 0, int64_t(data.size()));
  std::vector<Match> got(MatchFinder::kMaxMatches);
  const int64_t size = int64_t(data.size());
  for (int64_t pos = 0; pos < size; ++pos) {
    const int limit = int(std::min<int64_t>(kMaxMatch, size - pos));
    int pair = 0;
    const int n = finder.Find(pos, limit, got.data(), &pair);

    std::vector<Match> want;
    int want_pair = 0;
    int best = 2;
    for (int64_t d = 1; d <= std::min<int64_t>(window, pos); ++d) {
      int len = 0;
      while (len < limit && data[pos + len] == data[pos - d + len]) ++len;
      if (!want_pair && d <= 256 && len >= 2) want_pair = int(d);
      if (len > best) {
        best = len;
        want.push_back(Match{len, int(d)});
      }
    }
    ASSERT_EQ(pair, want_pair) << "at " << pos;
    ASSERT_EQ(n, int(want.size())) << "at " << pos;
    for (int k = 0; k < n; ++k) {
      ASSERT_EQ(got[k].length, want[k].length) << "at " << pos << " match " << k;
      ASSERT_EQ(got[k].distance, want[k].distance) << "at " << pos << " match " << k;
    }
  }
}

}  // namespace

TEST(DclMatchFinder, ListsTheNearestPlaceOfEveryLength) {
  const auto data = Mixed(24000);
  ExpectNearestOfEveryLength(data, 4096);
  ExpectNearestOfEveryLength(data, 1024);
}
