// The page around the program: the terminal widget, fitted to the window, a run of the
// program behind it (a ZorpiRun of web/program_io.js, which holds the program's input and
// output), the help, the key bar for touch screens, the session kept as text to save and
// print, the printed calculation record, and a fresh run after the end.
'use strict';

(function () {
  const terminal = new Terminal({
    convertEol: true,  // the program writes "\n" alone, as to a terminal that adds "\r"
    cursorBlink: true,
    scrollback: 10000,
    fontFamily: 'monospace',
    fontSize: 15,
  });
  const fit = new FitAddon.FitAddon();
  terminal.loadAddon(fit);
  terminal.open(document.getElementById('terminal'));

  const endLine = document.getElementById('ende');
  const note = document.getElementById('hinweis');
  const unreadNote = document.getElementById('ungelesen');
  let session = new ZorpiTranscript();
  let current = null;  // the run on screen
  let running = false;
  let typedAnything = false;
  let fixedColumns = null;   // set by the tests that compare with an 80-column terminal
  let firstScreenAt = null;  // ms after navigation start, for the benchmark

  // As many columns and rows as the window leaves the terminal; long lines wrap.
  function refit() {
    const size = fit.proposeDimensions();
    if (size && size.cols > 0 && size.rows > 0) {
      terminal.resize(fixedColumns || size.cols, size.rows);
    }
  }
  new ResizeObserver(refit).observe(document.getElementById('terminal'));

  // The help's tables, laid out once the first menu is drawn (or the program failed).
  function showHelp() {
    const tables = document.getElementById('hilfe-inhalt');
    if (tables !== null) {
      tables.replaceWith(tables.content);
    }
  }

  function show(bytes, drawn) {
    terminal.write(bytes, () => {
      if (firstScreenAt === null) {
        firstScreenAt = performance.now();
        setTimeout(showHelp, 0);
      }
      drawn();
    });
    session.add(bytes);
  }

  // What the program waits for sets the phone's keyboard (numbers at a number read). At a key
  // read the page shows the number text the program holds unread; the note on a comma taken
  // as a point lasts while its line is typed.
  function onRead(kind, unread, lineGoesOn) {
    const numbers = kind === ZorpiRun.NUMBER_READ;
    terminal.textarea.setAttribute('inputmode', numbers ? 'decimal' : 'text');
    unreadNote.textContent = !numbers && unread !== ''
        ? 'Noch nicht gelesen: ' + unread + ' – die nächste Zahlenfrage nimmt es' : '';
    if (!lineGoesOn) {
      note.textContent = '';
    }
  }

  function onComma() {
    note.textContent = 'Komma als Dezimalpunkt genommen';
  }

  // Ends the run on screen, if any, and starts a fresh one.
  async function start() {
    if (current !== null) {
      current.stop();
    }
    const run = current = new ZorpiRun({show, onRead, onComma});
    running = true;
    if (session.text() !== '') {
      session = new ZorpiTranscript();
      // A full reset (RIS) in the stream, after whatever of the last run is still to draw.
      terminal.write('\x1bc');
    }
    endLine.textContent = '';
    note.textContent = '';
    unreadNote.textContent = '';
    terminal.focus();
    let status = null;
    try {
      status = await run.run();
    } catch (failure) {
      if (run === current) {
        endLine.textContent = 'ZORPI konnte nicht laufen: ' + failure;
      }
      showHelp();
    }
    if (run !== current) {
      return;
    }
    running = false;
    if (status !== null) {
      endLine.textContent = 'ZORPI beendet (Status ' + status + ').';
    }
    unreadNote.textContent = '';
    // An Enter typed with the key that ended the run, or after it, starts the next one.
    if (run.enterTypedAtTheEnd()) {
      start();
    }
  }

  // Typing, from the keyboard or the key bar: to the program, or Enter for a fresh run.
  function type(data, arrival = ZorpiRun.TYPED) {
    if (!running) {
      if (data === '\r') {
        start();
      }
      return;
    }
    typedAnything = true;
    current.type(data, arrival);
  }
  // A paste is told from typing by the paste event, which comes just before xterm.js hands
  // the pasted text on.
  let pasting = false;
  document.getElementById('terminal').addEventListener('paste', () => {
    pasting = true;
    setTimeout(() => {
      pasting = false;
    }, 0);
  }, true);
  terminal.onData((data) => type(data, pasting ? ZorpiRun.PASTE : ZorpiRun.TYPED));

  // Ctrl-C with text selected copies it, as everywhere in a browser; without, it goes to the
  // program. Returning false leaves the key to the browser, whose copy xterm.js answers.
  terminal.attachCustomKeyEventHandler((event) => {
    const copy = event.type === 'keydown' && event.ctrlKey && !event.altKey &&
                 event.key.toLowerCase() === 'c' && terminal.hasSelection();
    if (copy && navigator.clipboard) {
      navigator.clipboard.writeText(terminal.getSelection()).catch(() => {});
    }
    return !copy;
  });

  // The key bar sends its key as typing it would, without taking the focus.
  const barKeys = {Enter: '\r', Backspace: '\x7f'};
  for (const button of document.querySelectorAll('#tasten button')) {
    button.addEventListener('pointerdown', (event) => event.preventDefault());
    button.addEventListener('click', () => type(barKeys[button.dataset.key] || button.dataset.key));
  }

  const helpButton = document.getElementById('hilfe-knopf');
  helpButton.addEventListener('click', () => {
    const open = document.body.classList.toggle('hilfe-offen');
    helpButton.setAttribute('aria-expanded', String(open));
    if (!open) {
      terminal.focus();
    }
  });

  document.getElementById('speichern').addEventListener('click', () => {
    const file = new Blob([session.text()], {type: 'text/plain;charset=utf-8'});
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = 'zorpi-sitzung.txt';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    terminal.focus();
  });

  // Whatever starts a print but the record's button, the browser's own menu included,
  // prints the session.
  window.addEventListener('beforeprint', () => {
    document.getElementById('protokoll').textContent = session.text();
  });
  window.addEventListener('afterprint', () => document.body.classList.remove('druck-berechnung'));
  document.getElementById('drucken').addEventListener('click', () => {
    window.print();
    terminal.focus();
  });

  // A value the listing or the results show, as a line of the record.
  function recordLine(shown) {
    if (ZorpiRecordChoices.includes(shown.field)) {
      return shown.symbol;
    }
    return shown.symbol + ' = ' + shown.value + (shown.unit ? ' [' + shown.unit + ']' : '');
  }

  // Fills the record's page: title, date and time, the values and the results of the input
  // as it stands, made by a hidden run that no key of this one reaches; false when there is
  // nothing to print.
  async function prepareRecord() {
    const taken = running ? current.handOuts.copy() : current.takenBeforeTheEnd();
    let record;
    try {
      record = await zorpiCalculationRecord(taken);
    } catch (failure) {
      return false;
    }
    if (record.values.length === 0 && record.results.length === 0) {
      return false;
    }
    const title = document.getElementById('titel').value.trim();
    document.getElementById('druck-titel').textContent = title ? 'Berechnung: ' + title : '';
    document.getElementById('druck-zeit').textContent =
        'Gedruckt am ' + new Date().toLocaleString('de-DE');
    document.getElementById('druck-werte').textContent = record.values.map(recordLine).join('\n');
    document.getElementById('druck-ergebnisse').textContent =
        record.results.map(recordLine).join('\n');
    document.body.classList.add('druck-berechnung');
    return true;
  }
  let preparing = false;
  document.getElementById('berechnung').addEventListener('click', async () => {
    if (preparing) {
      return;
    }
    preparing = true;
    const before = endLine.textContent;
    endLine.textContent = 'Berechnung wird vorbereitet …';
    const ready = await prepareRecord();
    endLine.textContent = ready ? before : 'Die Berechnung ließ sich nicht vorbereiten.';
    preparing = false;
    if (ready) {
      window.print();
    }
    terminal.focus();
  });
  document.getElementById('neu').addEventListener('click', start);

  // Once anything was typed, leaving the page asks first.
  window.addEventListener('beforeunload', (event) => {
    if (typedAnything) {
      event.preventDefault();
      event.returnValue = '';
    }
  });

  // ---- Test hooks: for the page's tests and the benchmark only. ----
  window.zorpi = {
    // The session as it would be saved.
    text: () => session.text(),
    // The screen as the terminal draws it, scrollback included, right ends trimmed.
    screen: () => {
      const buffer = terminal.buffer.active;
      const lines = [];
      for (let row = 0; row < buffer.length; ++row) {
        lines.push(buffer.getLine(row).translateToString(true));
      }
      return lines.join('\n').replace(/\n+$/, '');
    },
    size: () => ({columns: terminal.cols, rows: terminal.rows}),
    // Keeps the terminal at `count` columns, whatever the window's width.
    fixColumns: (count) => {
      fixedColumns = count;
      refit();
    },
    waiting: () => running && current.waiting(),
    ended: () => !running,
    firstScreenAt: () => firstScreenAt,
    // Types `keys` one after the other in the same moment, each as a key of its own.
    typeTogether: (keys) => keys.forEach((key) => type(key)),
    preparing: () => preparing,
  };
  // ---- End of the test hooks. ----

  refit();
  start();
})();
