// What the page (leht.html) does as a console of the calculator: each line typed goes to the
// running program, and what the program prints, in UTF-8, is added to the transcript after the
// line's echo. Up and Down recall the lines typed before, kept in the browser's local storage
// when it allows and the page's switch does, for all the page's tabs at once. A file opened or
// dropped runs as "-f" runs it, in a worker of its own (this same script, with no page), so that
// the page answers while it runs and can stop it.
(function () {
  'use strict';
  // The transcript keeps what a terminal's scrollback would: the last RIDU lines, and no more
  // than MARKE characters (as many lines of 100 columns). Older lines leave the page in blocks
  // of a hundredth of that, so that no addition lays out more than the last block again.
  const RIDU = 10000;
  const MARKE = 100 * RIDU;

  // The program's standard output and error, handed to kuhu in the blocks in which the C
  // library writes them.
  function valjund(kuhu) {
    Module.preRun = [function () {
      FS.init();
      const seade = FS.makedev(64, 0);
      FS.registerDevice(seade, {
        write: function (voog, puhver, algus, pikkus) {
          kuhu(new Uint8Array(puhver.buffer, puhver.byteOffset + algus, pikkus));
          return pikkus;
        }
      });
      FS.mkdev('/dev/leht', seade);
      for (const fd of [1, 2]) {
        FS.close(FS.streams[fd]);
        FS.open('/dev/leht', 1);
      }
    }];
  }

  // The text's UTF-8 bytes with a NUL after them, in the program's memory while f runs.
  function malus(tekst, f) {
    const b = new TextEncoder().encode(tekst);
    const koht = Module._malloc(b.length + 1);
    if (koht === 0) throw new RangeError('rida ei mahu mällu');
    HEAPU8.set(b, koht);
    HEAPU8[koht + b.length] = 0;
    try {
      return f(koht, b.length);
    } finally {
      Module._free(koht);
    }
  }

  // How many newlines the bytes (or, with '\n', the text) hold.
  function reavahetusi(b, reavahetus = 10) {
    let n = 0;
    for (let i = b.indexOf(reavahetus); i >= 0; i = b.indexOf(reavahetus, i + 1)) n++;
    return n;
  }

  if (typeof document === 'undefined') {
    tootaja();
  } else {
    leht();
  }

  // The worker: runs each script posted to it and posts back what it prints, in pieces at most
  // every PAUS ms, with how many of the script's lines have been read. What the page would drop
  // anyway is dropped here, so that no amount of output piles up between the two: only the last
  // HOIA bytes wait in puhver, counted in the lines dropped before them.
  function tootaja() {
    const PAUS = 50;
    const HOIA = 3 * MARKE;  // bytes: MARKE characters take at most this many
    const puhver = new Uint8Array(2 * HOIA);
    let pikkus = 0, jaetud = 0, kesk = false, saadetud = 0;
    let skript = null, loetud = 0, tehtud = 0, kokku = 0, ootel = null;
    valjund(function (b) {
      if (b.length > HOIA) {
        jata(pikkus);
        jaetud += reavahetusi(b.subarray(0, b.length - HOIA));
        kesk = b[b.length - HOIA - 1] !== 10;
        b = b.subarray(b.length - HOIA);
      }
      if (pikkus + b.length > puhver.length) jata(pikkus + b.length - HOIA);
      puhver.set(b, pikkus);
      pikkus += b.length;
      if (performance.now() - saadetud >= PAUS) saada(false);
    });

    function jata(n) {
      if (n === 0) return;
      jaetud += reavahetusi(puhver.subarray(0, n));
      kesk = puhver[n - 1] !== 10;
      puhver.copyWithin(0, n, pikkus);
      pikkus -= n;
    }

    // What waits: its last RIDU lines; after lines were dropped, from the start of a line when
    // one starts in it, else from the start of a character in the one line it holds.
    function saada(lopp) {
      let algus = pikkus, n = 0;
      while (n <= RIDU && algus > 0 && (algus = puhver.lastIndexOf(10, algus - 1)) >= 0) n++;
      if (n > RIDU) {
        jaetud += reavahetusi(puhver.subarray(0, ++algus));
        kesk = false;
      } else if (kesk) {
        algus = puhver.subarray(0, pikkus).indexOf(10) + 1;
        if (algus > 0) {
          jaetud++;
          kesk = false;
        } else {
          while ((puhver[algus] & 0xC0) === 0x80) algus++;
        }
      } else {
        algus = 0;
      }
      const baidid = puhver.slice(algus, pikkus);
      const voog = FS.streams.find(function (v) { return v && v.path === '/skript'; });
      if (voog) {
        tehtud += reavahetusi(skript.subarray(loetud, voog.position));
        loetud = voog.position;
      }
      postMessage({baidid: baidid, jaetud: jaetud, kesk: kesk, tehtud: tehtud, kokku: kokku,
                   lopp: lopp}, [baidid.buffer]);
      pikkus = jaetud = 0;
      kesk = false;
      saadetud = performance.now();
    }

    function kaivita() {
      skript = new Uint8Array(ootel);
      ootel = null;
      loetud = tehtud = saadetud = 0;
      kokku = reavahetusi(skript) + (skript.length > 0 && skript[skript.length - 1] !== 10);
      FS.writeFile('/skript', skript);
      try {
        malus('/skript', function (k) { return Module._skript(k); });
        FS.unlink('/skript');
        saada(true);
      } catch (e) {
        postMessage({viga: String(e.message || e)});
      }
    }

    // The page posts one script at a time, maybe before the program has started here.
    onmessage = function (e) {
      ootel = e.data;
      if (Module.calledRun) kaivita();
    };
    Module.onRuntimeInitialized = function () {
      Module._puhverda();
      if (ootel) kaivita();
    };
  }

  function leht() {
    const osa = document.getElementById.bind(document);
    const ekraan = osa('ekraan'), kadunud = osa('kadunud'), viimane = osa('viimane');
    const saba = osa('saba'), vorm = osa('vorm'), sisend = osa('rida'), uuesti = osa('uuesti');
    const hoia = osa('ajalugu'), valik = osa('skript'), kaib = osa('kaib');
    const edenemine = osa('edenemine'), olek = osa('olek'), peata = osa('peata');
    const programm = document.documentElement.dataset.programm;
    const kood = URL.createObjectURL(
        new Blob([document.currentScript.textContent], {type: 'text/javascript'}));

    // The transcript's blocks, oldest first: a pre each, its lines, the text that is in it and
    // how much of that is shown. What follows the last newline waits in saba, before the line
    // being typed.
    let plokid = [], ridu = 0, marke = 0, jaetud = 0, kerib = false;
    const PLOKIS = RIDU / 100;

    // Bidirectional controls would reorder what follows them: shown by name instead.
    function nimega(tekst) {
      return tekst.replace(/[\u202A-\u202E\u2066-\u2069]/g, function (c) {
        return '<U+' + c.charCodeAt(0).toString(16).toUpperCase() + '>';
      });
    }

    // Text for the transcript: its lines to the blocks, and once a frame, the page to its end.
    function lisa(tekst) {
      tekst = saba.textContent + nimega(tekst);
      const lopp = tekst.lastIndexOf('\n') + 1;
      saba.textContent = tekst.length - lopp > MARKE ? '…' + tekst.slice(-MARKE) : tekst.slice(lopp);
      for (let algus = 0; algus < lopp;) {
        let plokk = plokid[plokid.length - 1];
        if (!plokk || plokk.ridu >= PLOKIS || plokk.tekst.length >= MARKE / 100) {
          plokk = {tekst: '', ridu: 0, naha: 0, pre: null};
          plokid.push(plokk);
        }
        let koht = algus;
        while (koht < lopp && plokk.ridu < PLOKIS &&
               plokk.tekst.length + koht - algus < MARKE / 100) {
          koht = tekst.indexOf('\n', koht) + 1;
          plokk.ridu++;
          ridu++;
        }
        plokk.tekst += tekst.slice(algus, koht);
        marke += koht - algus;
        algus = koht;
      }
      karbi();
      for (const plokk of plokid) {
        if (plokk.naha === plokk.tekst.length) continue;
        if (!plokk.pre) ekraan.append(plokk.pre = document.createElement('pre'));
        plokk.pre.append(plokk.tekst.slice(plokk.naha));
        plokk.naha = plokk.tekst.length;
      }
      if (!kerib) {
        kerib = true;
        requestAnimationFrame(function () {
          kerib = false;
          document.scrollingElement.scrollTop = document.scrollingElement.scrollHeight;
        });
      }
    }

    // Old lines out, whole blocks at a time; a block that alone holds too much keeps its end.
    function karbi() {
      while (plokid.length && (ridu - plokid[0].ridu >= RIDU || marke > MARKE)) {
        const plokk = plokid[0];
        if (plokid.length > 1) {
          plokid.shift();
          if (plokk.pre) plokk.pre.remove();
          jata(plokk.ridu, plokk.tekst.length);
          continue;
        }
        const valja = plokk.tekst.slice(0, 1 - MARKE);
        const n = reavahetusi(valja, '\n');
        jata(n, valja.length - 1);
        plokk.tekst = '…' + plokk.tekst.slice(1 - MARKE);
        plokk.ridu -= n;
        if (plokk.pre) plokk.pre.textContent = '';
        plokk.naha = 0;
      }
    }

    function jata(n, pikkus) {
      ridu -= n;
      marke -= pikkus;
      jaetud += n;
      kadunud.textContent = jaetud + (jaetud === 1 ? ' varasem rida on' : ' varasemat rida on') +
                            ' ekraanilt kadunud\n';
    }

    // Every line shown so far leaves, and n lines that came after them.
    function jata_koik(n) {
      for (const plokk of plokid) {
        if (plokk.pre) plokk.pre.remove();
      }
      jaetud += n;
      jata(ridu, marke);
      plokid = [];
    }

    // The page's own run of keyboard mode, in this page: what it prints goes straight on.
    const dekooder = new TextDecoder();
    valjund(function (b) { lisa(dekooder.decode(b, {stream: true})); });
    let kaimas = false;  // whether a run goes on, with its prompt

    function kutsu(f) {
      try {
        return f();
      } catch (e) {
        lisa('\nLehe viga: ' + (e.message || e) + '\n');
        return 1;
      }
    }

    // A line typed shows as a terminal's echo shows it: control characters as ^[ and M-BM-^[.
    function kaja(rida) {
      return rida.replace(/[\0-\x08\x0B-\x1F\x7F-\x9F]/g, function (c) {
        const k = c.charCodeAt(0);
        if (k === 0x7F) return '^?';
        return (k < 0x80 ? '^' : 'M-BM-^') + String.fromCharCode((k & 31) + 64);
      });
    }

    // Storage may be refused (a setting, a private window): then lines are kept for this visit.
    // Every tab of the page shares what is stored, and the switch: a tab that stores a line
    // asks both afresh, and hears from the others through the storage event.
    const VOTI = programm + '.ajalugu';
    const VALJAS = programm + '.ajalugu-valjas';
    const MAHT = 1000;  // lines kept, as at a terminal
    function hoidla(f) {
      try {
        return f(window.localStorage);
      } catch (e) {
        return null;
      }
    }
    function hoitud() {
      const loetud = hoidla(function (h) { return JSON.parse(h.getItem(VOTI) || '[]'); });
      return Array.isArray(loetud) ? loetud.filter(function (r) { return typeof r === 'string'; })
                                   : [];
    }
    function lubatud() {
      return hoidla(function (h) { return h.getItem(VALJAS) === null; }) !== false;
    }
    hoia.checked = lubatud();
    let read = hoia.checked ? hoitud() : [];
    let koht = read.length;  // read[koht] is shown; read.length is the line being typed
    let mustand = '';

    hoia.addEventListener('change', function () {
      hoidla(function (h) {
        if (hoia.checked) {
          h.removeItem(VALJAS);
        } else {
          h.removeItem(VOTI);
          h.setItem(VALJAS, '1');
        }
      });
    });
    window.addEventListener('storage', function (e) {
      hoia.checked = lubatud();
      if (e.key !== VOTI || e.newValue === null) return;
      const kaugel = read.length - koht;
      read = hoitud();
      koht = Math.max(read.length - kaugel, 0);
    });

    // Blank lines and a repeat of the line before are not kept.
    function jata_meelde(rida) {
      const lisatud = function (r) {
        if (rida.trim() !== '' && r[r.length - 1] !== rida) r.push(rida);
        r.splice(0, r.length - MAHT);
        return r;
      };
      if (!hoia.checked || !hoidla(function (h) {
            if (h.getItem(VALJAS) !== null) return false;
            h.setItem(VOTI, JSON.stringify(read = lisatud(hoitud())));
            return true;
          })) {
        read = lisatud(read);
      }
      koht = read.length;
      mustand = '';
    }

    function liigu(samm) {
      const uus = koht + samm;
      if (uus < 0 || uus > read.length) return;
      if (koht === read.length) mustand = sisend.value;
      koht = uus;
      sisend.value = koht === read.length ? mustand : read[koht];
      sisend.setSelectionRange(sisend.value.length, sisend.value.length);
    }

    sisend.addEventListener('keydown', function (e) {
      if (e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
      if (e.key === 'ArrowUp' || e.key === 'ArrowDown') {
        e.preventDefault();
        liigu(e.key === 'ArrowUp' ? -1 : 1);
      } else if (e.key === 'Escape') {
        e.preventDefault();
        sisend.value = mustand = '';
        koht = read.length;
      }
    });
    // The buttons beside the line, for a keyboard that has no arrows, leave the focus on it.
    for (const samm of [-1, 1]) {
      const nupp = osa(samm < 0 ? 'eelmine' : 'jargmine');
      nupp.addEventListener('mousedown', function (e) { e.preventDefault(); });
      nupp.addEventListener('click', function () {
        liigu(samm);
        sisend.focus();
      });
    }

    vorm.addEventListener('submit', function (e) {
      e.preventDefault();
      const rida = sisend.value;
      sisend.value = '';
      jata_meelde(rida);
      lisa(kaja(rida) + '\n');
      if (kutsu(function () {
            return malus(rida + '\n', function (k, n) { return Module._rida(k, n); });
          })) {
        kaimas = false;
        vorm.hidden = true;
        uuesti.hidden = false;
        uuesti.focus();
      }
    });

    function alusta() {
      kaimas = true;
      uuesti.hidden = true;
      vorm.hidden = false;
      kutsu(function () { Module._alusta(); });
      sisend.focus();
    }
    uuesti.addEventListener('click', alusta);

    // Scripts run one at a time, each on an evaluator of its own in the worker, named in the
    // transcript where the prompt was; the prompt comes back after it. Stopping one ends the
    // worker, and the next script gets a new one.
    let too = null, ootel = [], dekood = null, nimi = '';
    function skript(fail) {
      if (!fail) return;
      fail.arrayBuffer().then(function (sisu) {
        ootel.push({nimi: fail.name, sisu: sisu});
        if (ootel.length === 1 && kaib.hidden) jargmine();
      });
      valik.value = '';
    }

    function jargmine() {
      const fail = ootel.shift();
      nimi = fail.nimi;
      if (!too) {
        too = new Worker(kood);
        too.onmessage = vastus;
        too.onerror = function (e) {
          e.preventDefault();
          lopeta('Skript katkes: ' + e.message);
        };
      }
      edenemine.removeAttribute('value');
      olek.textContent = nimi;
      saba.textContent = '';
      lisa(programm + ' -f ' + kaja(nimi) + '\n');
      dekood = new TextDecoder();
      viimane.hidden = uuesti.hidden = true;
      kaib.hidden = false;
      ekraan.ariaBusy = 'true';  // a screen reader reads what stays when the script ends
      peata.focus();
      performance.mark('skript');
      too.postMessage(fail.sisu, [fail.sisu]);
    }

    function vastus(e) {
      const s = e.data;
      if (e.target !== too) return;  // a stopped script's last words
      if (s.viga) return lopeta('Skript katkes: ' + s.viga);
      if (s.jaetud || s.kesk) {
        jata_koik(s.jaetud);
        saba.textContent = '';
        dekood = new TextDecoder();
        if (s.kesk) lisa('…');
      }
      lisa(dekood.decode(s.baidid, {stream: !s.lopp}));
      edenemine.max = s.kokku;
      edenemine.value = s.tehtud;
      olek.textContent = nimi + ': ' + s.tehtud + ' / ' + s.kokku + ' rida';
      if (s.lopp) lopeta('');
    }

    // After a script: what it left unfinished, and why it ended if it did not end by itself.
    function lopeta(miks) {
      if (miks) {
        too.terminate();
        too = null;
        lisa(dekood.decode());
        lisa((saba.textContent ? '\n' : '') + miks + '\n');
      }
      kaib.hidden = true;
      viimane.hidden = false;
      ekraan.ariaBusy = 'false';
      performance.measure('skript', 'skript');
      if (ootel.length) return jargmine();
      if (kaimas) {
        lisa(':');
        sisend.focus();
      } else {
        uuesti.hidden = false;
        uuesti.focus();
      }
    }
    peata.addEventListener('click', function () { lopeta('Peatatud.'); });

    valik.addEventListener('change', function () { skript(valik.files[0]); });
    document.addEventListener('dragover', function (e) {
      e.preventDefault();
      document.body.classList.add('lohistab');
    });
    document.addEventListener('dragleave', function () {
      document.body.classList.remove('lohistab');
    });
    document.addEventListener('drop', function (e) {
      e.preventDefault();
      document.body.classList.remove('lohistab');
      skript(e.dataTransfer.files[0]);
    });
    ekraan.addEventListener('click', function () {
      if (!vorm.hidden && window.getSelection().isCollapsed) sisend.focus();
    });

    Module.onRuntimeInitialized = function () {
      Module._puhverda();
      alusta();
      performance.mark('esimene viip');
      sisend.disabled = false;
      sisend.focus();
    };
  }
})();
