#!/usr/bin/env bash
# Lays out the seed corpora in fuzz/corpus/<target>/: the sample database's files and
# small crafted edge cases. Run it again when the sample database changes; the fuzzers'
# own finds stay in build-fuzz/ and are not kept here.
set -euo pipefail
cd "$(dirname "$0")"
ini=../sample/INI
out=corpus
rm -rf "$out"
mkdir -p "$out"/{ini_file,opcode_lines,category_tree,database,data_check}

seed() {  # seed TARGET NAME PRINTF-FORMAT [ARGS...]
  local target=$1 name=$2
  shift 2
  printf "$@" >"$out/$target/$name"
}

# INI reader.
for f in SASCM.ini SASCM_RUS.ini TypeInfo.ini NodeInfo.ini; do cp "$ini/$f" "$out/ini_file/sample-$f"; done
seed ini_file empty ''
seed ini_file keys-before-section 'a=1\r\n[s]\r\nb=2\r\n'
seed ini_file case-and-repeats '[OPCODES]\r\n00a1=1,abc\r\n00A1=2,second\r\n[opcodes]\r\n00A2=3\r\n'
seed ini_file quotes-and-blanks '[s]\n  a  =  v \t\nb="q"\nc='"'"'x'"'"'\nd=""\ne="\nf=x=y\n  [ t ]  \nk=v\n'
seed ini_file integers '[n]\na=0x\nb=0x7FFFFFFF\nc=0xFFFFFFFF\nd=0x100000000\ne=-2147483648\nf=2147483648\ng=+5\nh=-\ni=1e3\n'
seed ini_file cr-only-and-eof '[s]\ra=1\rb=2\x1a\rc=3'
seed ini_file unclosed-section '[never closed\na=1\n[]\nb=2\n[x]]\nc=3\n'
seed ini_file cyrillic-case '[\xcf\xf0\xe8\xec\xe5\xf0]\r\n\xca\xeb\xfe\xf7=\xe7\xed\xe0\xf7\xe5\xed\xe8\xe5\r\n[\xef\xf0\xc8\xcc\xc5\xd0]\r\n'

{ printf '[s]\r\nlong="'; head -c 2100 /dev/zero | tr '\0' 'x'; printf '"\r\n'; } >"$out/ini_file/long-value"

# Opcode line files.
for f in Types.Opcodes Nodes.Opcodes; do cp "$ini/$f" "$out/opcode_lines/sample-$f"; done
seed opcode_lines empty ''
seed opcode_lines crlf '0001 0002 00A3\r\n0AF0,0af0,FFFF\r\n\r\n0004'
seed opcode_lines lf-only '0001 0002\n0003\n\n'
seed opcode_lines cr-only '0001\r0002 0003\r'
seed opcode_lines eof-mark '0001 0002\r\n\x1a0003\r\n'
seed opcode_lines odd-groups '0001  0002 00G3 12\r\n1\r\n12345678901\r\n'
{ for i in $(seq 1 2810); do printf '%04X ' $((i % 2801)); done; printf '\r\n'; } >"$out/opcode_lines/over-2800"

# Category tree.
cp "$ini/Opcodes.tree" "$out/category_tree/sample-Opcodes.tree"
seed category_tree empty ''
seed category_tree tabs-and-blanks 'A\r\n\tB\r\n \tC\r\n D\r\nE\r\n'
seed category_tree too-deep 'A\r\n\t\tDeep\r\nB\r\n'
seed category_tree first-indented '\t\tA\n\tB\n'
seed category_tree empty-lines-and-blanks 'A  \r\n\r\n\tB\r\n\r'
seed category_tree cr-only 'A\r B\r  C\r'
{ for i in $(seq 0 199); do printf "%${i}s" ''; printf 'n%d\n' "$i"; done; } >"$out/category_tree/deep-200"

# Whole database: the seven files in the loader's order, joined by the marker.
marker=$'\x1fKELPRA\x1f'
join() {  # join NAME FILE...  (each argument a file, or "=text" for literal bytes)
  local name=$1 first=1
  shift
  for part in "$@"; do
    [ $first -eq 1 ] || printf '%s' "$marker"
    first=0
    if [ "${part:0:1}" = "=" ]; then printf "${part:1}"; else cat "$part"; fi
  done >"$out/database/$name"
}
all=("$ini/SASCM.ini" "$ini/SASCM_RUS.ini" "$ini/TypeInfo.ini" "$ini/Types.Opcodes"
     "$ini/Opcodes.tree" "$ini/NodeInfo.ini" "$ini/Nodes.Opcodes")
join sample "${all[@]}"
join no-node-lines "${all[@]:0:6}"
join empty-files = = = = = = =
join small '=[opcodes]\r\n0001=1,wait\r\n0002=-1,jump\r\n' '=[OPCODES]\r\n0001=1,\xe6\xe4\xe0\xf2\xfc\r\n' \
     '=[T1]\r\nCaption=One\r\nShortCaption=1\r\nOpcodes=1\r\n[T2]\r\nOpcodes=2\r\n' \
     '=0001 0002\r\n0AF0 0AF1 FFFF\r\n' '=Root\r\n\tLeaf\r\nOther\r\n' \
     '=[Root]\r\nCaption=R\r\nOpcodes=1\r\nExpanded=1\r\n[Leaf]\r\nOpcodes=2\r\nNote=n\r\n' \
     '=0001 0002\r\n0002 0B00\r\n'
join bad-count '=[opcodes]\r\n0005=x,broken\r\n' '=' '='
join type-lines-missing '=' '=' '=[T]\r\nOpcodes=1\r\n'
join tree-too-deep '=' '=' '=' '=' '=A\r\n\t\tB\r\n' '=' '='

# klv-check reads the same folders.
cp "$out"/database/* "$out/data_check/"
