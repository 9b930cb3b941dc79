# The Copyright and License fields of one Files paragraph that stands for a whole Debian
# copyright file (see litsentsid.sh); allikas is the source package's name.
#
# In the machine-readable format: each different copyright of its Files paragraphs once, apart
# by " ." lines; the names of all their licences in the order first met, joined by "and"; and
# as the text, every licence text the file gives (in a License paragraph of its own or in a
# Files paragraph) under its name. Any other file: its lines that hold "Copyright", and the
# whole file as the text of a licence named after the source package.

function kord(massiiv, jarjekord, voti) {
  if (voti in massiiv) return
  massiiv[voti] = ++massiiv[SUBSEP]
  jarjekord[massiiv[SUBSEP]] = voti
}

function lopeta_vali(   reavahe, nimi, osad, n, i) {
  sub(/^\n/, "", vaartus)
  if (vali == "Copyright") kord(autorid, autorid_j, vaartus)
  if (vali == "License") {
    reavahe = index(vaartus "\n", "\n")
    nimi = substr(vaartus, 1, reavahe - 1)
    if (failid) {
      n = split(nimi, osad, /,? (and|or) /)
      for (i = 1; i <= n; i++) kord(nimed, nimed_j, osad[i])
    }
    if (reavahe <= length(vaartus) && !(nimi in tekstid)) {
      tekstid[nimi] = substr(vaartus, reavahe + 1)
      kord(tekstiga, tekstiga_j, nimi)
    }
  }
  vali = ""
}

NR == 1 { masinloetav = /^Format: / }
{ koik = koik " " (/^[ \t]*$/ ? "." : $0) "\n" }
!masinloetav {
  if (/Copyright/) {
    rida = $0
    sub(/^[ \t*]+/, "", rida)
    kord(autorid, autorid_j, rida)
  }
  next
}
/^[ \t]*$/ {
  lopeta_vali()
  failid = 0
  next
}
/^[ \t]/ {
  rida = $0
  sub(/^[ \t]/, "", rida)
  if (vali != "") vaartus = vaartus "\n" rida
  next
}
/^[A-Za-z-]+:/ {
  lopeta_vali()
  vali = substr($0, 1, index($0, ":") - 1)
  vaartus = substr($0, index($0, ":") + 1)
  sub(/^[ \t]+/, "", vaartus)
  if (vali == "Files") failid = 1
}

END {
  lopeta_vali()
  for (i = 1; i <= autorid[SUBSEP]; i++) {
    plokk = autorid_j[i]
    gsub(/\n/, "\n ", plokk)
    if (i == 1) printf "Copyright: %s\n", plokk
    else printf "%s %s\n", (masinloetav ? " .\n" : ""), plokk
  }
  if (!masinloetav) {
    printf "License: %s\n%s", allikas, koik
    exit
  }
  printf "License: %s", nimed_j[1]
  for (i = 2; i <= nimed[SUBSEP]; i++) printf " and %s", nimed_j[i]
  printf "\n"
  # The texts in the order of the names, then any given for a combination of them.
  for (i = 1; i <= nimed[SUBSEP]; i++) anna_tekst(nimed_j[i])
  for (i = 1; i <= tekstiga[SUBSEP]; i++) anna_tekst(tekstiga_j[i])
}

function anna_tekst(nimi,   tekst) {
  if (!(nimi in tekstid) || nimi in antud) return
  antud[nimi] = 1
  tekst = tekstid[nimi]
  gsub(/\n/, "\n ", tekst)
  printf "%s %s:\n .\n %s\n", (n_antud++ ? " .\n" : ""), nimi, tekst
}
