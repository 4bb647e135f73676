// The page around the program: the terminal widget, fitted to the window and read out by
// screen readers, a run of the program behind it (a ZorpiRun of web/program_io.js, which
// holds the program's input and output), the help, the key bar for touch screens that follows
// what the program waits for, the session kept as text to save and print, the printed
// calculation record, and after the end a fresh run, or one that goes on with the last values.
'use strict';

(function () {
  // The first run's instance is made while the rest of the page is read (web/zorpi.html).
  let firstRun = ZorpiRun.first;
  firstRun.connect({show, onRead, onFact, onComma});

  Terminal.strings.promptLabel = 'ZORPI-Terminal';
  const terminal = new Terminal({
    convertEol: true,  // the program writes "\n" alone, as to a terminal that adds "\r"
    cursorBlink: true,
    scrollback: 10000,
    fontFamily: 'monospace',
    fontSize: 15,
    screenReaderMode: true,
  });
  const fit = new FitAddon.FitAddon();
  terminal.loadAddon(fit);
  terminal.open(document.getElementById('terminal'));
  // xterm.js reads out everything written, assertively, in a region of its own: a menu after
  // every dialogue interrupts speech. The page's own region says it politely and shorter
  // (`announce`), and the terminal's description is the question it asks now.
  for (const region of document.querySelectorAll('#terminal [aria-live]')) {
    region.setAttribute('aria-live', 'off');
  }
  terminal.textarea.setAttribute('aria-describedby', 'frage');

  const endLine = document.getElementById('ende-text');
  const goOn = document.getElementById('weiter');
  const note = document.getElementById('hinweis');
  const unreadNote = document.getElementById('ungelesen');
  const question = document.getElementById('frage');
  const spoken = document.getElementById('ansage');
  let session = new ZorpiTranscript();  // what the terminal shows, as text
  let current = null;  // the run on screen
  let running = false;
  // {handOuts, session, line, begun} of the run that "Mit den letzten Werten weiter" resumes
  let offer = null;
  let line = null;  // the number line being typed: where it began on the screen, and its text
  let menuFrom = null;  // the line the menu being written began on, to print it unsplit
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

  // What the program wrote since it last waited, to be read out: the echo of typing left out,
  // and where the menu began, with its read kind.
  const heard = {text: '', menuAt: -1, menu: null, lastMenu: null, decoder: new TextDecoder()};
  function hear(bytes, echo) {
    if (!echo) {
      heard.text += heard.decoder.decode(bytes, {stream: true});
      if (heard.text.length > 16384) {  // of a long paste, only the end is read out
        heard.text = heard.text.slice(8192);
        heard.menuAt -= 8192;
      }
    }
  }

  // Reads out what the program wrote before it began to wait: politely, so that typing is
  // never interrupted; a menu as the last one in one short line; at most 20 lines.
  function announce() {
    let text = heard.text;
    if (heard.menuAt >= 0 && heard.menu === heard.lastMenu) {
      text = text.slice(0, heard.menuAt) + '\nMenü wie zuvor\n';
    }
    heard.lastMenu = heard.menu === null ? heard.lastMenu : heard.menu;
    heard.text = '';
    heard.menuAt = -1;
    heard.menu = null;
    const lines = text.split('\n').map((text) => text.trim()).filter((text) => text !== '');
    if (lines.length > 0) {
      spoken.replaceChildren(...lines.slice(-20).map((text) => {
        const said = document.createElement('div');
        said.textContent = text;
        return said;
      }));
    }
  }

  function show(bytes, drawn, echo) {
    hear(bytes, echo);
    terminal.write(bytes, () => {
      if (firstScreenAt === null) {
        firstScreenAt = performance.now();
        setTimeout(showHelp, 0);
      }
      drawn();
    });
    session.add(bytes);
  }

  // What the program waits for sets the phone's keyboard (numbers at a number read) and the
  // key bar. At a key read the page shows the number text the program holds unread; the note
  // on a comma taken as a point lasts while its line is typed.
  function onRead(kind, unread, lineGoesOn, asked) {
    const numbers = kind === 'number';
    if (menuFrom !== null) {
      session.keepTogether(menuFrom, session.finishedLines());
      menuFrom = null;
    }
    question.textContent = numbers ? asked || 'Zahl' : questions[kind];
    announce();
    if (!numbers) {
      line = null;
    }
    terminal.textarea.setAttribute('inputmode', numbers ? 'decimal' : 'text');
    document.body.dataset.wartet = kind;
    unreadNote.textContent = !numbers && unread !== ''
        ? 'Noch nicht gelesen: ' + unread + ' – die nächste Zahlenfrage nimmt es' : '';
    if (!lineGoesOn) {
      note.textContent = '';
    }
  }

  // What each key read waits for, as the terminal's description says it.
  const questions = {
    menu: 'Menü: a c e w g i q',
    formfit: 'Menü: a b c d e w g i q',
    page: 'weiter mit bel.Taste.., x bricht die Liste ab',
    info: 'weiter mit bel.Taste..',
  };

  // The page keeps where the number line being typed began, to take it off the screen again,
  // and where a menu begins in what is read out.
  function onFact(fact) {
    if (fact.kind === 'menu') {
      heard.menuAt = heard.text.length;
      heard.menu = fact.value;
      menuFrom = session.finishedLines();
    } else if (fact.kind === 'lineBegins') {
      line = {mark: session.mark(), text: fact.value};
    } else if (fact.kind === 'line' && line !== null) {
      line.text = fact.value;
    }
  }

  function onComma() {
    note.textContent = 'Komma als Dezimalpunkt genommen';
  }

  // Says `ending`, and offers to go on with what `run`, shown as `shown`, took up to the byte
  // that ended it. The number line it was typing (`typing`) leaves the screen; it goes on in
  // the next run when `keepLine` (a terminal drops it with a Ctrl-C).
  function offerToGoOn(run, shown, ending, typing, keepLine) {
    endLine.textContent = ending;
    if (run.tookAnything()) {
      offer = {handOuts: run.takenBeforeTheEnd(), session: shown, line: typing,
               begun: keepLine && typing !== null ? typing.text : ''};
      goOn.hidden = false;
    }
  }

  function withdrawOffer() {
    offer = null;
    goOn.hidden = true;
  }

  // The end of a run in plain words.
  function endingOf(run, status) {
    if (status === 130) {
      return 'ZORPI wurde mit Strg+C abgebrochen. Enter beginnt neu mit dem Beispiel.';
    }
    return run.quitUntaken !== null ? 'ZORPI wurde beendet (q). Enter beginnt neu mit dem Beispiel.'
                                    : 'ZORPI ist zu Ende. Enter beginnt neu mit dem Beispiel.';
  }

  // Starts a fresh run, after ending the one on screen, if any; with `from` (an offer), one
  // that goes on where that run stopped, on its screen as it stood.
  async function start(from = null) {
    if (current !== null) {
      current.stop();
    }
    const run = current = from === null && firstRun !== null
        ? firstRun
        : new ZorpiRun({show, onRead, onFact, onComma,
                        replay: from === null ? null : from.handOuts,
                        begun: from === null ? '' : from.begun});
    firstRun = null;
    running = true;
    if (from !== null && (from.session !== session || from.line !== null)) {
      session = from.session;
      if (from.line !== null) {
        session.cut(from.line.mark);
      }
      terminal.write('\x1bc');
      terminal.write(session.text().split('\n').slice(-terminal.options.scrollback).join('\n'));
    } else if (from === null && session.text() !== '') {
      session = new ZorpiTranscript();
      // A full reset (RIS) in the stream, after whatever of the last run is still to draw.
      terminal.write('\x1bc');
    }
    if (from !== null) {
      withdrawOffer();
    }
    line = null;
    heard.lastMenu = null;
    if (offer === null) {
      endLine.textContent = '';
    }
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
    document.body.dataset.wartet = 'ended';
    question.textContent = 'ZORPI ist beendet: Enter beginnt neu';
    announce();
    unreadNote.textContent = '';
    if (status !== null) {
      offerToGoOn(run, session, endingOf(run, status), line, false);
    }
    // An Enter typed with the key that ended the run, or after it, starts the next one.
    if (run.enterTypedAtTheEnd()) {
      start();
    }
  }

  // Typing, from the keyboard or the key bar: to the program, or Enter for a fresh run.
  function type(data, arrival = 'typed') {
    if (!running) {
      if (data === '\r') {
        start();
      }
      return;
    }
    typedAnything = true;
    if (offer !== null) {
      withdrawOffer();
      endLine.textContent = '';
    }
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
  terminal.onData((data) => type(data, pasting ? 'paste' : 'typed'));

  // Text that comes without a key (an on-screen keyboard, an input method, dictation, an emoji
  // picker) comes as an input event alone, which xterm.js leaves aside while its screen reader
  // support is on: it is typed here, once, by xterm.js's own rule outside that mode (no key
  // down on the terminal). The event and the textarea stay as they are, for xterm.js's
  // compositions.
  const keysDown = new Set();
  const textarea = terminal.textarea;
  textarea.addEventListener('keydown', (event) => keysDown.add(event.code || event.key));
  textarea.addEventListener('keyup', (event) => keysDown.delete(event.code || event.key));
  textarea.addEventListener('blur', () => keysDown.clear());
  textarea.addEventListener('input', (event) => {
    if (event.inputType === 'insertText' && event.data && !event.isComposing &&
        keysDown.size === 0) {
      type(event.data);
    }
  });

  // Tab and Shift+Tab move the focus to the page's controls and back, as everywhere in a
  // browser; the program never gets them (tabs pasted still reach it). Ctrl-C with text
  // selected copies it; without, it goes to the program. Returning false leaves the key to
  // the browser, whose copy xterm.js answers.
  terminal.attachCustomKeyEventHandler((event) => {
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      return false;
    }
    const copy = event.type === 'keydown' && event.ctrlKey && !event.altKey &&
                 event.key.toLowerCase() === 'c' && terminal.hasSelection();
    if (copy && navigator.clipboard) {
      navigator.clipboard.writeText(terminal.getSelection()).catch(() => {});
    }
    return !copy;
  });

  // The key bar sends its key as typing it would, without taking the focus.
  const barKeys = {Enter: '\r', Backspace: '\x7f', Space: ' '};
  for (const button of document.querySelectorAll('#tasten button')) {
    button.addEventListener('pointerdown', (event) => event.preventDefault());
    button.addEventListener('click', () => type(barKeys[button.dataset.key] || button.dataset.key));
  }

  // On a narrow screen the header is one row: the name, and a button that opens the rest.
  const menuButton = document.getElementById('menue-knopf');
  const header = document.getElementById('kopf');
  function openPanel(open) {
    header.classList.toggle('offen', open);
    menuButton.setAttribute('aria-expanded', String(open));
  }
  menuButton.addEventListener('click', () => openPanel(!header.classList.contains('offen')));

  // On a narrow screen the help is a view of its own, in the work's place: the header's panel
  // closes, and the help is the page's main part until "Zurück zum Programm".
  const helpButton = document.getElementById('hilfe-knopf');
  const help = document.getElementById('hilfe');
  const narrow = window.matchMedia('(max-width: 999px)');
  function helpIsMain() {
    const main = narrow.matches && document.body.classList.contains('hilfe-offen');
    help.setAttribute('role', main ? 'main' : 'region');
  }
  function toggleHelp() {
    const open = document.body.classList.toggle('hilfe-offen');
    helpButton.setAttribute('aria-expanded', String(open));
    openPanel(false);
    helpIsMain();
    if (open) {
      help.focus();
    } else {
      terminal.focus();
    }
  }
  helpButton.addEventListener('click', toggleHelp);
  document.getElementById('zurueck').addEventListener('click', toggleHelp);
  narrow.addEventListener('change', helpIsMain);

  // Safari on iOS keeps the layout when its keyboard opens and shrinks only what is visible:
  // the page follows, so that the prompt, the notes and the key bar stay above the keyboard.
  if (window.visualViewport) {
    window.visualViewport.addEventListener('resize', () => {
      document.body.style.setProperty('--sichtbar', window.visualViewport.height + 'px');
    });
  }

  document.getElementById('speichern').addEventListener('click', () => {
    const file = new Blob([session.text()], {type: 'text/plain;charset=utf-8'});
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = 'zorpi-sitzung.txt';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    terminal.focus();
  });

  // What is typed in one of the fields beside the title, and the time now, as printed.
  const field = (id) => document.getElementById(id).value.trim();
  const now = () => new Date().toLocaleString('de-DE');
  // A printed PDF is named after the title, so that saved ones tell each other apart.
  const pageTitle = document.title;
  const nameThePrint = () => {
    document.title = field('titel') === '' ? pageTitle : 'ZORPI – ' + field('titel');
  };

  // Whatever starts a print but the record's button, the browser's own menu included,
  // prints the session: its menus each on one page.
  window.addEventListener('beforeprint', () => {
    nameThePrint();
    if (document.body.classList.contains('druck-berechnung')) {
      return;
    }
    document.getElementById('protokoll').replaceChildren(...session.printPieces().map((piece) => {
      if (!piece.together) {
        return document.createTextNode(piece.text);
      }
      const block = document.createElement('span');
      block.className = 'zusammen';
      block.textContent = piece.text;
      return block;
    }));
    document.getElementById('sitzung-titel').textContent = field('titel');
    document.getElementById('sitzung-namen').textContent =
        `Bearbeiter: ${field('bearbeiter') || '__________'}    ` +
        `Geprüft: ${field('geprueft') || '__________'}`;
    document.getElementById('sitzung-zeit').textContent = 'Gedruckt am ' + now();
  });
  window.addEventListener('afterprint', () => {
    document.body.classList.remove('druck-berechnung');
    document.title = pageTitle;
  });
  document.getElementById('drucken').addEventListener('click', () => {
    window.print();
    terminal.focus();
  });

  // Lays out the record's page: the title and names typed beside it, the date and time, the
  // values and the results of the input as it stands, made by a hidden run that no key of
  // this one reaches; false when there is nothing to print.
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
    zorpiLayRecord(record, {title: field('titel'), preparer: field('bearbeiter'),
                            checker: field('geprueft'), date: now()});
    nameThePrint();
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
  // A fresh run with the example; the run that was on screen can be gone on with.
  document.getElementById('neu').addEventListener('click', () => {
    const stopped = running ? current : null;
    const shown = session;
    const typing = line;
    start();
    if (stopped !== null) {
      offerToGoOn(stopped, shown, 'Neu gestartet mit dem Beispiel.', typing, true);
    }
  });
  goOn.addEventListener('click', () => start(offer));

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
    // Where the line with the cursor, the one being typed, lies in the window, in CSS pixels.
    promptBox: () => {
      const screen = document.querySelector('.xterm-screen').getBoundingClientRect();
      const rowHeight = screen.height / terminal.rows;
      const top = screen.top + terminal.buffer.active.cursorY * rowHeight;
      return {top, bottom: top + rowHeight};
    },
  };
  // ---- End of the test hooks. ----

  refit();
  start();
})();
