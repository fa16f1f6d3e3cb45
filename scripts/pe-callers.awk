# Reads `objdump -d -C` of a PE file and names the functions that call the
# imports asked for, so a fault says where to look:
#   awk -v want="4856ac=GetTickCount64 442568=@2" -f pe-callers.awk
# prints "symbols<TAB>1" (0 when the file has no symbols to name callers by)
# and, for each slot that has callers, "4856ac<TAB>GetTimeMs, sched_yield"
# (three at most, then "and N more").
#
# Code reaches an import through its IAT slot: "call *0x4856ac", a load
# "mov 0x4856ac,%ebp" then "call *%ebp", or on x86_64 the same through
# "0x6c61(%rip)  # 140008198 <...>". Or it calls the import library's
# thunk, a function named like the import whose first instruction is
# "jmp *slot" (for an import by ordinal, any name); then the callers are
# whoever calls the thunk. A function of ours that only tail-calls the
# import ("jmp *slot" alone) is named itself unless it bears the import's
# name. A reference is put down to the symbol before it, so code of a
# static function without a symbol of its own (the MinGW runtime has such)
# is put down to its neighbour.

BEGIN {
  FS = "\t"
  n = split(want, pair, " ")
  for (i = 1; i <= n; i++) {
    eq = index(pair[i], "=")
    slot = substr(pair[i], 1, eq - 1)
    import_name[slot] = substr(pair[i], eq + 1)
    order[i] = slot
  }
}

# Callers are named as people wrote them: without stdcall's "@16" and
# without the suffixes GCC gives split or cloned copies.
function plain(sym) {
  while (sub(/\.(cold|part|isra|constprop|lto_priv)(\.[0-9]+)?$/, "", sym)) ;
  sub(/@[0-9]+$/, "", sym)
  return sym
}
# A list of distinct names in the order met, SUBSEP between them (a C++
# name may hold ", ").
function add(list, item) {
  return index(SUBSEP list SUBSEP, SUBSEP item SUBSEP) ? list : (list == "" ? item : list SUBSEP item)
}

/^[0-9a-f]+ <.*>:$/ {
  symbol = $0
  sub(/^[0-9a-f]+ </, "", symbol)
  sub(/>:$/, "", symbol)
  symbol_at = $0
  sub(/ .*/, "", symbol_at)
  sub(/^0+/, "", symbol_at)
  first = 1
  if (symbol !~ /^\./) symbols = 1
  next
}

$3 != "" && /^ *[0-9a-f]+:\t/ {
  insn = $3
  # Prefixes objdump writes before the mnemonic: "rex.W jmp *...".
  sub(/^((rex(\.[A-Z]+)?|bnd|notrack|data16|addr32) +)+/, "", insn)
  # The slot the instruction reads, if it is one asked for.
  hit = ""
  if (match(insn, /# [0-9a-f]+ </)) {
    address = substr(insn, RSTART + 2, RLENGTH - 4)
    if (address in import_name) hit = address
  }
  rest = insn
  while (hit == "" && match(rest, /0x[0-9a-f]+/)) {
    address = substr(rest, RSTART + 2, RLENGTH - 2)
    if (address in import_name) hit = address
    rest = substr(rest, RSTART + RLENGTH)
  }
  if (hit != "") {
    name = import_name[hit]
    if (first && insn ~ /^jmp/ && (plain(symbol) == name || name ~ /^@/)) {
      thunk[symbol_at] = hit
    } else {
      direct[hit] = add(direct[hit], plain(symbol))
    }
  }
  # A direct call or jump, "call   401530 <ElapsedMs>": an edge to a
  # possible thunk.
  if (match(insn, /^(call|jmp)[a-z]* +[0-9a-f]+ </)) {
    target = insn
    sub(/^[a-z]+ +/, "", target)
    sub(/ .*/, "", target)
    sub(/^0+/, "", target)
    callers_of[target] = add(callers_of[target], plain(symbol))
  }
  first = 0
}

END {
  print "symbols\t" (symbols ? 1 : 0)
  for (t in thunk) {
    k = split(callers_of[t], caller, SUBSEP)
    for (j = 1; j <= k; j++) direct[thunk[t]] = add(direct[thunk[t]], caller[j])
  }
  for (i = 1; i <= n; i++)
    if (direct[order[i]] != "") {
      k = split(direct[order[i]], caller, SUBSEP)
      list = caller[1]
      for (j = 2; j <= k && j <= 3; j++) list = list ", " caller[j]
      if (k > 3) list = list " and " (k - 3) " more"
      print order[i] "\t" list
    }
}
