#!/usr/bin/env bash
# Checks that 32-bit Windows programs run on the processors our users have:
# the Pentium (P5), Pentium MMX, AMD K5 and K6, Cyrix 6x86 and, with
# --cpu i486, the 486. Debian's MinGW compiles for the Pentium Pro, and Wine
# runs whatever the host runs, so a conditional move or an SSE instruction
# would only show on a customer's machine, as an invalid-opcode fault. This
# reads every instruction of every executable section (any section the
# header marks as code or as executable, not only .text) and names each one
# such a CPU lacks, with the function that holds it.
#
#   check-cpu.sh [OPTIONS] FILE...
# Options:
#   --cpu i586|i486       the oldest processor to run on (default i586: the
#                         Pentium; i486 also refuses what the Pentium added)
#   --objdump PROG        the objdump to disassemble with (default the
#                         MinGW-w64 i686 one)
#   --symbols UNSTRIPPED  names the functions of a stripped FILE from its
#                         unstripped build (strip moves no code); one FILE
#   --max N               list at most N faults a file (default 40; 0: all)
#   -h, --help            this text
# Prints one line a fault ("FILE: MNEMONIC in FUNCTION at 0xADDRESS (why)"),
# "?" for the function when the file has no symbols, then "ok: FILE ..." or
# "FAIL: FILE: ...". The linker puts the constructor lists and exception
# tables after the code in .text; with symbols that data is left out, without
# them it is read as code and may show faults no CPU would ever meet.
# Exits 0 when every file passed, 1 when one did not, 2 on a bad command line.
set -uo pipefail

usage() { sed -n '2,/^set -uo/{/^set -uo/d;s/^# \{0,1\}//;p}' "$0"; }
die() { echo "check-cpu.sh: $*" >&2; exit 2; }

# What the oldest CPUs lack, one rule a line: LEVEL ; KEY ; FIELD ; REGEX ; WHY.
#   LEVEL  i586: refused for the Pentium and the 486; i486: for the 486 only
#   KEY    how the summary counts it: a family name, or - for the mnemonic
#   FIELD  what REGEX (extended, no intervals: mawk) is matched against:
#          opcode    the instruction's bytes after its prefixes, as objdump
#                    prints them ("0f 45 c8"); the bytes, not objdump's name,
#                    tell a long NOP ("nopw", "nopl", even "nop %eax") from
#                    the one-byte nop
#          mnemonic  objdump's name, without lock/rep/segment prefixes
#          operands  the whole instruction text (register names)
#          0f-outside  any 0F opcode that REGEX does not match
#   WHY    said after each fault
# The first rule that matches names the fault. Allowed on purpose: UD2
# (0F 0B), UD1 (0F B9) and UD0 (0F FF), which fault on every CPU as they are
# meant to; PAUSE (F3 90), a plain NOP before the Pentium 4; and TZCNT
# (F3 0F BC), which GCC writes as "rep bsf" because an older CPU ignores the
# prefix and runs BSF, the same for the non-zero inputs GCC uses it on.
RULES='
# Pentium Pro and later: conditional moves (GCC uses them all over for
# -march=i686), the x87 conditional moves, and the x87 compares that set
# EFLAGS (FCOMI, FCOMIP, FUCOMI, FUCOMIP).
i586 ; cmov  ; opcode   ; ^0f 4                    ; conditional move: Pentium Pro and later
i586 ; fcmov ; opcode   ; ^d[ab] [cd]              ; x87 conditional move: Pentium Pro and later
i586 ; -     ; opcode   ; ^d[bf] (e[89a-f]|f[0-7]) ; x87 compare into EFLAGS: Pentium Pro and later
# Pentium Pro and later: the hint NOPs 0F 18..1F, among them the long NOP
# 0F 1F that GCC and gas pad with, the SSE prefetches, MPX and ENDBR32.
i586 ; -     ; opcode   ; ^0f 1[89a-f]             ; long NOP, prefetch or hint: Pentium Pro and later
# Pentium Pro and Pentium MMX: RDPMC. Pentium II: SYSENTER, SYSEXIT. AMD K6
# (late models) and Athlon: SYSCALL, SYSRET.
i586 ; -     ; opcode   ; ^0f (0[57]|3[3-5])       ; system call or counter: Pentium Pro, K6 and later
# MMX (Pentium MMX, AMD K6, Cyrix 6x86MX; not the Pentium, K5 or 6x86): any
# MMX register, and the MMX opcode rows 0F 60..7F and 0F D0..FE (EMMS is
# 0F 77; 0F FF is UD0).
i586 ; -     ; operands ; %mm[0-7]                 ; MMX: Pentium MMX, K6 and later
i586 ; -     ; opcode   ; ^0f ([67].|[de].|f[0-9a-e]) ; MMX: Pentium MMX, K6 and later
# 3DNow! (AMD K6-2 and later): PREFETCH, PREFETCHW, FEMMS and the 0F 0F row.
i586 ; -     ; opcode   ; ^0f 0[d-f]               ; 3DNow!: K6-2 and later
# SSE, SSE2 and everything after (Pentium III, Pentium 4, Athlon XP on): any
# XMM, YMM or ZMM register (VEX and EVEX forms too); the SSE rows 0F 10..17,
# 28..2F, 50..5F, C2..C6 (MOVNTI has no XMM register); 0F AE (FXSAVE and
# FXRSTOR of the Pentium II, LDMXCSR, STMXCSR, the fences, CLFLUSH, XSAVE);
# POPCNT 0F B8; the three-byte maps 0F 38 and 0F 3A; RDRAND, RDSEED and
# VMX of 0F C7 /6 and /7; the register forms of 0F 01 (MONITOR, MWAIT,
# XGETBV, RDTSCP, VMX, SVM), which are no LGDT and the like.
i586 ; -     ; operands ; %[xyz]mm[0-9]            ; SSE: Pentium III and later
i586 ; -     ; opcode   ; ^0f (1[0-7]|2[89a-f]|5.|ae|b8|c[2-6]|3[8a]) ; SSE: Pentium III and later
i586 ; -     ; opcode   ; ^0f c7 [37bf].           ; SSE era: Pentium 4 and later
i586 ; -     ; opcode   ; ^0f 01 (c.|d.|e[89a-f]|f[89a-f]) ; SSE era: Pentium 4 and later
# Later still, with no telling operand: SSE3 FISTTP, LZCNT (an older CPU
# runs it as BSR, with another answer), BMI on general registers, VZERO*.
i586 ; -     ; mnemonic ; ^(fisttp[a-z]*|lzcnt|andn|bextr|blsi|blsmsk|blsr|bzhi|mulx|pdep|pext|rorx|sarx|shlx|shrx|vzeroall|vzeroupper)$ ; SSE era: Pentium 4 and later
# Anything else of the two-byte map that the Pentium does not have. It has
# 0F 00..03, 06, 08, 09, 0B, 20..23, 30..32, 80..BF but for A6, A7, AE and
# B8, then C0, C1, C7, C8..CF and FF (UD0).
i586 ; -     ; 0f-outside ; ^0f (0[0-3689b]|2[0-3]|3[0-2]|[89].|a[0-589a-df]|b[0-79a-f]|c[017-9a-f]|ff) ; not a Pentium instruction
# What the Pentium brought and the 486 lacks: WRMSR, RDTSC, RDMSR, CPUID
# (only the last 486 models have it), RSM, CMPXCHG8B and CR4.
i486 ; -     ; opcode   ; ^0f (3[0-2]|a2|aa)       ; Pentium and later, not on a 486
i486 ; -     ; mnemonic ; ^cmpxchg8b$              ; Pentium and later, not on a 486
i486 ; -     ; operands ; %cr4                     ; Pentium and later, not on a 486
'

cpu=i586
objdump=i686-w64-mingw32-objdump
symbols=
max=40
files=()
while [ $# -gt 0 ]; do
  case $1 in
    --cpu)     [ $# -ge 2 ] || die "--cpu needs a value"; cpu=$2; shift 2 ;;
    --objdump) [ $# -ge 2 ] || die "--objdump needs a value"; objdump=$2; shift 2 ;;
    --symbols) [ $# -ge 2 ] || die "--symbols needs a file"; symbols=$2; shift 2 ;;
    --max)     [ $# -ge 2 ] || die "--max needs a number"; max=$2; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    --)        shift; files+=("$@"); break ;;
    -*)        die "unknown option '$1' (see --help)" ;;
    *)         files+=("$1"); shift ;;
  esac
done
[ ${#files[@]} -gt 0 ] || die "no file named (see --help)"
case $cpu in i586|i486) ;; *) die "--cpu '$cpu' is neither i586 nor i486" ;; esac
[[ $max =~ ^[0-9]+$ ]] || die "--max '$max' is not a number"
[ -z "$symbols" ] || [ ${#files[@]} -eq 1 ] ||
  die "--symbols is the unstripped build of one FILE; name one FILE with it"
command -v "$objdump" >/dev/null || die "no objdump '$objdump' (see --objdump)"

# Names objdump could not demangle (those of the sections that GCC gives a
# function of its own) go through the c++filt of the same toolchain. The
# names carry no leading underscore by then, whatever the target's habit.
cxxfilt=
if [[ $objdump == *objdump ]] && command -v "${objdump%objdump}c++filt" >/dev/null; then
  cxxfilt=${objdump%objdump}c++filt
elif command -v c++filt >/dev/null; then
  cxxfilt=c++filt
fi
demangle() { if [ -n "$cxxfilt" ]; then "$cxxfilt" -n; else cat; fi; }

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# code_sections: from objdump -h output on stdin, "NAME VMA SIZE" of each
# section marked code, one a line: what strip must leave as it was.
code_sections() {
  awk '/^(Disassembly of|SYMBOL TABLE)/ { exit }
       $1 ~ /^[0-9]+$/ && $7 ~ /^2\*\*/ { name = $2 " " $4 " " $3; next }
       name != "" && /CODE/ { print name }
       { name = "" }'
}

# symbol_table: the symbols of an unstripped PE file (objdump -h -t -C on
# stdin) in the order check-cpu.awk looks them up in.
symbol_table() {
  awk -v mode=symbols -f "$here/check-cpu.awk" | sort -t "$(printf '\t')" -k1,1n -k2,2n
}

# check_file FILE: prints its faults and verdict; fails when it has faults.
check_file() {
  local file=$1 format
  if [ ! -f "$file" ]; then
    echo "FAIL: $file: no such file"
    return 1
  fi
  # -d reads every section that objdump marks CODE, which for a PE file is
  # one whose header says it holds code or may be executed: a section named
  # anything, and marked executable only, is read all the same. One
  # instruction a line (16 bytes, more than any instruction has).
  if ! "$objdump" -h -d -C --insn-width=16 "$file" >"$work/dis" 2>"$work/err"; then
    echo "FAIL: $file: $objdump cannot read it: $(head -n 1 "$work/err")"
    return 1
  fi
  format=$(sed -nE '1,4s/.*file format ([^ ]+).*/\1/p' "$work/dis")
  case $format in
    pei-i386|pe-i386) ;;
    *) echo "FAIL: $file: file format ${format:-unknown}, not a 32-bit Windows program (pei-i386)"; return 1 ;;
  esac

  : >"$work/symbols"
  if [ -n "$symbols" ]; then
    if [ ! -f "$symbols" ]; then
      echo "FAIL: $file: no such file as $symbols to take its symbols from"
      return 1
    fi
    if ! "$objdump" -h -t -C "$symbols" >"$work/syms" 2>"$work/err"; then
      echo "FAIL: $file: $objdump cannot read $symbols: $(head -n 1 "$work/err")"
      return 1
    fi
    if [ "$(code_sections <"$work/syms")" != "$(code_sections <"$work/dis")" ]; then
      echo "FAIL: $file: $symbols is not this program before stripping (their code sections differ)"
      return 1
    fi
    symbol_table <"$work/syms" >"$work/symbols"
  fi

  VT_CPU_RULES=$RULES VT_CPU_FILE=$file awk -v mode=check -v cpu="$cpu" -v max="$max" \
    -v symfile="$work/symbols" -f "$here/check-cpu.awk" "$work/dis" | demangle
}

status=0
for file in "${files[@]}"; do
  check_file "$file" || status=1
done
exit $status
