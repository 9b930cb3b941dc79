#!/usr/bin/env bash
# Renders a manual page as man shows it and checks it: no formatter warnings, the sections in
# their order, and the NIMI line that whatis reads.
#
# kontrolli_lehte.sh LEHT
#
# Exits 77 (skipped) where man is not installed.
set -uo pipefail

leht=$1
nimi=$(basename "$leht" .1)
command -v man >/dev/null || { echo "man puudub: leht jääb kontrollimata"; exit 77; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
vigu=0
viga() {
  echo "VIGA: $*"
  vigu=$((vigu + 1))
}

# C.UTF-8, so that the Estonian letters render as themselves whatever the caller's locale.
export LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat PAGER=cat
man --warnings=w -l "$leht" >"$tmp/leht.txt" 2>"$tmp/hoiatused"
[ -s "$tmp/hoiatused" ] && viga "man hoiatab: $(cat "$tmp/hoiatused")"

# Section headings are the only lines that start at the margin, besides the header and footer.
oodatud=$'NIMI\nKOKKUVÕTE\nKIRJELDUS\nTÖÖVIISID\nSÜNTAKS\nOMISTAMINE\nTULEMUSED\nTEATED'
oodatud+=$'\nKODEERING\nVÄLJUMISKOOD\nKESKKOND\nFAILID\nNÄITED\nVAATA KA'
pealkirjad=$(grep -v '^$' "$tmp/leht.txt" | sed '1d;$d' | grep -v '^ ')
[ "$pealkirjad" = "$oodatud" ] || viga "peatükid on"$'\n'"$pealkirjad"

grep -A1 -x NIMI "$tmp/leht.txt" | grep -q "^ \+$nimi - " || viga "NIMI ei alga kujul '$nimi - '"
lexgrog "$leht" >/dev/null || viga "lexgrog ei leia NIMI rida"

echo "$leht: $vigu viga"
[ "$vigu" -eq 0 ]
