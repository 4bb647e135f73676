// The page around the program: the terminal widget, a run of the program behind it (a
// ZorpiRun of web/program_io.js, which holds the program's input and output), the session
// kept as text to save and print, and a fresh run after the end.
'use strict';

(function () {
  const terminal = new Terminal({
    convertEol: true,  // the program writes "\n" alone, as to a terminal that adds "\r"
    cursorBlink: true,
    scrollback: 10000,
    fontFamily: 'monospace',
    fontSize: 15,
  });
  terminal.open(document.getElementById('terminal'));

  const endLine = document.getElementById('ende');
  let session = new ZorpiTranscript();
  let current = null;  // the run on screen
  let running = false;
  let firstScreenAt = null;  // ms after navigation start, for the benchmark

  function show(bytes, drawn) {
    terminal.write(bytes, () => {
      if (firstScreenAt === null) {
        firstScreenAt = performance.now();
      }
      drawn();
    });
    session.add(bytes);
  }

  // Ends the run on screen, if any, and starts a fresh one.
  async function start() {
    if (current !== null) {
      current.stop();
    }
    const run = current = new ZorpiRun(show);
    running = true;
    if (session.text() !== '') {
      session = new ZorpiTranscript();
      // A full reset (RIS) in the stream, after whatever of the last run is still to draw.
      terminal.write('\x1bc');
    }
    endLine.textContent = '';
    terminal.focus();
    let status = null;
    try {
      status = await run.run();
    } catch (failure) {
      if (run === current) {
        endLine.textContent = 'ZORPI konnte nicht laufen: ' + failure;
      }
    }
    if (run !== current) {
      return;
    }
    running = false;
    if (status !== null) {
      endLine.textContent = 'ZORPI beendet (Status ' + status + ').';
    }
  }

  terminal.onData((data) => {
    if (running) {
      current.type(data);
    } else if (data === '\r') {
      start();
    }
  });

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

  document.getElementById('speichern').addEventListener('click', () => {
    const file = new Blob([session.text()], {type: 'text/plain;charset=utf-8'});
    const link = document.createElement('a');
    link.href = URL.createObjectURL(file);
    link.download = 'zorpi-sitzung.txt';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
    terminal.focus();
  });
  // Whatever starts the printing, the button or the browser's own menu, prints the session.
  window.addEventListener('beforeprint', () => {
    document.getElementById('protokoll').textContent = session.text();
  });
  document.getElementById('drucken').addEventListener('click', () => {
    window.print();
    terminal.focus();
  });
  document.getElementById('neu').addEventListener('click', start);

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
    waiting: () => running && current.waiting(),
    ended: () => !running,
    firstScreenAt: () => firstScreenAt,
  };
  // ---- End of the test hooks. ----

  start();
})();
