// What the page (leht.html) does as a console of the calculator: each line typed goes to the
// running program, and what the program prints, in UTF-8, is added to the transcript after the
// line's echo. Up and Down recall the lines typed before, kept in the browser's local storage
// when it allows and the page's switch does. A file opened or dropped runs as "-f" runs it.
(function () {
  'use strict';
  const ekraan = document.getElementById('ekraan');
  const vorm = document.getElementById('vorm');
  const sisend = document.getElementById('rida');
  const uuesti = document.getElementById('uuesti');
  const hoia = document.getElementById('ajalugu');
  const valik = document.getElementById('skript');
  const programm = document.documentElement.dataset.programm;
  const VOTI = programm + '.ajalugu';
  const VALJAS = programm + '.ajalugu-valjas';
  const MAHT = 1000;  // lines kept, as at a terminal

  // What the program prints during one call, standard error too: the page is its console.
  // The C library hands it over a byte at a time.
  let baidid = new Uint8Array(4096);
  let pikkus = 0;
  const kogu = function (b) {
    if (b === null) return;
    if (pikkus === baidid.length) {
      const suurem = new Uint8Array(2 * baidid.length);
      suurem.set(baidid);
      baidid = suurem;
    }
    baidid[pikkus++] = b & 255;
  };
  Module.preRun = [function () {
    FS.init(function () { return null; }, kogu, kogu);
  }];

  function naita(tekst) {
    ekraan.append(tekst);
    sisend.scrollIntoView({block: 'nearest'});
  }

  function kutsu(f) {
    pikkus = 0;
    const tulemus = f();
    naita(new TextDecoder().decode(baidid.subarray(0, pikkus)));
    return tulemus;
  }

  // The text's UTF-8 bytes with a NUL after them, in the program's memory while f runs.
  function malus(tekst, f) {
    const b = new TextEncoder().encode(tekst);
    const koht = Module._malloc(b.length + 1);
    HEAPU8.set(b, koht);
    HEAPU8[koht + b.length] = 0;
    try {
      return f(koht, b.length);
    } finally {
      Module._free(koht);
    }
  }

  // Storage may be refused (a setting, a private window): then lines are kept for this visit.
  function hoidla(f) {
    try {
      return f(window.localStorage);
    } catch (e) {
      return null;
    }
  }
  let read = [];
  if (hoidla(function (h) { return h.getItem(VALJAS); })) {
    hoia.checked = false;
  } else {
    const loetud = hoidla(function (h) { return JSON.parse(h.getItem(VOTI) || '[]'); });
    if (Array.isArray(loetud)) read = loetud.filter(function (r) { return typeof r === 'string'; });
  }
  let koht = read.length;  // read[koht] is shown; read.length is the line being typed
  let mustand = '';

  function salvesta() {
    if (hoia.checked) hoidla(function (h) { h.setItem(VOTI, JSON.stringify(read)); });
  }
  hoia.addEventListener('change', function () {
    hoidla(function (h) {
      if (hoia.checked) {
        h.removeItem(VALJAS);
      } else {
        h.removeItem(VOTI);
        h.setItem(VALJAS, '1');
      }
    });
    salvesta();
  });

  // Blank lines and a repeat of the line before are not kept.
  function jata_meelde(rida) {
    if (rida.trim() !== '' && read[read.length - 1] !== rida) {
      read.push(rida);
      read.splice(0, read.length - MAHT);
      salvesta();
    }
    koht = read.length;
    mustand = '';
  }

  sisend.addEventListener('keydown', function (e) {
    if ((e.key !== 'ArrowUp' && e.key !== 'ArrowDown') || e.altKey || e.ctrlKey || e.metaKey ||
        e.shiftKey)
      return;
    const uus = koht + (e.key === 'ArrowUp' ? -1 : 1);
    e.preventDefault();
    if (uus < 0 || uus > read.length) return;
    if (koht === read.length) mustand = sisend.value;
    koht = uus;
    sisend.value = koht === read.length ? mustand : read[koht];
    sisend.setSelectionRange(sisend.value.length, sisend.value.length);
  });

  vorm.addEventListener('submit', function (e) {
    e.preventDefault();
    const rida = sisend.value;
    sisend.value = '';
    jata_meelde(rida);
    naita(rida + '\n');
    const lopp = kutsu(function () {
      return malus(rida + '\n', function (k, n) { return Module._rida(k, n); });
    });
    if (lopp) {
      vorm.hidden = true;
      uuesti.hidden = false;
      uuesti.focus();
    }
  });

  uuesti.addEventListener('click', function () {
    uuesti.hidden = true;
    vorm.hidden = false;
    kutsu(function () { Module._alusta(); });
    sisend.focus();
  });

  function skript(fail) {
    if (!fail) return;
    fail.arrayBuffer().then(function (sisu) {
      FS.writeFile('/skript', new Uint8Array(sisu));
      kutsu(function () { return malus('/skript', function (k) { return Module._skript(k); }); });
      FS.unlink('/skript');
      valik.value = '';
      (vorm.hidden ? uuesti : sisend).focus();
    });
  }
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
    kutsu(function () { Module._alusta(); });
    performance.mark('esimene viip');
    sisend.disabled = false;
    sisend.focus();
  };
})();
