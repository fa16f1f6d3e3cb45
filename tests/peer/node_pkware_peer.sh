#!/usr/bin/env bash
# Round trips with an independent implementation of the implode format,
# the npm package node-pkware (5.x), in all six modes and both directions:
# its decoder reads what our encoder writes, and ours reads what its
# encoder writes. The package goes into the build tree, never globally.
#   node_pkware_peer.sh DCLRAW WORKDIR
set -uo pipefail
dclraw=$1
work=$2
peer=$work/node-pkware
mkdir -p "$peer"

if [ ! -x "$peer/node_modules/.bin/implode" ]; then
  if ! command -v npm >/dev/null; then
    echo "SKIP: npm is not installed"; exit 77
  fi
  if ! timeout 180 npm install --prefix "$peer" --no-audit --no-fund --no-save node-pkware@5 >"$peer/npm.log" 2>&1; then
    if ! timeout 30 npm ping >/dev/null 2>&1; then
      echo "SKIP: npm cannot reach the registry to install node-pkware"; exit 77
    fi
    cat "$peer/npm.log"; echo "FAIL: npm install node-pkware@5 failed"; exit 1
  fi
fi
implode=$peer/node_modules/.bin/implode
explode=$peer/node_modules/.bin/explode

samples=$work/samples
mkdir -p "$samples"
# Text, machine code, random bytes, zeros, and a few bytes.
if ls /usr/share/common-licenses/GPL-3 >/dev/null 2>&1; then
  cat /usr/share/common-licenses/GPL-3 /usr/share/common-licenses/Apache-2.0 > "$samples/text" 2>/dev/null
else
  for i in $(seq 1 3000); do echo "line $i of the setup text, with words that repeat $((i % 17))"; done > "$samples/text"
fi
head -c 300000 "$(command -v bash)" > "$samples/code"
head -c 100000 /dev/urandom > "$samples/random"
head -c 70000 /dev/zero > "$samples/zeros"
printf 'abc' > "$samples/tiny"

failed=0
check() { # description, command...
  local what=$1; shift
  if ! "$@" >"$work/last.log" 2>&1; then
    echo "FAIL: $what"; cat "$work/last.log"; failed=1; return 1
  fi
}
for f in text code random zeros tiny; do
  for lit in binary ascii; do
    for dict in 1024 2048 4096; do
      case $dict in 1024) size=small ;; 2048) size=medium ;; 4096) size=large ;; esac
      in=$samples/$f
      ours=$work/$f.$lit.$dict.ours
      theirs=$work/$f.$lit.$dict.theirs
      check "our encoder, $f $lit $dict" "$dclraw" encode $lit $dict "$in" "$ours" || continue
      check "node-pkware explode of our $f $lit $dict" "$explode" "$ours" --output="$ours.out" || continue
      check "node-pkware reads our $f $lit $dict back unchanged" cmp "$in" "$ours.out" || continue
      check "node-pkware implode, $f $lit $dict" "$implode" "$in" --$lit --$size --output="$theirs" || continue
      check "our decoder on node-pkware's $f $lit $dict" "$dclraw" decode "$theirs" "$theirs.out" || continue
      check "we read node-pkware's $f $lit $dict back unchanged" cmp "$in" "$theirs.out" || continue
      echo "ok   $f $lit $dict: ours $(stat -c %s "$ours") bytes, node-pkware $(stat -c %s "$theirs") bytes"
    done
  done
done
[ $failed -eq 0 ] && echo "all round trips agree"
exit $failed
