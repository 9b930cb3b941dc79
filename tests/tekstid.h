// Every fixed text the programs write, byte for byte and never taken from src/: letters in
// ISO-8859-1 (e4, f5, f6, fc) or the DOS code page (84, 93, 81); and helpers to join them.
#pragma once

#include <string>
#include <utility>

namespace tekst {

using std::string;

// Banner, keyboard greeting, the front end's messages.
inline const string PEALKIRI = "Infiksavaldiste kalkulaator\nAutor: Karask\n";
inline const string TERVITUS = "V\xE4ljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";
inline const string EI_FAILI = "Viga: Ei suuda avada faili!\n";
inline const string KASUREAL_PUUDUB = "Viga: K\xE4sureal puudub avaldis!\n";

// Result lines, before the value.
inline const string AV = "Avaldise v\xE4\xE4rtus=";
inline string mv(char muutuja) {
  return string("Muutuja ") + muutuja + " v\xE4\xE4rtus=";
}

// The evaluator's messages, the same in both programs.
inline const string OOTAMATU_ARV = "Viga: Ootamatu arv!\n";
inline const string OOTAMATU_MUUTUJA = "Viga: Ootamatu muutuja!\n";
inline const string VAARTUSTAMATA = "Viga: Muutuja v\xE4\xE4rtustamata!\n";
inline const string AVAV_SULG = "Viga: '(' tehtem\x84rgi asemel!\n";
inline const string SULGEV_SULG = "Viga: ')' tehtem\x84rgi asemel!\n";
inline const string TEHE = "Viga: Tehtem\x84rk arvu asemel!\n";
inline const string LOPP = "Viga: Avaldise l\x93pp arvu asemel!\n";
inline const string POLE_TYHI = "Viga: Magasin pole t\x81hi! (kontrolli sulge)\n";
inline const string NIMI = "Viga: Lubamatu muutujanimi!\n";
inline const string TAIS = "Viga: Magasin t\xE4is!\n";
inline const string TYHI = "Viga: Magasin t\xFChi!\n";
inline const string KOMA = "Viga: Lubamatu koma!\n";
inline const string SUMBOL = "Viga: Lubamatu s\x81mbol real!\n";

// What one program alone says.
inline const string ROOMA_VIGANE = "Viga: Mittekorrektne rooma number!\n";
inline const string ROOMA_ESITAMATU = "Viga: Tulemust ei saa rooma numbrina esitada!\n";
inline const string NULLIGA = "Viga: Jagamine nulliga!\n";
inline const string LIHTNE_NULLIGA = "Jagamine nulliga!\n";

// The help text: each program's head, the shared middle, each program's tail.
inline const string JUHISED_KESK =
    "Autor: Karask\n"
    "\nKalkulaator t\xF6\xF6tab kolmel moel:\n"
    "1) K\xE4surealt (kujul './zemtar -k (1+2)-(3+4)')\n"
    "2) Failist (kujul './zemtar -f skriptifail')\n"
    "3) Klaviatuurilt (ilma argumentideta k\xE4ivitades)\n"
    "\nKalkulaator loeb sisendist rea ja leides sealt s\xF5na 'valju' v\xF5i 'abi'\n"
    "vastavalt v\xE4ljub programmist v\xF5i kuvab siinoleva teksti.\n"
    "Kui realt leitakse v\xF5rdusm\xE4rk, eeldatakse, et rida on omistamine. Lubatud\n"
    "on igasuguse kehtiva avaldise omistamine muutujale. Muutujaile kehtib\n"
    "\xFCldine p\xF5him\xF5te, et enne kasutamist tuleb neile anda v\xE4\xE4rtus.\n"
    "K\xF5iki teisi sisestatud ridu koheldakse avaldistena ka siis, kui nad\n"
    "koosnevad vaid \xFChest arvust/muutujast.\n"
    "\nNB! Komadena aktsepteerib programm nii punkti kui koma (. ja ,).\n";
inline const string JUHISED =
    "\n\nInfiksavaldiste kalkulaator (Rooma numbrite toega)\n" + JUHISED_KESK +
    "    T\xFChikud sisendis on lubatud. Rooma numbrid on suurt\xE4hed IVXLCDM.\n"
    "    Rooma null on O (suur O t\x84ht). Muutujatena on selles versioonis\n"
    "    lubatud vaid v\xE4iket\xE4hed. Tulemuste v\xE4ljastamisel \xFCmardatakse see\n"
    "    t\xE4isarvuks.\n\n";
inline const string LIHTNE_JUHISED =
    "\n\nInfiksavaldiste kalkulaator\n" + JUHISED_KESK + "    T\xFChikud sisendis on lubatud.\n\n";

// "--help" ('@' the program's name): the options, what each system adds, the statuses.
inline const string KASUTUS_VALIKUD =
    "\nKasutamine:\n"
    "  @ -k AVALDIS    arvutab k\xE4sureal antud avaldise v\xF5i omistamise\n"
    "  @ -f FAIL       arvutab faili read, n\xE4itab iga rida enne tulemust\n"
    "  @ -f -          sama standardsisendist\n"
    "  @               ridu klaviatuurilt ('abi': juhised, 'valju': l\xF5pp)\n"
    "  @ --help        see tekst\n"
    "  @ --version     programmi versioon\n"
    "\nKeskkond:\n"
    "  ZEMTAR_KOODISTIK  tekstide m\xE4rgistik igas v\xE4ljundis: UTF-8, ISO-8859-1,\n"
    "                    ISO-8859-13, ISO-8859-15 v\xF5i CP1257 (vaikimisi terminalis\n"
    "                    lokaadi oma, mujal talletatud baidid)\n";
inline const string KASUTUS_OLEK =
    "\nL\xF5petamise olek:\n"
    "  -k ja -f: viimase tulemuse t\xE4isosa (p\xE4rast viga 0); klaviatuurilt 1;\n"
    "  2, kui skripti ei saa avada ega lugeda, sisend on sama fail kui v\xE4ljund,\n"
    "  -k j\xE4rel pole avaldist, rida ei mahu m\xE4llu v\xF5i v\xE4ljundit ei saa\n"
    "  kirjutada.\n";
inline const string KASUTUS =
    KASUTUS_VALIKUD +
    "\nKeskkond (ainult terminalis):\n"
    "  ZEMTAR_AJALUGU  sisestatud ridade ajaloo fail (t\xFChi: ajalugu ei peeta);\n"
    "                  vaikimisi $XDG_STATE_HOME/zemtar/@.ajalugu\n"
    "  XDG_STATE_HOME  vaikimisi ~/.local/state\n"
    "  LC_ALL, LC_CTYPE, LANG  m\xE4rgistik, milles terminal t\xE4hti n\xE4itab\n" +
    KASUTUS_OLEK + "\nT\xE4psemalt: man @\n";
inline const string KASUTUS_WINDOWS =
    KASUTUS_VALIKUD +
    "\nKlahvid (ainult konsoolis):\n"
    "  \xFCles, alla, F7  varem sisestatud read (F7: nende loend)\n"
    "  Esc             t\xFChjendab rea\n"
    "  Ctrl+C          t\xFChistab poolelioleva rea\n"
    "  Ctrl+Z, Enter   l\xF5petab (t\xFChjal real)\n" +
    KASUTUS_OLEK;

// Standard error when a run stops: after the program's name ('@'), before the system's reason.
inline const string EI_LOE = "@: skripti ei saa edasi lugeda: ";
inline const string EI_KIRJUTA = "@: v\xE4ljundit ei saa kirjutada: ";
inline const string EI_MAHU = "@: rida ei mahu m\xE4llu: ";
inline const string ON_VALJUND = "@: sisend on sama fail kui v\xE4ljund\n";

}  // namespace tekst

inline std::string korda(const std::string& tekst, std::size_t kordi) {
  std::string s;
  while (kordi-- > 0)
    s += tekst;
  return s;
}

inline std::string asenda(std::string tekst, const std::string& nimi, char mark = '@') {
  for (std::size_t k = 0; (k = tekst.find(mark, k)) != std::string::npos; k += nimi.size())
    tekst.replace(k, 1, nimi);
  return tekst;
}

// A table row "text = value", taken apart.
inline std::pair<std::string, std::string> jaga(const std::string& rida) {
  const std::size_t koht = rida.rfind(" = ");
  return {rida.substr(0, koht), rida.substr(koht + 3)};
}
