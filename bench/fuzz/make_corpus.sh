#!/usr/bin/env bash
# Writes the seed corpus of tricky name list files into bench/fuzz/corpus/.
# The files are committed; run this only to change them. The fuzz target and
# tests/names/tst_fuzzcorpus.cpp both read every file of the folder.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/corpus"
mkdir -p "$out"
rm -f "$out"/*

put() { printf "$2" > "$out/$1"; }
BOM='\357\273\277'

put empty ''
put bom-only "$BOM"
put bom-names "${BOM}Anna\r\nBen\r\n"
put double-bom "${BOM}${BOM}Anna\r\nBen"
put bom-mid-file "Anna\r\n${BOM}Ben\r\n"
put bom-then-comment "${BOM}#comment\r\nAnna\r\n"
put nul-bytes 'An\000na\r\n\000\r\nBen\000\r\n\000'
put nul-only '\000\000\000'
put invalid-utf8-lone-ff 'Anna\r\nB\377n\r\n'
put invalid-utf8-truncated-end 'Anna\r\nZo\303'
put invalid-utf8-overlong '\300\200\r\nMia\r\n'
put invalid-utf8-surrogate '\355\240\200\r\nMia'
put invalid-utf8-lone-continuation '\200Anna\r\n\277'
put bom-then-latin1 "${BOM}J\366rg\r\nAnna\r\n"
put latin1 'Andr\351\r\nJ\374rgen\r\nZo\353\r\n'
put utf8-multibyte 'Zo\303\253\r\nJ\303\274rgen\r\n\360\237\221\266\r\nKrzy\305\233\r\nRene\314\201\r\n'
put nel-ls-not-line-ends 'Anna\302\205Ben\342\200\250Carl'
put cr-only 'Anna\rBen\rCarl'
put lf-only 'Anna\nBen\nCarl\n'
put crlf-mix 'Anna\r\nBen\nCarl\rDora\r\n\r\nEve'
put lf-cr 'Anna\n\rBen\n\r'
put cr-cr-lf 'Anna\r\r\nBen'
put trailing-cr 'Anna\r'
put only-line-ends '\r\n\r\n\n\r'
put comments '# header\r\n#\r\nAnna\r\n #not a comment\r\nBen#x\r\n# tail\r\n#'
put comments-only '#a\r\n#b\r\n#'
put comment-last-no-line-end 'Anna\r\n# last'
put comment-cr-only '#a\rAnna\r#b\rBen'
put letter-filter-case 'Bob\r\nbob\r\n#Ben\r\nBill\r\n'
put duplicates 'Anna\r\nAnna\r\nanna\r\n'
put spaces ' Anna \r\n\t\r\n  \r\n'
put dos-eof-marker 'Anna\r\nBen\r\n\032'
put utf16le-bom '\377\376A\000n\000n\000a\000\r\000\n\000'
put utf16be-bom '\376\377\000A\000n\000n\000a\000\r\000\n'
# Code units that stand for no character (the fuzzer's first finds), and
# UTF-16 without a byte-order mark.
put utf32le-bom-invalid '\377\376\000\000A\000\000\000\000\000\021\000\r\000\000\000\000\330\000\000'
put utf32be-bom-surrogate '\000\000\376\377\000\000\334\000\000\000\000\n'
put utf16le-bom-lone-surrogates '\377\376A\000\000\330\r\000\000\334B\000'
put utf16be-bom-odd-byte '\376\377\000A\330'
put utf16le-no-bom 'A\000n\000n\000a\000\r\000\n\000Z\000o\000\353\000'
put utf16be-no-bom '\000A\000n\000n\000a\000\r\000\n\000B\000e\000n'
# Very long lines: one name of 40,000 letters without a line end, and one of
# 10,000 two-byte letters followed by a short name.
head -c 40000 /dev/zero | tr '\0' 'a' > "$out/long-line"
{ for _ in $(seq 1 10000); do printf '\303\251'; done; printf '\r\nEnd'; } > "$out/long-line-multibyte"
{ for _ in $(seq 1 1000); do printf '\r\n'; done; } > "$out/many-empty-lines"
ls "$out" | wc -l
