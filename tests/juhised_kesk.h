// The help entries both programs print between their own first and last ones, as expected
// byte for byte.
#pragma once

inline constexpr char OODATUD_JUHISED_KESK[] =
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
