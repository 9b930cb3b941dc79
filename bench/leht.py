#!/usr/bin/python3
"""The web page's figures, in headless Chromium: how long a typed line takes to be answered and
shown after 0.25, 1 and 10 MB of scripts, a 10 MB script's time in zemtar.html beside the node
program's on it (interleaved rounds, medians), and the page's memory after a script that prints
1.3 GB. Prints figures and checks nothing.
  bench/leht.py [BUILD_WEB]      (default build-web, made by pakett/README.md's command)"""
import os, statistics, subprocess, sys, tempfile, time
from selenium.webdriver import Chrome, ChromeOptions
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

kaust = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-web")
RINGE = int(os.environ.get("RINGE", "3"))


def selain(ajutine):
    valikud = ChromeOptions()
    for v in ["--headless=new", "--disable-gpu", "--no-first-run", "--disable-sync",
              "--disable-background-networking", "--disable-component-update",
              "--window-size=900,700", "--js-flags=--expose-gc", f"--user-data-dir={ajutine}/p"]:
        valikud.add_argument(v)
    if os.geteuid() == 0:
        valikud.add_argument("--no-sandbox")
    valikud.binary_location = "/usr/bin/chromium"
    return Chrome(service=Service("/usr/bin/chromedriver"), options=valikud)


def lae(d):
    d.get(f"file://{kaust}/zemtar.html")
    WebDriverWait(d, 30).until(
        lambda _: d.execute_script("return performance.getEntriesByName('esimene viip').length"))


def skript(d, tee):  # ms from the file's contents in the page to the script's end
    maara = "return performance.getEntriesByName('skript', 'measure')"
    n = d.execute_script(maara + ".length")
    d.find_element("id", "skript").send_keys(tee)
    WebDriverWait(d, 900, 0.02).until(lambda _: d.execute_script(maara + ".length") > n)
    return d.execute_script(maara + ".at(-1).duration")


def rida(d):  # ms from Enter to the frame after the answer is shown, median of 5
    return statistics.median(d.execute_async_script("""
        const valmis = arguments[0], ajad = [];
        (function uus() {
          if (ajad.length === 5) return valmis(ajad);
          const algus = performance.now();
          rida.value = '1+2';
          vorm.requestSubmit();
          requestAnimationFrame(() => setTimeout(() => {
            ajad.push(performance.now() - algus);
            uus();
          }));
        })();"""))


def renderdajad():  # the renderers' resident and peak memory, KiB, by process
    mahud = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if b"--type=renderer" not in open(f"/proc/{pid}/cmdline", "rb").read():
                continue
            olek = dict(r.split(":", 1) for r in open(f"/proc/{pid}/status").read().splitlines())
        except OSError:
            continue
        mahud[pid] = int(olek["VmRSS"].split()[0]), int(olek["VmHWM"].split()[0])
    return mahud


with tempfile.TemporaryDirectory() as ajutine:
    skriptid = {}
    for nimi, sisu in [("0.25", b"1+2\n" * (1 << 16)), ("1", b"1+2\n" * (1 << 18)),
                       ("10", b"1+2\n" * (10 << 18)), ("1.3 GB", b"a=2147483000\n" + b"a\n" * 600)]:
        skriptid[nimi] = f"{ajutine}/{nimi.split()[0]}.txt"
        with open(skriptid[nimi], "wb") as f:
            f.write(sisu)
    d = selain(ajutine)
    try:
        lae(d)
        enne = renderdajad()
        aeg = skript(d, skriptid["1.3 GB"])
        d.execute_script("gc()")
        time.sleep(1)
        parast = renderdajad()
        pid = max(parast, key=lambda p: parast[p][1] - enne.get(p, (0, 0))[1])
        merke, keko = d.execute_script(
            "return [ekraan.textContent.length, performance.memory.usedJSHeapSize]")
        mib = lambda kib: f"{kib / 1024:.0f} MiB"
        print(f"zemtar.html, a script that prints 1.3 GB ({aeg / 1000:.1f} s): the page's "
              f"renderer process {mib(enne[pid][0])} resident before it, {mib(parast[pid][0])} "
              f"after it, {mib(parast[pid][1])} at its peak; {merke:,} characters in the "
              f"transcript, {keko / 2**20:.0f} MiB of script heap; a typed line {rida(d):.1f} ms")
        print("\nzemtar.html, scripts of 1+2 lines one after another on one page:")
        print("| script | script's time | a typed line after it |\n|---|---:|---:|")
        lae(d)
        for nimi in ["0.25", "1", "10"]:
            print(f"| {nimi} MB | {skript(d, skriptid[nimi]):,.0f} ms | {rida(d):.1f} ms |")

        lehel, nodes = [], []
        for _ in range(RINGE):
            lehel.append(skript(d, skriptid["10"]) / 1000)
            algus = time.perf_counter()
            subprocess.run(["node", "--no-experimental-fetch", f"{kaust}/zemtar.js", "-f",
                            skriptid["10"]], stdout=subprocess.DEVNULL)
            nodes.append(time.perf_counter() - algus)
        leht, node = statistics.median(lehel), statistics.median(nodes)
        print(f"\n10 MB script, median of {RINGE}: the page {leht:.2f} s, node {node:.2f} s "
              f"({leht / node:.1f} times node's time)")
    finally:
        d.quit()
