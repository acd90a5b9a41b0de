# What the release checks share: their report lines, and what they read out of a Windows program
# with the cross binutils and coreutils only. Sourced, not run; a check ends with `exit $fail`.
OBJDUMP=${OBJDUMP:-x86_64-w64-mingw32-objdump}
fail=0
ok() { echo "ok: $*"; }
bad() { echo "FAIL: $*"; fail=1; }
# expect <what> <expected> <found>
expect() { if [ "$2" = "$3" ]; then ok "$1: $3"; else bad "$1: expected [$2], found [$3]"; fi; }

# pe_resource <exe> <type> <id>: the bytes of that resource (its first language) on stdout.
pe_resource() {
    local exe=$1 type=$2 id=$3 base leaf rva size sect_rva sect_off
    base=$("$OBJDUMP" -p "$exe" | awk '$1 == "ImageBase" { print $2 }')
    # The directory is printed as a tree: types, then names, then languages, then leaves; the
    # indent after the offset column tells the level.
    leaf=$("$OBJDUMP" -p "$exe" | awk -v type="$type" -v id="$id" '
        function hex(s,    v, i) {
            s = tolower(s); sub(/^0x/, "", s)
            for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1
            return v
        }
        /Resource Directory section/ { in_rsrc = 1; next }
        !in_rsrc { next }
        /Entry: ID:/ || /Leaf: Addr:/ {
            line = $0; sub(/^[0-9a-f]+/, "", line); match(line, /^ +/); depth = RLENGTH
            if (/Entry: ID:/) {
                value = $0; sub(/.*ID: /, "", value); sub(/,.*/, "", value); value = hex(value)
                if (depth == 3) t = value
                else if (depth == 5) n = value
            } else if (t == type && n == id) {
                a = $0; sub(/.*Addr: /, "", a); sub(/,.*/, "", a)
                s = $0; sub(/.*Size: /, "", s); sub(/,.*/, "", s)
                print a, s; exit
            }
        }')
    [ -n "$leaf" ] || return 1
    read -r rva size <<<"$leaf"
    read -r sect_rva sect_off < <("$OBJDUMP" -h "$exe" | awk '$2 == ".rsrc" { print $4, $6 }')
    tail -c +$((0x$sect_off + rva - (0x$sect_rva - 0x$base) + 1)) "$exe" | head -c $((size))
}

# bytes: stdin's bytes as unsigned numbers, one a line.
bytes() { od -An -v -tu1 | tr -s ' ' '\n' | sed '/^$/d'; }

# icon_dir_sizes: the sizes (256 for 0) listed by an icon directory on stdin, .ico file or
# RT_GROUP_ICON alike: both start with a 6-byte header, then one entry per image whose first byte
# is the width; an .ico entry has 16 bytes, a group entry 14.
icon_dir_sizes() {  # entry_bytes
    bytes | awk -v step="$1" '
        { b[NR - 1] = $1 }
        END { n = b[4] + 256 * b[5]; for (i = 0; i < n; i++) { w = b[6 + i * step]; print (w ? w : 256) } }'
}

# version_string <key>: the value of that key in the version resource on stdin.
version_string() {
    # Keys and values are NUL-ended UTF-16; a value follows its key after padding only.
    iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n' | awk -v key="$1" '
        found && length($0) { print; exit }
        length($0) >= length(key) && substr($0, length($0) - length(key) + 1) == key { found = 1 }'
}
