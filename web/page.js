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

  // How typed bytes reached the page, as the program's line discipline numbers it.
  const TYPED = 0;
  const PASTE = 1;
  const REST_OF_PASTE = 2;
  const CTRL_C = '\x03';
  // A read gets at most this much, and waits while xterm.js has more than `UNWRITTEN_LIMIT`
  // bytes still to draw: the program then never writes faster than the terminal draws, and
  // the page stays responsive during any paste.
  const READ_LIMIT = 4096;
  const UNWRITTEN_LIMIT = 256 * 1024;

  let runNumber = 0;       // the run whose reads and writes count
  let typed = [];          // {bytes, arrival} typed and not yet read, oldest first
  let pendingRead = null;  // the program's read waiting for typing: {resolve, capacity}
  let deliveryDue = false;
  let interruptNow = false;  // Ctrl-C skips the wait for the terminal
  let unwritten = 0;
  let running = false;

  // Takes up to `limit` bytes from the front of `typed`: keys typed one after another go
  // together, a paste goes alone.
  function takeTyped(limit) {
    const first = typed[0];
    if (first.arrival !== TYPED) {
      const bytes = first.bytes.subarray(0, limit);
      if (bytes.length < first.bytes.length) {
        typed[0] = {bytes: first.bytes.subarray(limit), arrival: REST_OF_PASTE};
      } else {
        typed.shift();
      }
      return {bytes, arrival: first.arrival};
    }
    let size = 0;
    let count = 0;
    while (count < typed.length && typed[count].arrival === TYPED &&
           size + typed[count].bytes.length <= limit) {
      size += typed[count++].bytes.length;
    }
    if (count === 0) {  // one typed piece longer than a read: the rest comes next
      typed[0] = {bytes: first.bytes.subarray(limit), arrival: TYPED};
      return {bytes: first.bytes.subarray(0, limit), arrival: TYPED};
    }
    const bytes = new Uint8Array(size);
    let at = 0;
    for (const piece of typed.splice(0, count)) {
      bytes.set(piece.bytes, at);
      at += piece.bytes.length;
    }
    return {bytes, arrival: TYPED};
  }

  // Hands the program's waiting read what was typed, from a timer, so that the terminal
  // draws between reads; while the terminal lags behind, the write callbacks call again.
  function deliver() {
    if (pendingRead === null || typed.length === 0 || deliveryDue) {
      return;
    }
    if (unwritten > UNWRITTEN_LIMIT && !interruptNow) {
      return;
    }
    deliveryDue = true;
    setTimeout(() => {
      deliveryDue = false;
      interruptNow = false;
      if (pendingRead === null || typed.length === 0) {
        return;
      }
      const {resolve, capacity} = pendingRead;
      pendingRead = null;
      resolve(takeTyped(Math.min(capacity, READ_LIMIT)));
    }, 0);
  }

  let firstScreenAt = null;  // ms after navigation start, for the benchmark

  function show(bytes) {
    unwritten += bytes.length;
    terminal.write(bytes, () => {
      unwritten -= bytes.length;
      if (firstScreenAt === null) {
        firstScreenAt = performance.now();
      }
      deliver();
    });
    session.add(bytes);
  }

  // One run of the program in a fresh instance; its status when it ends. Reads and writes
  // of a run that was replaced meanwhile are dropped: its reads end its keyboard.
  async function run(number) {
    const current = () => number === runNumber;
    const program = await createZorpi({
      zorpiRead: (capacity) => new Promise((resolve) => {
        if (!current()) {
          resolve({bytes: new Uint8Array(0), arrival: TYPED});
          return;
        }
        pendingRead = {resolve, capacity};
        deliver();
      }),
      zorpiWrite: (bytes) => {
        if (current()) {
          show(bytes);
        }
      },
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
    const number = ++runNumber;
    if (pendingRead !== null) {
      pendingRead.resolve({bytes: new Uint8Array(0), arrival: TYPED});
    }
    running = true;
    typed = [];
    pendingRead = null;
    interruptNow = false;
    if (session.text() !== '') {
      session = new ZorpiTranscript();
      // A full reset (RIS) in the stream, after whatever of the last run is still to draw.
      terminal.write('\x1bc');
    }
    endLine.textContent = '';
    terminal.focus();
    let status;
    try {
      status = await run(number);
    } catch (failure) {
      if (number === runNumber) {
        endLine.textContent = 'ZORPI konnte nicht laufen: ' + failure;
      }
      status = null;
    }
    if (number !== runNumber) {
      return;
    }
    running = false;
    pendingRead = null;
    if (status !== null) {
      endLine.textContent = 'ZORPI beendet (Status ' + status + ').';
    }
  }

  // A paste, or what an input method commits at once, is text that arrived in one piece;
  // a key of several codes (an escape sequence) is a key.
  function arrivalOf(data) {
    return data.length > 1 && data[0] !== '\x1b' ? PASTE : TYPED;
  }

  terminal.onData((data) => {
    if (!running) {
      if (data === '\r') {
        start();
      }
      return;
    }
    if (data === CTRL_C) {
      typed = [];  // whatever waits, a paste included, is dropped, as a terminal flushes it
      interruptNow = true;
    }
    typed.push({bytes: encoder.encode(data), arrival: arrivalOf(data)});
    deliver();
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

  // For the page's tests: the session so far, the screen as the terminal draws it, and
  // whether the program waits for typing.
  window.zorpi = {
    text: () => session.text(),
    screen: () => {
      const buffer = terminal.buffer.active;
      const lines = [];
      for (let row = 0; row < buffer.length; ++row) {
        lines.push(buffer.getLine(row).translateToString(true));
      }
      return lines.join('\n').replace(/\n+$/, '');
    },
    waiting: () => pendingRead !== null && typed.length === 0 && unwritten === 0,
    ended: () => !running,
    firstScreenAt: () => firstScreenAt,
  };

  start();
})();
