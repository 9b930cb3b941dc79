#!/usr/bin/python3
"""Both pages in headless Chromium, used with the keyboard, whole transcripts compared; prints
the time to the first prompt, keeps screenshots.  tests/web/lehed.py BUILD_WEB LINUX_BUILD"""
import os, subprocess, sys, tempfile
from selenium.webdriver import Chrome, ChromeOptions, Keys
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

PEALKIRI = "Infiksavaldiste kalkulaator\nAutor: Karask\n"
ALGUS = PEALKIRI + "Väljumiseks sisestage 'valju', juhiste saamiseks 'abi'\n:"
# The answers to a=2+3, a*4, 1/0, and to the script "x=7\nx*x\nabi\n", run as "-f" runs it.
VASTUSED = {
    "zemtar": ["V", "XX", "Viga: Jagamine nulliga!\n", "VII", "XLIX"],
    "zemtar-lihtne": ["5.000000", "20.000000", "Jagamine nulliga!\n", "7.000000", "49.000000"]}
TAHED = {0xE4: "ä", 0xF5: "õ", 0xF6: "ö", 0xFC: "ü", 0x84: "ä", 0x93: "õ", 0x81: "ü"}


def juhised(programm):  # the help text as the console program shows it at a UTF-8 terminal
    baidid = subprocess.run([programm], input=b"abi\n", capture_output=True).stdout
    return "".join(TAHED.get(b, chr(b)) for b in baidid)[len(ALGUS):-1]


def kontrolli(d, programm, kaust, linux, skript):
    js = d.execute_script
    rida = lambda: d.find_element("id", "rida")

    def oota(oodatud):
        ekraan = "return document.getElementById('ekraan').textContent"
        try:
            WebDriverWait(d, 10).until(lambda _: js(ekraan) == oodatud)
        finally:
            assert js(ekraan) == oodatud, f"{programm}:\n{js(ekraan)!r}\nnot\n{oodatud!r}"

    def lae():  # the greeting, with the focus on the line; the time to it
        aeg = WebDriverWait(d, 10).until(lambda _: js("return performance.getEntriesByName("
                                                      "'esimene viip')[0]?.startTime"))
        oota(ALGUS)
        assert js("return document.activeElement.id") == "rida"
        return aeg

    d.get("file://" + os.path.abspath(f"{kaust}/{programm}.html"))
    aeg = lae()
    assert js("return [rida.labels[0].textContent, ekraan.role]") == ["Rida kalkulaatorile", "log"]
    a, a4, nulliga, x, xx = VASTUSED[programm]
    omistus, avaldis = f"Muutuja a väärtus={a}\n", f"Avaldise väärtus={a4}\n"
    tekst = ALGUS
    # A message is preceded by a caret under where the line failed.
    for sisend, vastus in [("a=2+3", omistus), ("a*4", avaldis), ("1/0", "  ^\n" + nulliga),
                           ("2+%", "   ^\nViga: Lubamatu sümbol real!\n"),
                           ("(1+2", "     ^\nViga: Magasin pole tühi! (kontrolli sulge)\n"),
                           ("abi", juhised(f"{linux}/{programm}"))]:
        rida().send_keys(sisend + Keys.ENTER)
        oota(tekst := tekst + sisend + "\n" + vastus + ":")
    # A script, opened or dropped, runs on an evaluator of its own; the run goes on after it.
    if programm == "zemtar":
        d.find_element("id", "skript").send_keys(skript)
    else:
        js("const t = new DataTransfer(); t.items.add(new File([arguments[0]], 's.txt'));"
           "document.dispatchEvent(new DragEvent('drop', {dataTransfer: t}))", open(skript).read())
    oota(tekst := tekst + f"\n{PEALKIRI}:x=7\nMuutuja x väärtus={x}\n:x*x\nAvaldise "
         f"väärtus={xx}\n:abi\n ^\nViga: Muutuja väärtustamata!\n:")
    rida().send_keys(Keys.UP * 5 + Keys.ENTER)
    oota(tekst := tekst + "a*4\n" + avaldis + ":")
    d.save_screenshot(f"{kaust}/{programm}.png")
    rida().send_keys("valju" + Keys.ENTER)
    oota(tekst := tekst + "valju\n")
    assert js("return document.activeElement.id") == "uuesti" and not rida().is_displayed()
    d.switch_to.active_element.send_keys(Keys.ENTER)
    oota(tekst + ALGUS)
    # The lines of the last visit come back after a reload, until the switch turns them off.
    for lubatud, eelmine in [(True, "valju"), (False, "")]:
        d.refresh()
        lae()
        rida().send_keys(Keys.UP)
        assert rida().get_attribute("value") == eelmine
        if lubatud:
            d.find_element("id", "ajalugu").click()
    assert js(f"return localStorage.getItem('{programm}.ajalugu')") is None
    assert [k for k in d.get_log("browser") if k["level"] != "INFO"] == []
    print(f"{programm}.html: {os.path.getsize(f'{kaust}/{programm}.html')} bytes, "
          f"{aeg:.0f} ms from load to the first prompt")


with tempfile.TemporaryDirectory() as ajutine:
    with open(f"{ajutine}/skript.txt", "w") as f:
        f.write("x=7\nx*x\nabi\n")
    valikud = ChromeOptions()
    for v in ["--headless=new", "--disable-gpu", "--no-first-run", "--disable-sync",
              "--disable-background-networking", "--disable-component-update",
              "--window-size=900,700", f"--user-data-dir={ajutine}/profiil"]:
        valikud.add_argument(v)
    if os.geteuid() == 0:
        valikud.add_argument("--no-sandbox")  # Chromium's sandbox refuses to run as root
    valikud.binary_location = "/usr/bin/chromium"
    d = Chrome(service=Service("/usr/bin/chromedriver"), options=valikud)
    try:
        for programm in VASTUSED:
            kontrolli(d, programm, sys.argv[1], sys.argv[2], f"{ajutine}/skript.txt")
    finally:
        d.quit()
