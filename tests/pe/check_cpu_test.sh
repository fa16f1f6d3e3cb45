#!/usr/bin/env bash
# scripts/check-cpu.sh must name every kind of instruction a Pentium (or a
# 486) lacks, with the function holding it, and nothing else: otherwise a
# program with a conditional move would go out to a Pentium owner with a
# green test run, or a sound one would be held back.
#   check_cpu_test.sh OBJDUMP OBJCOPY FAULTS_EXE CLEAN_EXE
# FAULTS_EXE and CLEAN_EXE are tests/pe/cpu_faults.c, built without and with
# CPU_CLEAN_ONLY.
set -uo pipefail
[ $# -eq 4 ] || { echo "usage: $0 OBJDUMP OBJCOPY FAULTS_EXE CLEAN_EXE" >&2; exit 2; }
objdump=$1 objcopy=$2 faults=$3 clean=$4
checker=$(cd "$(dirname "$0")/../../scripts" && pwd)/check-cpu.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0 cases=0 what='' problems='' out='' rc=0

# finish: reports the case run last.
finish() {
  [ -n "$what" ] || return 0
  if [ -z "$problems" ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what:$problems"
    sed 's/^/    /' <<<"$out"
    fail=1
  fi
  what=
}

# run RC DESCRIPTION -- CHECK-CPU-ARGUMENTS...: a case; it fails unless the
# check exits RC. has and lacks then look at what it printed.
run() {
  local want_rc=$1
  finish
  what=$2 problems=''
  shift 3
  cases=$((cases + 1))
  out=$(bash "$checker" --objdump "$objdump" "$@" 2>&1)
  rc=$?
  [ "$rc" -eq "$want_rc" ] || problems+=" exit $rc, not $want_rc;"
}
has() {
  local text
  for text; do grep -qF -- "$text" <<<"$out" || problems+=" no '$text';"; done
}
lacks() {
  local text
  for text; do ! grep -qF -- "$text" <<<"$out" || problems+=" '$text' all the same;"; done
}

# Each function of the fixture and its one instruction a Pentium lacks.
pentium_faults=(
  "cmovne in HasCmov" "fcmovbe in HasFcmov" "fcomi in HasFcomi" "fucomip in HasFucomip"
  "nopw in HasLongNop" "nop in HasRegisterNop" "sysenter in HasSysenter" "rdpmc in HasRdpmc"
  "paddb in HasMmx" "emms in HasEmms" "addps in HasSse" "prefetchnta in HasPrefetch"
  "movnti in HasMovnti" "sfence in HasSfence" "clflush in HasClflush" "fxsave in HasFxsave"
  "ldmxcsr in HasLdmxcsr" "cmove in HasElsewhere")
i486_faults=("cpuid in HasCpuid" "rdtsc in HasRdtsc" "rdmsr in HasRdmsr" "wrmsr in HasWrmsr"
  "cmpxchg8b in HasCmpxchg8b")
np=${#pentium_faults[@]} n486=$((${#pentium_faults[@]} + ${#i486_faults[@]}))

run 1 "each instruction a Pentium lacks is named with its function, and nothing more" -- "$faults"
has "${pentium_faults[@]}" "FAIL: $faults: $np instructions a Pentium lacks (cmov 2, fcmov 1,"
lacks " in Clean " "cpuid" "rdtsc" "cmpxchg8b"

run 1 "for a 486, also what the Pentium brought" -- --cpu i486 "$faults"
has "${pentium_faults[@]}" "${i486_faults[@]}" "FAIL: $faults: $n486 instructions a 486 lacks"
lacks " in Clean "

run 1 "--max cuts the list and says how many more" -- --max 2 "$faults"
has "cmovne in HasCmov" "fcmovbe in HasFcmov" "... and $((np - 2)) more ($np in all)"
lacks "fcomi in HasFcomi"

run 0 "a program a Pentium and a 486 run passes" -- "$clean"
has "ok: $clean (no instruction a Pentium lacks,"
run 0 "... on a 486 too" -- --cpu i486 "$clean"
has "ok: $clean (no instruction a 486 lacks,"

# Stripped, the program no longer names its functions, nor says where its
# code ends: the exception-table bytes of the fixture then read as one more
# cmovne. Its unstripped build gives both back, line for line.
"$objcopy" --strip-all "$faults" "$work/stripped.exe" || { echo "FAIL: $objcopy cannot strip $faults"; exit 1; }
run 1 "a stripped program: the faults, in an unknown function" -- "$work/stripped.exe"
has "cmovne in ? at 0x" "cmove in ? at 0x" "$((np + 1)) instructions a Pentium lacks"
lacks "HasCmov"
run 1 "... named again from the unstripped build" -- --symbols "$faults" "$work/stripped.exe"
unstripped=$(bash "$checker" --objdump "$objdump" "$faults" 2>&1)
[ "${out//$work\/stripped.exe/$faults}" = "$unstripped" ] ||
  problems+=" not the unstripped program's report;"
run 1 "... but not from another program's" -- --symbols "$clean" "$work/stripped.exe"
has "$clean is not this program before stripping"

# A section the header marks executable, but not as holding code, is read
# all the same: Windows runs what is there. The section table follows the
# 4-byte signature, the 20-byte file header and the optional header; a
# section's flags are 36 bytes into its 40-byte entry.
cp "$faults" "$work/execute-only.exe"
patched=0
lfanew=$(od -An -t u4 -j 60 -N 4 "$work/execute-only.exe" | tr -d ' ')
count=$(od -An -t u2 -j $((lfanew + 6)) -N 2 "$work/execute-only.exe" | tr -d ' ')
optional=$(od -An -t u2 -j $((lfanew + 20)) -N 2 "$work/execute-only.exe" | tr -d ' ')
for ((i = 0; i < count; i++)); do
  entry=$((lfanew + 24 + optional + 40 * i))
  if [ "$(dd if="$work/execute-only.exe" bs=1 skip=$entry count=8 status=none | tr -d '\0')" = .vtcode ]; then
    # IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_MEM_READ, without IMAGE_SCN_CNT_CODE.
    printf '\000\000\000\140' | dd of="$work/execute-only.exe" bs=1 seek=$((entry + 36)) conv=notrunc status=none &&
      patched=1
  fi
done
run 1 "a section marked executable only is read too" -- "$work/execute-only.exe"
has "cmove in HasElsewhere"
[ "$patched" = 1 ] || problems+=" no section .vtcode in $faults to mark;"

run 1 "a missing file is refused" -- "$work/missing.exe"
has "FAIL: $work/missing.exe: no such file"
run 1 "a file that is no program is refused" -- "$checker"
has "cannot read it"
run 2 "an unknown option is refused" -- --fast "$faults"
has "unknown option '--fast'"
run 2 "an unknown processor is refused" -- --cpu i386 "$faults"
has "--cpu 'i386' is neither i586 nor i486"
run 2 "--symbols with more than one file is refused" -- --symbols "$faults" "$faults" "$clean"
has "name one FILE with it"
finish

echo "$cases cases"
exit $fail
