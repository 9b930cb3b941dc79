#!/usr/bin/env bash
# Renders a manual page as man shows it and checks it: no formatter warnings, the sections in
# their order, the NIMI line that whatis reads, and every example in NÄITED run again with the
# programs in PROGRAMMID, its output compared with the page line by line.
#
# kontrolli_lehte.sh LEHT PROGRAMMID
#
# Exits 77 (skipped) where man is not installed.
set -uo pipefail

leht=$1
programmid=$(cd "$2" && pwd)
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
oodatud+=$'\nKODEERING\nVÄLJUMISKOOD\nNÄITED\nVAATA KA'
pealkirjad=$(grep -v '^$' "$tmp/leht.txt" | sed '1d;$d' | grep -v '^ ')
[ "$pealkirjad" = "$oodatud" ] || viga "peatükid on"$'\n'"$pealkirjad"

grep -A1 -x NIMI "$tmp/leht.txt" | grep -q "^ \+$nimi - " || viga "NIMI ei alga kujul '$nimi - '"
lexgrog "$leht" >/dev/null || viga "lexgrog ei leia NIMI rida"

# The program's single-byte output as the page shows it: DOS bytes to Latin-1, then UTF-8.
loetavaks() {
  LC_ALL=C tr '\201\204\223' '\374\344\365' | iconv -f ISO-8859-1 -t UTF-8
}

# A keyboard session as a terminal shows it: each line typed after a prompt ':' is echoed
# there. Reads the program's output and the typed lines (file $1).
klaviatuuri_vaade() {
  awk -v sisend="$1" '
    BEGIN { while ((getline rida < sisend) > 0) trukitud[++n] = rida }
    { read[NR] = $0 }
    END {
      for (i = 1; i <= NR; i++) {
        if (substr(read[i], 1, 1) != ":") { print read[i]; continue }
        print ":" trukitud[++k]
        # The answer follows on a line of its own; after the last prompt there is none.
        if (read[i] != ":" || i < NR) print substr(read[i], 2)
      }
    }'
}

staatus=0
naiteid=0
kaivita() {
  local kask=$1 oodatav=$2
  naiteid=$((naiteid + 1))
  case "$kask" in
    'echo $?')
      printf '%s\n' "$staatus" >"$tmp/saadud"
      ;;
    cat\ *)
      # The file that the following commands read is the one the page shows.
      cp "$oodatav" "$tmp/${kask#cat }"
      cp "$oodatav" "$tmp/saadud"
      ;;
    zemtar | zemtar-lihtne)
      grep '^:' "$oodatav" | cut -c2- >"$tmp/sisend"
      (cd "$tmp" && "$programmid/$kask" <sisend >valjund)
      staatus=$?
      loetavaks <"$tmp/valjund" | klaviatuuri_vaade "$tmp/sisend" >"$tmp/saadud"
      ;;
    *)
      (cd "$tmp" && PATH="$programmid:$PATH" bash -c "$kask" </dev/null >valjund)
      staatus=$?
      # A command that converts its output itself shows it unchanged.
      if [[ $kask == *iconv* ]]; then cp "$tmp/valjund" "$tmp/saadud"; else
        loetavaks <"$tmp/valjund" >"$tmp/saadud"
      fi
      ;;
  esac
  # man drops the blanks at the ends of lines, so they are not compared.
  sed -i 's/ *$//' "$tmp/saadud"
  diff -u "$oodatav" "$tmp/saadud" >"$tmp/erinevus" || viga "näide '$kask':"$'\n'"$(cat "$tmp/erinevus")"
}

# An example is a line '$ command', any lines '> more' that continue a command ending in '|',
# and the lines under it at its indent or deeper, up to the next command or an empty line.
sed -n '/^NÄITED$/,/^VAATA KA$/p' "$tmp/leht.txt" >"$tmp/naited"
kask=""
taane=0
while IFS= read -r rida || [ -n "$kask" ]; do
  if [[ $kask == *'|' && ${rida:taane:2} == '> ' ]]; then
    kask+=" ${rida:taane+2}"
    continue
  fi
  if [ -n "$kask" ] && [[ ${rida:0:taane} =~ ^\ *$ ]] && [[ -n ${rida:taane} ]] &&
    [[ ${rida:taane:2} != '$ ' ]]; then
    printf '%s\n' "${rida:taane}" >>"$tmp/oodatav"
    continue
  fi
  [ -n "$kask" ] && kaivita "$kask" "$tmp/oodatav"
  kask=""
  if [[ $rida =~ ^(\ +)\$\ (.*)$ ]]; then
    taane=${#BASH_REMATCH[1]}
    kask=${BASH_REMATCH[2]}
    : >"$tmp/oodatav"
  fi
done <"$tmp/naited"
[ "$naiteid" -gt 0 ] || viga "näiteid ei leitud"

echo "$leht: $naiteid käsku näidetest kontrollitud, $vigu viga"
[ "$vigu" -eq 0 ]
