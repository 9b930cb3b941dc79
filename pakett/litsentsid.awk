# The Copyright and License fields of one Files paragraph that stands for a whole Debian
# copyright file (see litsentsid.sh); allikas is the source package's name, and kaustad, when
# it is not empty, the folders of that source (blank-separated) whose paragraphs alone count.
#
# In the machine-readable format: each different copyright of its Files paragraphs once, apart
# by " ." lines; the names of all their licences in the order first met, joined by "and"; and
# as the text, every licence text that the file gives for them (in a License paragraph of its
# own or in a Files paragraph) under its name. Any other file: its lines that hold
# "Copyright", and the whole file as the text of a licence named after the source package.

function kord(massiiv, jarjekord, voti) {
  if (voti in massiiv) return
  massiiv[voti] = ++massiiv[SUBSEP]
  jarjekord[massiiv[SUBSEP]] = voti
}

# Whether a Files paragraph's patterns cover a file in one of the folders, or lie inside one.
function katab(mustrid,   m, k, i, j, muster) {
  if (kaustad == "") return 1
  m = split(mustrid, muster, /[ \t\n]+/)
  k = split(kaustad, kaust, / /)
  for (i = 1; i <= m; i++) {
    if (muster[i] == "") continue
    for (j = 1; j <= k; j++) {
      if (index(muster[i], kaust[j]) == 1) return 1
      if ((kaust[j] "x") ~ ("^" glob(muster[i]) "$")) return 1
    }
  }
  return 0
}

function glob(muster) {
  gsub(/[][.+^$(){}|\\]/, "\\\\&", muster)
  gsub(/\*/, ".*", muster)
  gsub(/\?/, ".", muster)
  return muster
}

function lopeta_vali(   reavahe, nimi) {
  sub(/^\n/, "", vaartus)
  if (vali == "Files") mustrid = vaartus
  if (vali == "Copyright") loigu_autorid[++n_autorid] = vaartus
  if (vali == "License") {
    reavahe = index(vaartus "\n", "\n")
    nimi = substr(vaartus, 1, reavahe - 1)
    if (failid) loigu_nimi = nimi
    if (reavahe <= length(vaartus) && !(nimi in tekstid)) tekstid[nimi] = substr(vaartus, reavahe + 1)
  }
  vali = ""
}

# At the end of a paragraph: its copyrights and licences count when it is a Files paragraph on
# the folders wanted.
function lopeta_loik(   i, n, osad) {
  lopeta_vali()
  if (failid && katab(mustrid)) {
    for (i = 1; i <= n_autorid; i++) kord(autorid, autorid_j, loigu_autorid[i])
    if (loigu_nimi != "") {
      kord(taisnimed, taisnimed_j, loigu_nimi)
      n = split(loigu_nimi, osad, /,? (and|or) /)
      for (i = 1; i <= n; i++) kord(nimed, nimed_j, osad[i])
    }
  }
  failid = 0
  n_autorid = 0
  loigu_nimi = mustrid = ""
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
  lopeta_loik()
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
  lopeta_loik()
  for (i = 1; i <= autorid[SUBSEP]; i++) {
    plokk = autorid_j[i]
    sub(/^[ \t]+/, "", plokk)
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
  for (i = 1; i <= taisnimed[SUBSEP]; i++) anna_tekst(taisnimed_j[i])
}

function anna_tekst(nimi,   tekst) {
  if (!(nimi in tekstid) || nimi in antud) return
  antud[nimi] = 1
  tekst = tekstid[nimi]
  gsub(/\n/, "\n ", tekst)
  printf "%s %s:\n .\n %s\n", (n_antud++ ? " .\n" : ""), nimi, tekst
}
