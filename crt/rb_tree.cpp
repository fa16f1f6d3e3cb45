// The red-black tree steps behind std::map, which the standard headers
// leave to the prebuilt library (made for the Pentium Pro). Built here from
// the textbook algorithm, to the headers' conventions:
//   - the header node's parent is the root, its left the leftmost node and
//     its right the rightmost (the header itself in an empty tree);
//   - the root's parent is the header, and the header is red, which is how
//     a step back from end() tells the header from a node.
#include <bits/stl_tree.h>

namespace std {
namespace {
using Node = _Rb_tree_node_base;

bool IsRed(const Node* n) { return n && n->_M_color == _S_red; }
bool IsBlack(const Node* n) { return !IsRed(n); }

// Replaces FROM by TO in FROM's parent (or as the root).
void Replace(Node* from, Node* to, Node*& root) {
  if (from == root)
    root = to;
  else if (from == from->_M_parent->_M_left)
    from->_M_parent->_M_left = to;
  else
    from->_M_parent->_M_right = to;
}

void RotateLeft(Node* x, Node*& root) {
  Node* y = x->_M_right;
  x->_M_right = y->_M_left;
  if (y->_M_left) y->_M_left->_M_parent = x;
  y->_M_parent = x->_M_parent;
  Replace(x, y, root);
  y->_M_left = x;
  x->_M_parent = y;
}

void RotateRight(Node* x, Node*& root) {
  Node* y = x->_M_left;
  x->_M_left = y->_M_right;
  if (y->_M_right) y->_M_right->_M_parent = x;
  y->_M_parent = x->_M_parent;
  Replace(x, y, root);
  y->_M_right = x;
  x->_M_parent = y;
}

Node* Next(Node* x) {
  if (x->_M_right) {
    x = x->_M_right;
    while (x->_M_left) x = x->_M_left;
    return x;
  }
  Node* y = x->_M_parent;
  while (x == y->_M_right) {
    x = y;
    y = y->_M_parent;
  }
  // Past the rightmost node the climb ends at the header: end(). When the
  // root is the rightmost node, the climb goes round through the header
  // to the root; the header's right (the root) then equals y, and x, the
  // header, is the answer.
  return x->_M_right != y ? y : x;
}

Node* Previous(Node* x) {
  if (x->_M_color == _S_red && x->_M_parent->_M_parent == x) return x->_M_right;  // end()
  if (x->_M_left) {
    x = x->_M_left;
    while (x->_M_right) x = x->_M_right;
    return x;
  }
  Node* y = x->_M_parent;
  while (x == y->_M_left) {
    x = y;
    y = y->_M_parent;
  }
  return y;
}
}  // namespace

_Rb_tree_node_base* _Rb_tree_increment(_Rb_tree_node_base* x) throw() { return Next(x); }
const _Rb_tree_node_base* _Rb_tree_increment(const _Rb_tree_node_base* x) throw() {
  return Next(const_cast<Node*>(x));
}
_Rb_tree_node_base* _Rb_tree_decrement(_Rb_tree_node_base* x) throw() { return Previous(x); }
const _Rb_tree_node_base* _Rb_tree_decrement(const _Rb_tree_node_base* x) throw() {
  return Previous(const_cast<Node*>(x));
}

void _Rb_tree_insert_and_rebalance(const bool insertLeft, _Rb_tree_node_base* x, _Rb_tree_node_base* p,
                                   _Rb_tree_node_base& header) throw() {
  Node*& root = header._M_parent;
  x->_M_parent = p;
  x->_M_left = x->_M_right = nullptr;
  x->_M_color = _S_red;
  if (insertLeft) {
    p->_M_left = x;  // in an empty tree p is the header: x is also leftmost
    if (p == &header) {
      root = x;
      header._M_right = x;
    } else if (p == header._M_left) {
      header._M_left = x;
    }
  } else {
    p->_M_right = x;
    if (p == header._M_right) header._M_right = x;
  }

  while (x != root && IsRed(x->_M_parent)) {
    Node* parent = x->_M_parent;
    Node* grand = parent->_M_parent;
    if (parent == grand->_M_left) {
      Node* uncle = grand->_M_right;
      if (IsRed(uncle)) {
        parent->_M_color = uncle->_M_color = _S_black;
        grand->_M_color = _S_red;
        x = grand;
        continue;
      }
      if (x == parent->_M_right) {
        x = parent;
        RotateLeft(x, root);
        parent = x->_M_parent;
      }
      parent->_M_color = _S_black;
      grand->_M_color = _S_red;
      RotateRight(grand, root);
    } else {
      Node* uncle = grand->_M_left;
      if (IsRed(uncle)) {
        parent->_M_color = uncle->_M_color = _S_black;
        grand->_M_color = _S_red;
        x = grand;
        continue;
      }
      if (x == parent->_M_left) {
        x = parent;
        RotateRight(x, root);
        parent = x->_M_parent;
      }
      parent->_M_color = _S_black;
      grand->_M_color = _S_red;
      RotateLeft(grand, root);
    }
  }
  root->_M_color = _S_black;
}

_Rb_tree_node_base* _Rb_tree_rebalance_for_erase(_Rb_tree_node_base* const z,
                                                 _Rb_tree_node_base& header) throw() {
  Node*& root = header._M_parent;
  Node*& leftmost = header._M_left;
  Node*& rightmost = header._M_right;
  // y: the node that leaves its place (z, or z's successor when z has two
  // children); x: the child that takes y's place, perhaps none, below
  // xParent.
  Node* y = z;
  Node* x;
  Node* xParent;
  if (!z->_M_left) {
    x = z->_M_right;
  } else if (!z->_M_right) {
    x = z->_M_left;
  } else {
    y = z->_M_right;
    while (y->_M_left) y = y->_M_left;
    x = y->_M_right;
  }

  if (y != z) {
    // The successor y takes z's place, children and colour.
    z->_M_left->_M_parent = y;
    y->_M_left = z->_M_left;
    if (y != z->_M_right) {
      xParent = y->_M_parent;
      if (x) x->_M_parent = xParent;
      xParent->_M_left = x;
      y->_M_right = z->_M_right;
      z->_M_right->_M_parent = y;
    } else {
      xParent = y;
    }
    Replace(z, y, root);
    y->_M_parent = z->_M_parent;
    const _Rb_tree_color c = y->_M_color;
    y->_M_color = z->_M_color;
    z->_M_color = c;
    y = z;  // the colour to restore is the one y had
  } else {
    xParent = z->_M_parent;
    if (x) x->_M_parent = xParent;
    Replace(z, x, root);
    // z had at most one child, so it may have been an end of the order.
    if (leftmost == z) leftmost = z->_M_right ? _Rb_tree_node_base::_S_minimum(x) : z->_M_parent;
    if (rightmost == z) rightmost = z->_M_left ? _Rb_tree_node_base::_S_maximum(x) : z->_M_parent;
  }

  if (y->_M_color == _S_red) return y;
  // A black node left: x carries an extra black up until it can be given
  // to a red node or a rotation absorbs it.
  while (x != root && IsBlack(x)) {
    if (x == xParent->_M_left) {
      Node* w = xParent->_M_right;
      if (IsRed(w)) {
        w->_M_color = _S_black;
        xParent->_M_color = _S_red;
        RotateLeft(xParent, root);
        w = xParent->_M_right;
      }
      if (IsBlack(w->_M_left) && IsBlack(w->_M_right)) {
        w->_M_color = _S_red;
        x = xParent;
        xParent = xParent->_M_parent;
        continue;
      }
      if (IsBlack(w->_M_right)) {
        w->_M_left->_M_color = _S_black;
        w->_M_color = _S_red;
        RotateRight(w, root);
        w = xParent->_M_right;
      }
      w->_M_color = xParent->_M_color;
      xParent->_M_color = _S_black;
      if (w->_M_right) w->_M_right->_M_color = _S_black;
      RotateLeft(xParent, root);
      break;
    }
    Node* w = xParent->_M_left;
    if (IsRed(w)) {
      w->_M_color = _S_black;
      xParent->_M_color = _S_red;
      RotateRight(xParent, root);
      w = xParent->_M_left;
    }
    if (IsBlack(w->_M_right) && IsBlack(w->_M_left)) {
      w->_M_color = _S_red;
      x = xParent;
      xParent = xParent->_M_parent;
      continue;
    }
    if (IsBlack(w->_M_left)) {
      w->_M_right->_M_color = _S_black;
      w->_M_color = _S_red;
      RotateLeft(w, root);
      w = xParent->_M_left;
    }
    w->_M_color = xParent->_M_color;
    xParent->_M_color = _S_black;
    if (w->_M_left) w->_M_left->_M_color = _S_black;
    RotateRight(xParent, root);
    break;
  }
  if (x) x->_M_color = _S_black;
  return y;
}

unsigned int _Rb_tree_black_count(const _Rb_tree_node_base* node, const _Rb_tree_node_base* root) throw() {
  unsigned int n = 0;
  for (; node; node = node->_M_parent) {
    if (node->_M_color == _S_black) ++n;
    if (node == root) break;
  }
  return n;
}
}  // namespace std
