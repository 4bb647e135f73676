// The page around the program: the terminal widget, the bytes typed at it handed to the
// program's reads, the session kept as text to save and print, and a fresh run after the end.
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
  const restartButton = document.getElementById('neu');
  const encoder = new TextEncoder();
  let session = new ZorpiTranscript();
  let typed = [];        // chunks typed and not yet read, oldest first
  let pendingRead = null;  // the program's read waiting for typing: {resolve, capacity}
  let running = false;

  // Hands the program what was typed since its last read, at most `capacity` bytes.
  function deliver() {
    if (pendingRead === null || typed.length === 0) {
      return;
    }
    const waiting = new Uint8Array(typed.reduce((size, chunk) => size + chunk.length, 0));
    let at = 0;
    for (const chunk of typed) {
      waiting.set(chunk, at);
      at += chunk.length;
    }
    const given = waiting.slice(0, pendingRead.capacity);
    typed = given.length < waiting.length ? [waiting.slice(given.length)] : [];
    const {resolve} = pendingRead;
    pendingRead = null;
    resolve(given);
  }

  let firstScreenAt = null;  // ms after navigation start, for the benchmark

  function show(bytes) {
    terminal.write(bytes);
    session.add(bytes);
    if (firstScreenAt === null) {
      terminal.write('', () => {
        firstScreenAt = performance.now();
      });
    }
  }

  // One run of the program in a fresh instance; its status when it ends.
  async function run() {
    const program = await createZorpi({
      zorpiRead: (capacity) => new Promise((resolve) => {
        pendingRead = {resolve, capacity};
        deliver();
      }),
      zorpiWrite: show,
    });
    try {
      return await program.ccall('main', 'number', [], [], {async: true});
    } catch (ending) {
      // _Exit (Ctrl-C) ends the run by throwing its status.
      if (ending && typeof ending.status === 'number') {
        return ending.status;
      }
      throw ending;
    }
  }

  async function start() {
    running = true;
    typed = [];
    pendingRead = null;
    if (session.text() !== '') {
      session = new ZorpiTranscript();
      terminal.reset();
    }
    endLine.textContent = '';
    restartButton.hidden = true;
    terminal.focus();
    let status;
    try {
      status = await run();
    } catch (failure) {
      endLine.textContent = 'ZORPI konnte nicht laufen: ' + failure;
      status = null;
    }
    running = false;
    pendingRead = null;
    if (status !== null) {
      endLine.textContent = 'ZORPI beendet (Status ' + status + ').';
    }
    restartButton.hidden = false;
  }

  terminal.onData((data) => {
    if (running) {
      typed.push(encoder.encode(data));
      deliver();
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
  restartButton.addEventListener('click', start);

  // For the page's tests: the session so far, and whether the program waits for typing.
  window.zorpi = {
    text: () => session.text(),
    waiting: () => pendingRead !== null && typed.length === 0,
    ended: () => !running,
    firstScreenAt: () => firstScreenAt,
  };

  start();
})();
