#!/usr/bin/python3
"""Both pages in headless Chromium, as a person uses them with the keyboard: the greeting, an
assignment, an expression, a division by zero, "abi", a script file, a line recalled with Up,
"valju" and a new run, then a reload that keeps the history and the switch that stops it. Each
step's whole transcript is compared. Prints the time from load to the first prompt, and keeps a
screenshot of each page (PROGRAMM.png) in the pages' folder.
    tests/web/lehed.py BUILD_WEB LINUX_BUILD
LINUX_BUILD's programs give the help text as a UTF-8 terminal shows it."""
import os
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ALGUS = ("Infiksavaldiste kalkulaator\nAutor: Karask\n"
         "Väljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n:")
SKRIPT = "x=7\nx*x\nabi\n"
# Each program's answers to a=2+3, a*4, 1/0, and to the script.
VASTUSED = {
    "zemtar": ["Muutuja a väärtus=V\n", "Avaldise väärtus=XX\n", "Viga: Jagamine nulliga!\n",
               ":x=7\nMuutuja x väärtus=VII\n:x*x\nAvaldise väärtus=XLIX\n"
               ":abi\nViga: Muutuja väärtustamata!\n"],
    "zemtar-lihtne": ["Muutuja a väärtus=5.000000\n", "Avaldise väärtus=20.000000\n",
                      "Jagamine nulliga!\n", ":x=7\nMuutuja x väärtus=7.000000\n"
                      ":x*x\nAvaldise väärtus=49.000000\n:abi\nViga: Muutuja väärtustamata!\n"],
}
# The texts' letters, as a UTF-8 terminal gets them.
TAHED = {0xE4: "ä", 0xF5: "õ", 0xF6: "ö", 0xFC: "ü", 0x84: "ä", 0x93: "õ", 0x81: "ü"}


def juhised(programm):
    """The help text as the console program shows it at a UTF-8 terminal."""
    baidid = subprocess.run([programm], input=b"abi\n", capture_output=True).stdout
    tekst = "".join(TAHED.get(b, chr(b)) for b in baidid)
    assert tekst.startswith(ALGUS) and tekst.endswith(":"), tekst
    return tekst[len(ALGUS):-1]


def brauser(profiil):
    valikud = webdriver.ChromeOptions()
    valikud.binary_location = "/usr/bin/chromium"
    for v in ["--headless=new", "--disable-gpu", "--no-first-run", "--disable-sync",
              "--disable-background-networking", "--disable-component-update",
              "--window-size=900,700", "--user-data-dir=" + profiil]:
        valikud.add_argument(v)
    if os.geteuid() == 0:
        valikud.add_argument("--no-sandbox")  # Chromium's sandbox refuses to run as root
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=valikud)


def kontrolli(d, programm, kaust, linux, skript):
    ekraan = lambda: d.execute_script("return document.getElementById('ekraan').textContent")
    fookus = lambda: d.execute_script("return document.activeElement.id")
    rida = lambda: d.find_element("id", "rida")

    def oota(oodatud):
        try:
            WebDriverWait(d, 10).until(lambda _: ekraan() == oodatud)
        except Exception:
            assert ekraan() == oodatud, f"{programm}:\n{ekraan()!r}\nnot\n{oodatud!r}"

    def lae():
        WebDriverWait(d, 10).until(lambda _: d.execute_script(
            "return performance.getEntriesByName('esimene viip').length"))
        oota(ALGUS)
        assert fookus() == "rida"
        return d.execute_script(
            "return performance.getEntriesByName('esimene viip')[0].startTime")

    d.get("file://" + os.path.abspath(os.path.join(kaust, programm + ".html")))
    aeg = lae()
    assert d.execute_script("return document.getElementById('rida').labels[0].textContent"
                            ) == "Rida kalkulaatorile"
    assert d.find_element("id", "ekraan").get_attribute("role") == "log"
    omistus, avaldis, nulliga, skripti_vastus = VASTUSED[programm]
    tekst = ALGUS
    for sisend, vastus in [("a=2+3", omistus), ("a*4", avaldis), ("1/0", nulliga),
                           ("abi", juhised(os.path.join(linux, programm)))]:
        rida().send_keys(sisend + Keys.ENTER)
        tekst += sisend + "\n" + vastus + ":"
        oota(tekst)
    # A script runs on an evaluator of its own, below the prompt; the run goes on after it.
    d.find_element("id", "skript").send_keys(skript)
    tekst += "\nInfiksavaldiste kalkulaator\nAutor: Karask\n" + skripti_vastus + ":"
    oota(tekst)
    rida().send_keys(Keys.UP * 3 + Keys.ENTER)
    tekst += "a*4\n" + avaldis + ":"
    oota(tekst)
    d.save_screenshot(os.path.join(kaust, programm + ".png"))
    rida().send_keys("valju" + Keys.ENTER)
    tekst += "valju\n"
    oota(tekst)
    assert fookus() == "uuesti" and not rida().is_displayed()
    d.switch_to.active_element.send_keys(Keys.ENTER)
    oota(tekst + ALGUS)
    # The lines of the last visit are there after a reload, until the switch turns them off.
    d.refresh()
    lae()
    rida().send_keys(Keys.UP)
    assert rida().get_attribute("value") == "valju"
    d.find_element("id", "ajalugu").click()
    d.refresh()
    lae()
    rida().send_keys(Keys.UP)
    assert rida().get_attribute("value") == ""
    assert d.execute_script(f"return localStorage.getItem('{programm}.ajalugu')") is None
    assert not d.find_element("id", "ajalugu").is_selected()
    logi = [k for k in d.get_log("browser") if k["level"] != "INFO"]
    assert not logi, logi
    print(f"{programm}.html: {os.path.getsize(os.path.join(kaust, programm + '.html'))} bytes, "
          f"{aeg:.0f} ms from load to the first prompt")


def main(kaust, linux):
    with tempfile.TemporaryDirectory() as ajutine:
        skript = os.path.join(ajutine, "skript.txt")
        with open(skript, "w") as f:
            f.write(SKRIPT)
        d = brauser(os.path.join(ajutine, "profiil"))
        try:
            for programm in VASTUSED:
                kontrolli(d, programm, kaust, linux, skript)
        finally:
            d.quit()


if __name__ == "__main__":
    main(*sys.argv[1:])
