# The checks of the test scripts (sourced): each prints an "ok:" or a
# "FAIL:" line, and a failure sets fail to 1 (the script's exit code).
fail=0
check() { # DESCRIPTION EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok: $1 ($3)"
  else
    echo "FAIL: $1: expected '$2', got '$3'"
    fail=1
  fi
}

# check_log FILE TEXT DESCRIPTION: the developer log holds TEXT.
check_log() {
  if grep -qF -- "$2" "$1" 2>/dev/null; then
    echo "ok: $3"
  else
    echo "FAIL: $3: '$2' not in $1"
    fail=1
  fi
}
