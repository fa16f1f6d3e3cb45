# Shared by the uninstaller's end-to-end script (sourced): the state of a
# Wine prefix as lines that two moments can be compared by.
#
# vt_snapshot FILE: stops the Wine server (its registry files are written
# when it ends) and writes to FILE one line a file or folder under drive C
# ("file PATH SIZE", "dir PATH"), one a registry key ("key HIVE\KEY") and
# one a value ("value HIVE\KEY NAME=DATA"), sorted, paths in small letters.
# What Windows itself changes meanwhile is left out: the temporary folders,
# Wine's own keys, the hardware it finds anew at each start (display,
# sound devices) and the times the registry files carry.
vt_snapshot() {
  local out=$1
  vt_stop
  {
    (cd "$(vt_drive_c)" && find . \( -ipath './windows/temp' -o -ipath './users/*/temp' \) -prune -o \
      \( -type d -printf 'dir %p\n' \) -o \( -type f -printf 'file %p %s\n' \))
    local pair
    for pair in user.reg:hkcu system.reg:hklm; do
      awk -v hive="${pair#*:}" '
        /^\[/ { key = $0; sub(/^\[/, "", key); sub(/\][^\]]*$/, "", key); gsub(/\\\\/, "\\", key)
                key = hive "\\" key; print "key " key; next }
        /^#/ || /^$/ || /^WINE REGISTRY/ || /^;;/ { next }
        key != "" { print "value " key " " $0 }' "$WINEPREFIX/${pair%%:*}"
    done
  } | tr 'A-Z' 'a-z' | grep -v -e 'software\\wine' -e '^[a-z]* hklm\\system\\' -e 'mmdevices' | LC_ALL=C sort >"$out"
  vt_start
}

# vt_snapshot_diff BEFORE AFTER: the lines that differ, "- " gone and
# "+ " new.
vt_snapshot_diff() {
  diff "$1" "$2" | sed -n -e 's/^< /- /p' -e 's/^> /+ /p'
}
