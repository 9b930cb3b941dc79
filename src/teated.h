// Every fixed text the two programs share, byte for byte: single-byte Estonian, mostly
// ISO-8859-1 (e4 = a-umlaut, f5 = o-tilde, f6 = o-umlaut, fc = u-umlaut) with a few DOS
// code-page bytes (84 = a-umlaut, 81 = u-umlaut, 93 = o-tilde). They are written unconverted.
// What only one program says lives in src/roman/tekstid.cpp or src/decimal/tekstid.cpp.
#pragma once

namespace zemtar {

// Banner, printed at every start.
inline constexpr char PEALKIRI[] = "Infiksavaldiste kalkulaator\n";
inline constexpr char AUTOR[] = "Autor: Karask\n";

// Front end.
inline constexpr char TERVITUS[] = "V\xE4ljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n";
inline constexpr char VIIP[] = ":";
inline constexpr char EI_SAA_FAILI[] = "Viga: Ei suuda avada faili!\n";
inline constexpr char KASUREAL_PUUDUB[] = "Viga: K\xE4sureal puudub avaldis!\n";
inline constexpr char VOTI_VALJU[] = "valju";
inline constexpr char VOTI_ABI[] = "abi";

// Said on standard error, after the program's name, when a run cannot go on.
inline constexpr char VALJUND_EI_KIRJUTA[] = "v\xE4ljundit ei saa kirjutada";
inline constexpr char SKRIPT_EI_LOE[] = "skripti ei saa edasi lugeda";
inline constexpr char RIDA_EI_MAHU[] = "rida ei mahu m\xE4llu";
inline constexpr char SISEND_ON_VALJUND[] = "sisend on sama fail kui v\xE4ljund";
// Said on standard error at a terminal, after the program's name, before the arguments that the
// run does not use; then how an expression is given as one argument, or where the options are.
inline constexpr char KASUTAMATA[] = ": kasutamata argumendid: ";
inline constexpr char KASUTAMATA_AVALDIS[] = " (avaldis \xFChe argumendina: ";
inline constexpr char KASUTAMATA_VALIKUD[] = " (valikud: ";

// "--help": the options, then what this system's own part (src/platform) tells, then the exit
// statuses, then the system's last words. Each '@' is the program's name.
inline constexpr char KASUTUS[] =
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
inline constexpr char KASUTUS_OLEK[] =
    "\nL\xF5petamise olek:\n"
    "  -k ja -f: viimase tulemuse t\xE4isosa (p\xE4rast viga 0); klaviatuurilt 1;\n"
    "  2, kui skripti ei saa avada ega lugeda, sisend on sama fail kui v\xE4ljund,\n"
    "  -k j\xE4rel pole avaldist, rida ei mahu m\xE4llu v\xF5i v\xE4ljundit ei saa\n"
    "  kirjutada.\n";

// Help entries 2 to 14, the same in both programs; each program adds its own head and tail.
inline constexpr const char* JUHISED_KESK[] = {
    AUTOR,
    "\nKalkulaator t\xF6\xF6tab kolmel moel:\n",
    "1) K\xE4surealt (kujul './zemtar -k (1+2)-(3+4)')\n",
    "2) Failist (kujul './zemtar -f skriptifail')\n",
    "3) Klaviatuurilt (ilma argumentideta k\xE4ivitades)\n",
    "\nKalkulaator loeb sisendist rea ja leides sealt s\xF5na 'valju' v\xF5i 'abi'\n",
    "vastavalt v\xE4ljub programmist v\xF5i kuvab siinoleva teksti.\n",
    "Kui realt leitakse v\xF5rdusm\xE4rk, eeldatakse, et rida on omistamine. Lubatud\n",
    "on igasuguse kehtiva avaldise omistamine muutujale. Muutujaile kehtib\n",
    "\xFCldine p\xF5him\xF5te, et enne kasutamist tuleb neile anda v\xE4\xE4rtus.\n",
    "K\xF5iki teisi sisestatud ridu koheldakse avaldistena ka siis, kui nad\n",
    "koosnevad vaid \xFChest arvust/muutujast.\n",
    "\nNB! Komadena aktsepteerib programm nii punkti kui koma (. ja ,).\n",
};

// A result line: these words, then the value. An assignment's names the variable as typed,
// put in place of the '?'.
inline constexpr char AVALDISE_VAARTUS[] = "Avaldise v\xE4\xE4rtus=";
inline constexpr char MUUTUJA_VAARTUS[] = "Muutuja ? v\xE4\xE4rtus=";
inline constexpr int MUUTUJA_NIME_KOHT = sizeof "Muutuja " - 1;
static_assert(MUUTUJA_VAARTUS[MUUTUJA_NIME_KOHT] == '?');

// Evaluator.
// Put before the message an error token carries, which a newline then ends.
inline constexpr char VIGA_EES[] = "Viga: ";
inline constexpr char OOTAMATU_ARV[] = "Viga: Ootamatu arv!\n";
inline constexpr char OOTAMATU_MUUTUJA[] = "Viga: Ootamatu muutuja!\n";
inline constexpr char VAARTUSTAMATA[] = "Viga: Muutuja v\xE4\xE4rtustamata!\n";
inline constexpr char AVAV_SULG_TEHTE_ASEMEL[] = "Viga: '(' tehtem\x84rgi asemel!\n";
inline constexpr char SULGEV_SULG_TEHTE_ASEMEL[] = "Viga: ')' tehtem\x84rgi asemel!\n";
inline constexpr char TEHE_ARVU_ASEMEL[] = "Viga: Tehtem\x84rk arvu asemel!\n";
inline constexpr char LOPP_ARVU_ASEMEL[] = "Viga: Avaldise l\x93pp arvu asemel!\n";
inline constexpr char MAGASIN_POLE_TYHI[] = "Viga: Magasin pole t\x81hi! (kontrolli sulge)\n";
inline constexpr char LUBAMATU_MUUTUJANIMI[] = "Viga: Lubamatu muutujanimi!\n";

// Carried by error tokens and printed after VIGA_EES.
inline constexpr char MAGASIN_TAIS[] = "Magasin t\xE4is!";
inline constexpr char MAGASIN_TYHI[] = "Magasin t\xFChi!";
inline constexpr char LUBAMATU_KOMA[] = "Lubamatu koma!";
inline constexpr char VIGANE_ROOMA_ARV[] = "Mittekorrektne rooma number!";
inline constexpr char LUBAMATU_SUMBOL[] = "Lubamatu s\x81mbol real!";

}  // namespace zemtar
