// The tree steps the programs we ship use for std::map (crt/rb_tree.cpp,
// linked into this test in place of the library's), under the sanitizers.
#include <gtest/gtest.h>

#include "tests/crt/map_workout.h"

TEST(RbTree, StaysBalancedThroughRandomInsertsAndErases) {
  // Few keys: many updates and erases of what is not there; many keys: a
  // deep tree.
  const struct {
    unsigned seed;
    int steps;
    size_t keys;
  } runs[] = {{1, 2000, 4}, {2, 5000, 40}, {3, 30000, 700}, {4, 30000, 20000}};
  for (const auto& r : runs) {
    const MapWorkout w = RunMapWorkout(r.seed, r.steps, r.keys);
    EXPECT_TRUE(w.sound) << "seed " << r.seed;
    EXPECT_TRUE(w.same) << "seed " << r.seed;
    EXPECT_TRUE(w.emptied) << "seed " << r.seed;
  }
}

TEST(RbTree, OrderedInsertsAndErasesFromBothEnds) {
  std::map<int, int> m;
  for (int i = 0; i < 1000; ++i) m[i] = i;   // rising: rotations to the left
  for (int i = -1; i > -1000; --i) m[i] = i;  // falling: to the right
  EXPECT_TRUE(SoundTree(m));
  EXPECT_EQ(m.begin()->first, -999);
  EXPECT_EQ(m.rbegin()->first, 999);
  for (int i = 0; i < 600; ++i) {
    m.erase(std::prev(m.end()));
    m.erase(m.begin());
    ASSERT_TRUE(SoundTree(m)) << i;
  }
  EXPECT_EQ(m.size(), 799u);
  EXPECT_EQ(m.begin()->first, -399);
  EXPECT_EQ(m.rbegin()->first, 399);
}
