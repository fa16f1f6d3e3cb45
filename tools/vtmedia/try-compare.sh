#!/usr/bin/env bash
# try-compare.sh PLAN PREFIX: what an installation left in a Wine prefix
# against the plan of cfgcheck --plan (vtmedia try's last step). Files with
# their sizes, folders and shortcuts are looked for below the prefix's drive
# folders (each part of a path in any case, as Windows finds it); registry
# values and the status record are read from the prefix's registry files,
# which the Wine server writes when it ends (stop it first). Prints one line
# a planned item; exit 0 when everything matches, 1 otherwise.
set -uo pipefail
plan=$1 prefix=$2

# C:\x\y -> the host path, or nothing.
host_path() {
  local path=$1 dir part found
  [[ ${path:1:1} == : ]] || return 1
  dir=$prefix/dosdevices/${path:0:1}:
  dir=${dir,,}
  [ -e "$dir" ] || return 1
  IFS='\' read -r -a parts <<<"${path:3}"
  for part in "${parts[@]}"; do
    [ -n "$part" ] || continue
    found=$(find "$dir/" -maxdepth 1 -mindepth 1 -iname "$part" -print -quit 2>/dev/null)
    [ -n "$found" ] || return 1
    dir=$found
  done
  echo "$dir"
}

# The registry as lines KEY <TAB> NAME <TAB> VALUE: keys with their hive's
# full name and single backslashes, key and name in small letters, strings
# quoted and unescaped, numbers dword:XXXXXXXX, anything else as written.
registry() {
  local file hive
  for pair in "user.reg:hkey_current_user" "system.reg:hkey_local_machine"; do
    file=$prefix/${pair%%:*} hive=${pair#*:}
    [ -f "$file" ] || continue
    awk -v hive="$hive" '
      function unescape(s,   out, i, c) {
        out = ""
        for (i = 1; i <= length(s); i++) {
          c = substr(s, i, 1)
          if (c == "\\" && i < length(s)) { i++; c = substr(s, i, 1) }
          out = out c
        }
        return out
      }
      /^\[/ {
        key = $0; sub(/^\[/, "", key); sub(/\][^\]]*$/, "", key)
        gsub(/\\\\/, "\\", key)
        key = tolower(hive "\\" key); next
      }
      /^(@|")/ {
        line = $0
        if (line ~ /^@=/) { name = "@"; rest = substr(line, 3) }
        else {
          # the quoted name, its escapes skipped
          for (i = 2; i <= length(line); i++) {
            c = substr(line, i, 1)
            if (c == "\\") { i++; continue }
            if (c == "\"") break
          }
          name = unescape(substr(line, 2, i - 2)); rest = substr(line, i + 2)
        }
        if (rest ~ /^".*"$/) rest = "\"" unescape(substr(rest, 2, length(rest) - 2)) "\""
        else if (rest ~ /^str\([0-9]\):".*"$/) { sub(/^str\([0-9]\):/, "", rest); rest = "\"" unescape(substr(rest, 2, length(rest) - 2)) "\"" }
        printf "%s\t%s\t%s\n", key, tolower(name), rest
      }' "$file"
  done
}

# A plan's key in the registry lines' form.
reg_key() {
  local key=$1
  case ${key%%\\*} in
    HKCU) key=HKEY_CURRENT_USER\\${key#*\\} ;;
    HKLM) key=HKEY_LOCAL_MACHINE\\${key#*\\} ;;
    HKEY_CLASSES_ROOT | HKCR) key=HKEY_LOCAL_MACHINE\\Software\\Classes\\${key#*\\} ;;
  esac
  echo "${key,,}"
}

values=$(mktemp)
trap 'rm -f "$values"' EXIT
registry >"$values"
# reg_value KEY NAME: the value's data, or nothing (status 1).
reg_value() {
  # (Through the environment: awk -v would take the backslashes for escapes.)
  KEY=$(reg_key "$1") NAME=${2,,} awk -F'\t' '$1 == ENVIRON["KEY"] && $2 == ENVIRON["NAME"] { print $3; found = 1; exit }
                                              END { exit !found }' "$values"
}

ok=0 bad=0
say_ok() { ok=$((ok + 1)); printf '  ok        %s\n' "$1"; }
say_bad() { bad=$((bad + 1)); printf '  DIFFERS   %s\n' "$1"; }
# (Tabs are blanks to read, which would run empty fields together.)
while IFS=$'\037' read -r kind size disk path detail where; do
  [ "$kind" = total ] && continue
  # A Software item not offered as picked is not installed by a taker of defaults.
  if [[ $where == *" software" ]]; then printf '  (not picked) %s %s\n' "$kind" "$path"; continue; fi
  case $kind in
    file)
      host=$(host_path "$path") && [ -f "$host" ] || { say_bad "file $path is missing ($where)"; continue; }
      got=$(stat -c %s "$host")
      if [ "$got" = "$size" ]; then say_ok "file $path ($size bytes)"
      else say_bad "file $path has $got bytes, the plan $size ($where)"; fi ;;
    folder)
      if host=$(host_path "$path") && [ -d "$host" ]; then say_ok "folder $path"
      else say_bad "folder $path is missing ($where)"; fi ;;
    shortcut)
      if host=$(host_path "$path") && [ -f "$host" ]; then say_ok "shortcut $path"
      else say_bad "shortcut $path is missing ($where)"; fi ;;
    registry)
      name=${detail%%=*} want=${detail#*=}
      if ! got=$(reg_value "$path" "$name"); then say_bad "registry $path $name is missing ($where)"
      elif [ "$got" = "$want" ]; then say_ok "registry $path $detail"
      else say_bad "registry $path $name is $got, the plan $want ($where)"; fi ;;
    program) printf '  ran?      %s (its own installer: not compared)\n' "$path" ;;
    *) say_bad "a plan line of no known kind: $kind" ;;
  esac
done < <(tr '\t' '\037' <"$plan")

# The status record of a finished first installation: step 10, installed.
major=$(reg_value 'HKEY_CURRENT_USER\Software\CorvaneNetwork\Vantora\Status' Major)
major=${major#dword:}
if [ -n "$major" ] && (( (0x$major >> 16) == 10 && (0x$major & 2) )); then
  say_ok "status record: Major=0x$major (installed; the next run offers the maintenance choice)"
else
  say_bad "status record: Major=${major:+0x}${major:-missing}, not a finished installation (step 10, installed)"
fi
echo "vtmedia try: $ok as planned, $bad different"
[ $bad -eq 0 ]
