# objdump's output, read for scripts/check-cpu.sh (POSIX awk: Debian's
# default awk is mawk). Two jobs, chosen with -v mode=:
#
# mode=symbols: objdump -h -t -C of the unstripped build on stdin; prints
#   "ADDRESS RANK SECTION NAME" for each global or static symbol of a code
#   section, ADDRESS in decimal (COFF keeps it relative to its section),
#   RANK 0 for a section's own symbol and 1 for a name, so that a name
#   sorted after a section symbol at the same address wins the lookup.
#
# mode=check: objdump -h -d -C --insn-width=16 of FILE; prints one line a
#   fault (at most max of them, 0: all) and the verdict, and exits 1 when
#   there were faults. Also takes cpu and symfile (the sorted output of
#   mode=symbols, or an empty file to go by objdump's own labels), and from
#   the environment (where awk leaves backslashes alone) the file's name as
#   VT_CPU_FILE and the rules of check-cpu.sh as VT_CPU_RULES.

function hex(s,   v, i) {
  v = 0
  s = tolower(s)
  sub(/^0x/, "", s)
  for (i = 1; i <= length(s); i++)
    v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
  return v
}

function trim(s) {
  gsub(/^[ \t]+|[ \t]+$/, "", s)
  return s
}

# A section's own symbol names no function. GCC gives a function a section
# of its own (.text$NAME for COMDAT, .text.unlikely.NAME for a cold part),
# and where the library was built without local symbols that section's
# symbol is the only name there is.
function function_name(label) {
  sub(/\+0x[0-9a-f]+$/, "", label)
  if (label ~ /^\.text([.](unlikely|startup|hot|exit))?$/) return "?"
  if (!sub(/^\.text\$/, "", label) && !sub(/^\.text\.(unlikely|startup|hot|exit)\./, "", label))
    sub(/^\.text\./, "", label)
  return label ~ /^(\.|$)/ ? "?" : label
}

function is_ctor_list(name) { return name ~ /^_*CTOR_LIST__$/ }

# --- mode=symbols -----------------------------------------------------------

mode == "symbols" && $1 ~ /^[0-9]+$/ && $7 ~ /^2\*\*/ {
  header = $1 + 1
  sec_name[header] = $2
  sec_vma[header] = hex($4)
  next
}
mode == "symbols" && header && /CODE/ { code[header] = 1 }
mode == "symbols" { header = 0 }
mode == "symbols" && /^\[ *[0-9]+\]\(sec +[0-9]+\)/ && /\(scl +[23]\)/ {
  line = $0
  sub(/^\[ *[0-9]+\]\(sec +/, "", line)
  sec = line + 0
  if (!(sec in code)) next
  sub(/^.*\(nx [0-9]+\) /, "", line)
  value = line
  sub(/ .*/, "", value)
  sym = line
  sub(/^[^ ]+ /, "", sym)
  printf "%.0f\t%d\t%s\t%s\n", sec_vma[sec] + hex(value), function_name(sym) != "?", sec_name[sec], sym
  next
}
mode == "symbols" { next }

# --- mode=check -------------------------------------------------------------

BEGIN {
  file = ENVIRON["VT_CPU_FILE"]
  who = (cpu == "i486") ? "a 486" : "a Pentium"
  nlines = split(ENVIRON["VT_CPU_RULES"], lines, "\n")
  for (i = 1; i <= nlines; i++) {
    if (lines[i] ~ /^[ \t]*(#|$)/) continue
    split(lines[i], f, ";")
    if (trim(f[1]) == "i486" && cpu != "i486") continue
    nrules++
    rule_key[nrules] = trim(f[2])
    rule_field[nrules] = trim(f[3])
    rule_re[nrules] = trim(f[4])
    rule_why[nrules] = trim(f[5])
  }
  if (mode == "check" && symfile != "") {
    while ((getline line < symfile) > 0) {
      split(line, f, "\t")
      nsyms++
      sym_addr[nsyms] = f[1] + 0
      sym_sec[nsyms] = f[3]
      sym_name[nsyms] = f[4]
      if (is_ctor_list(f[4])) { ctor_sec = f[3]; ctor_addr = f[1] + 0 }
    }
    close(symfile)
  }
  for (i = split("26 2e 36 3e 64 65 66 67 f0 f2 f3", p, " "); i > 0; i--) prefix_byte[p[i]] = 1
  for (i = split("lock rep repz repnz repe repne data16 data32 addr16 addr32 cs ds es ss fs gs notrack bnd xacquire xrelease", p, " "); i > 0; i--)
    prefix_word[p[i]] = 1
}

# The function holding ADDR in SECTION, by the unstripped build's symbols:
# the last symbol at or below it, if it is in the same section.
function symbol_at(addr, section,   lo, hi, mid) {
  lo = 1; hi = nsyms
  if (hi == 0 || sym_addr[1] > addr) return "?"
  while (lo < hi) {
    mid = int((lo + hi + 1) / 2)
    if (sym_addr[mid] <= addr) lo = mid; else hi = mid - 1
  }
  return sym_sec[lo] == section ? function_name(sym_name[lo]) : "?"
}

mode == "check" && /^Disassembly of section / {
  section = $4
  sub(/:$/, "", section)
  sections++
  label = "?"
  in_tail = 0
  next
}

# With its own symbols the file says where the code ends: the constructor
# list, then data to the end of the section.
mode == "check" && section != "" && /^[0-9a-f]+ <.*>:$/ {
  label = $0
  sub(/^[0-9a-f]+ </, "", label)
  sub(/>:$/, "", label)
  if (is_ctor_list(label)) in_tail = 1
  label = function_name(label)
  next
}

mode == "check" && section != "" && /^ *[0-9a-f]+:\t/ {
  n = split($0, t, "\t")
  if (n < 3) next
  address = trim(t[1])
  sub(/:$/, "", address)
  if (nsyms && section == ctor_sec && !in_tail && hex(address) >= ctor_addr) in_tail = 1
  if (in_tail) next
  read++

  # The bytes after the prefixes, and the mnemonic after the prefix words.
  nb = split(t[2], b, " ")
  for (k = 1; k < nb && (b[k] in prefix_byte); k++) ;
  opcode = b[k] (k + 1 <= nb ? " " b[k + 1] : "") (k + 2 <= nb ? " " b[k + 2] : "")
  text = t[3]
  for (i = 4; i <= n; i++) text = text "\t" t[i]
  nw = split(text, w, " ")
  for (k = 1; k < nw && (w[k] in prefix_word); k++) ;
  mnemonic = w[k]
  if (mnemonic == "(bad)") next

  for (r = 1; r <= nrules; r++) {
    field = rule_field[r]
    if (field == "opcode") hit = opcode ~ rule_re[r]
    else if (field == "mnemonic") hit = mnemonic ~ rule_re[r]
    else if (field == "operands") hit = text ~ rule_re[r]
    else hit = opcode ~ /^0f / && opcode !~ rule_re[r]
    if (hit) break
  }
  if (!hit) next

  faults++
  key = rule_key[r] == "-" ? mnemonic : rule_key[r]
  if (!(key in count)) keys[++nkeys] = key
  count[key]++
  if (max == 0 || faults <= max) {
    where = nsyms ? symbol_at(hex(address), section) : label
    print file ": " mnemonic " in " where " at 0x" address " (" rule_why[r] ")"
  }
}

END {
  if (mode != "check") exit 0
  if (sections == 0) {
    print "FAIL: " file ": no executable section to read"
    exit 1
  }
  if (faults == 0) {
    print "ok: " file " (no instruction " who " lacks, " read + 0 " instructions read)"
    exit 0
  }
  if (max > 0 && faults > max)
    print "... and " faults - max " more (" faults " in all)"
  # The counts, most first.
  summary = ""
  for (i = 1; i <= nkeys; i++) {
    best = i
    for (j = i + 1; j <= nkeys; j++) if (count[keys[j]] > count[keys[best]]) best = j
    k = keys[i]; keys[i] = keys[best]; keys[best] = k
    summary = summary (i > 1 ? ", " : "") keys[i] " " count[keys[i]]
  }
  print "FAIL: " file ": " faults " instruction" (faults == 1 ? "" : "s") " " who " lacks (" summary ")"
  exit 1
}
