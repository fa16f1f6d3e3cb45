# What the vtpack command-line scripts share: run a command and check its
# exit code, look for a text in what it printed. Sourced; sets `failed`.
failed=0
expect() { # exit code, description, command...
  local want=$1 what=$2; shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  cat out.txt err.txt > all.txt  # a Windows build's messages may arrive on either
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: $what: exit $got, expected $want"; cat out.txt err.txt; failed=1
  fi
}
contains() { # file, text
  grep -qF -- "$2" "$1" || { echo "FAIL: '$2' missing from $1:"; cat "$1"; failed=1; }
}
lacks() { # file, text
  ! grep -qF -- "$2" "$1" || { echo "FAIL: '$2' unexpected in $1:"; cat "$1"; failed=1; }
}
check() { # description, command...: a plain condition that must hold
  local what=$1; shift
  "$@" || { echo "FAIL: $what"; failed=1; }
}
enter_work() { # folder: made afresh, with src/sub, and entered
  rm -rf "$1" && mkdir -p "$1/src/sub" && cd "$1" || exit 1
}
