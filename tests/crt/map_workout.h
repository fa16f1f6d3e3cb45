// A workout for the red-black tree steps behind std::map (crt/rb_tree.cpp):
// random inserts and erases against a plain table, with the tree's
// invariants read from its nodes as it goes. Used by the runtime's test
// under Wine and by a native test under the sanitizers.
#pragma once
#include <cstddef>
#include <iterator>
#include <map>
#include <vector>

// The red-black invariants, read from the nodes: the root is black and
// hangs from the header, no red node has a red child, every path has as
// many black nodes, each child points back at its parent, and the header
// knows both ends.
inline bool SoundTree(const std::map<int, int>& m) {
  if (m.empty()) return m.begin() == m.end();
  auto* header = const_cast<std::_Rb_tree_node_base*>(m.end()._M_node);
  std::_Rb_tree_node_base* root = header->_M_parent;
  if (root->_M_color != std::_S_black || root->_M_parent != header) return false;
  if (header->_M_left != m.begin()._M_node || header->_M_right != std::prev(m.end())._M_node) return false;
  int blackHeight = -1;
  bool ok = true;
  auto walk = [&](auto&& self, std::_Rb_tree_node_base* n, int blacks) -> void {
    if (!n) {
      if (blackHeight < 0) blackHeight = blacks;
      ok &= blackHeight == blacks;
      return;
    }
    const bool black = n->_M_color == std::_S_black;
    if (!black)
      ok &= (!n->_M_left || n->_M_left->_M_color == std::_S_black) &&
            (!n->_M_right || n->_M_right->_M_color == std::_S_black);
    if (n->_M_left) ok &= n->_M_left->_M_parent == n;
    if (n->_M_right) ok &= n->_M_right->_M_parent == n;
    self(self, n->_M_left, blacks + black);
    self(self, n->_M_right, blacks + black);
  };
  walk(walk, root, 0);
  return ok;
}

struct MapWorkout {
  bool sound = true;     // the invariants held at every look
  bool same = false;     // the map held the table's entries, in order, both ways
  bool emptied = false;  // erasing from the start left an empty, sound map
};

// STEPS random operations on keys 0 to KEYS-1: two inserts (or updates) to
// one erase, which may find nothing.
inline MapWorkout RunMapWorkout(unsigned seed, int steps, size_t keys) {
  MapWorkout w;
  std::map<int, int> m;
  std::vector<int> in(keys, -1);
  for (int step = 0; step < steps; ++step) {
    seed = seed * 1103515245u + 12345u;
    const int key = static_cast<int>((seed >> 8) % keys);
    if ((seed >> 20) % 3) {
      m[key] = step;
      in[key] = step;
    } else {
      m.erase(key);
      in[key] = -1;
    }
    if (step % 37 == 0) w.sound &= SoundTree(m);
  }
  w.sound &= SoundTree(m);
  bool same = true;
  auto it = m.begin();
  for (size_t k = 0; k < keys && same; ++k) {
    if (in[k] < 0) continue;
    same = it != m.end() && it->first == static_cast<int>(k) && it->second == in[k];
    ++it;
  }
  size_t back = 0;
  for (auto r = m.rbegin(); r != m.rend(); ++r) ++back;
  w.same = same && it == m.end() && back == m.size();
  while (!m.empty()) m.erase(m.begin());
  w.emptied = SoundTree(m) && m.begin() == m.end() && m.size() == 0;
  return w;
}
