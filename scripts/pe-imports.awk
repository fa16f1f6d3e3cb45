# Reads `objdump -p` of a PE file and prints its import table, one line an
# imported function, with the address of the slot the loader fills in for
# it (its IAT entry), which is what the code calls through:
#   format<TAB>pei-i386
#   import<TAB>KERNEL32.dll<TAB>GetTickCount64<TAB>48564c
#   import<TAB>winmm.dll<TAB>@2<TAB>4424f4          (imported by ordinal 2)
# scripts/check-imports.sh checks the names; the slot lets it find the calls.

BEGIN { FS = "\t" }

# Addresses pass 2^31 on x86_64 (0x140000000 and up), where awk's %x and
# integer conversions give out; doubles hold them exactly.
function hex2num(h,    i, n) {
  h = tolower(h)
  n = 0
  for (i = 1; i <= length(h); i++)
    n = n * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
  return n
}
function num2hex(n,    s) {
  if (n == 0) return "0"
  s = ""
  while (n > 0) {
    s = substr("0123456789abcdef", n % 16 + 1, 1) s
    n = (n - n % 16) / 16
  }
  return s
}

/file format / { sub(/.*file format /, ""); print "format\t" $0; ptr = /x86-64/ ? 8 : 4 }
/^ImageBase/ { base = hex2num($NF) }

/^The Import Tables/ { in_imports = 1; next }
in_imports && /^[^ \t]/ { in_imports = 0 }
!in_imports { next }

# A descriptor row: " 00085000<TAB>000850b4 00000000 00000000 00086c24 00085520",
# the last number being the RVA of the DLL's IAT.
/^ [0-9a-f]+\t[0-9a-f]+ [0-9a-f]+ [0-9a-f]+ [0-9a-f]+ [0-9a-f]+$/ {
  split($2, field, " ")
  iat = hex2num(field[5])
  next
}
/^\tDLL Name: / { dll = substr($2, 11); slot = 0; next }

# An entry: "<TAB>86136<TAB>  785  GetTickCount64", or by ordinal
# "<TAB>80000002<TAB>    2  <none>" (the ordinal is the low 16 bits).
dll != "" && /^\t[0-9a-f]+\t/ {
  n = split($3, word, " ")
  name = word[2]
  if (name == "<none>") name = "@" (hex2num(substr($2, length($2) - 3)) % 65536)
  printf "import\t%s\t%s\t%s\n", dll, name, num2hex(base + iat + slot * ptr)
  slot++
}
