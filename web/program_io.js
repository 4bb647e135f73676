// The program's input and output in the page: one run of the compiled program, the bytes
// typed at the page handed to its reads, and its screen text handed back to the page.
//
// The seam's other side is src/console/terminal/terminal_web.cpp: its `pageRead` awaits
// `Module.zorpiRead(capacity, kind)`, which resolves with {bytes, arrival}, and its `pageWrite`
// calls `Module.zorpiWrite(bytes)`. `createZorpi` makes the program's instance; the name is
// given by -sEXPORT_NAME in cmake/web.cmake. The page's UI (web/page.js) makes a ZorpiRun per
// run, hands it what is typed, and shows what it writes; zorpiCalculationRecord replays a
// run's reads in a hidden instance for the printed record.
'use strict';

class ZorpiRun {
  /**
   * `show(bytes, drawn)` puts screen bytes on the terminal and calls `drawn` once drawn;
   * `onRead(kind)` hears whenever the program begins to wait for a key or a number.
   */
  constructor(show, onRead = () => {}) {
    this.show = show;
    this.onRead = onRead;
    this.readKind = ZorpiRun.KEY_READ;  // what the program waits for, or last waited for
    this.reads = [];  // every read's result, in order: what a replay needs
    this.typed = [];          // {bytes, arrival} typed and not yet read, oldest first
    this.pendingRead = null;  // the program's read waiting for typing: {resolve, capacity}
    this.deliveryDue = false;
    this.interruptNow = false;  // Ctrl-C skips the wait for the terminal
    this.unwritten = 0;         // bytes handed to the terminal and not yet drawn
    this.stopped = false;
  }

  /** Runs the program in a fresh instance to its end; resolves with its exit status. */
  async run() {
    const program = await createZorpi({
      zorpiRead: (capacity, kind) => this.read(capacity, kind),
      zorpiWrite: (bytes) => this.write(bytes),
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

  // The program's read of at most `capacity` bytes for a key or a number (`kind`).
  read(capacity, kind) {
    return new Promise((resolve) => {
      this.pendingRead = {resolve, capacity};
      this.readKind = kind;
      this.onRead(kind);
      if (this.stopped) {
        this.endKeyboard();
      }
      this.deliver();
    });
  }

  /** Text typed or pasted at the terminal, as xterm.js's onData gives it. */
  type(data) {
    if (data === ZorpiRun.CTRL_C) {
      this.typed = [];  // whatever waits, a paste included, is dropped, as a terminal does
      this.interruptNow = true;
    }
    this.typed.push({bytes: ZorpiRun.encoder.encode(data), arrival: ZorpiRun.arrivalOf(data)});
    this.deliver();
  }

  /** Ends the run at once: its reads get nothing more, and what it writes is dropped. */
  stop() {
    this.stopped = true;
    this.typed = [];
    this.endKeyboard();
  }

  /** True while the program waits for typing and all it wrote is drawn. */
  waiting() {
    return this.pendingRead !== null && this.typed.length === 0 && this.unwritten === 0;
  }

  endKeyboard() {
    if (this.pendingRead !== null) {
      this.pendingRead.resolve({bytes: new Uint8Array(0), arrival: ZorpiRun.TYPED});
      this.pendingRead = null;
    }
  }

  write(bytes) {
    if (this.stopped) {
      return;
    }
    this.unwritten += bytes.length;
    this.show(bytes, () => {
      this.unwritten -= bytes.length;
      this.deliver();
    });
  }

  // Hands the program's waiting read what was typed, from a timer, so that the terminal
  // draws between reads; while the terminal lags behind, its callbacks call again. The
  // program then never writes faster than the terminal draws, and the page stays responsive
  // during any paste.
  deliver() {
    if (this.pendingRead === null || this.typed.length === 0 || this.deliveryDue) {
      return;
    }
    if (this.unwritten > ZorpiRun.UNWRITTEN_LIMIT && !this.interruptNow) {
      return;
    }
    this.deliveryDue = true;
    setTimeout(() => {
      this.deliveryDue = false;
      this.interruptNow = false;
      if (this.pendingRead === null || this.typed.length === 0) {
        return;
      }
      const {resolve, capacity} = this.pendingRead;
      this.pendingRead = null;
      const given = this.takeTyped(Math.min(capacity, ZorpiRun.READ_LIMIT));
      this.reads.push(given);
      resolve(given);
    }, 0);
  }

  // Takes up to `limit` bytes from the front of the typed queue: keys typed one after another
  // go together, a paste goes alone.
  takeTyped(limit) {
    const first = this.typed[0];
    if (first.arrival !== ZorpiRun.TYPED || first.bytes.length > limit) {
      const rest = first.arrival === ZorpiRun.TYPED ? ZorpiRun.TYPED : ZorpiRun.REST_OF_PASTE;
      if (first.bytes.length > limit) {
        this.typed[0] = {bytes: first.bytes.subarray(limit), arrival: rest};
      } else {
        this.typed.shift();
      }
      return {bytes: first.bytes.subarray(0, limit), arrival: first.arrival};
    }
    let size = 0;
    let count = 0;
    while (count < this.typed.length && this.typed[count].arrival === ZorpiRun.TYPED &&
           size + this.typed[count].bytes.length <= limit) {
      size += this.typed[count++].bytes.length;
    }
    const bytes = new Uint8Array(size);
    let at = 0;
    for (const piece of this.typed.splice(0, count)) {
      bytes.set(piece.bytes, at);
      at += piece.bytes.length;
    }
    return {bytes, arrival: ZorpiRun.TYPED};
  }

  // A paste, or what an input method commits at once, is text that arrived in one piece; a
  // key of several codes (an escape sequence) is a key.
  static arrivalOf(data) {
    return data.length > 1 && data[0] !== '\x1b' ? ZorpiRun.PASTE : ZorpiRun.TYPED;
  }
}

// What a read waits for, numbered as the program's ReadKind.
ZorpiRun.KEY_READ = 0;
ZorpiRun.NUMBER_READ = 1;
// How typed bytes reached the page, numbered as the program's Arrival.
ZorpiRun.TYPED = 0;
ZorpiRun.PASTE = 1;
ZorpiRun.REST_OF_PASTE = 2;
ZorpiRun.CTRL_C = '\x03';
// A read gets at most READ_LIMIT bytes, and waits while the terminal has more than
// UNWRITTEN_LIMIT bytes still to draw.
ZorpiRun.READ_LIMIT = 4096;
ZorpiRun.UNWRITTEN_LIMIT = 256 * 1024;
ZorpiRun.encoder = new TextEncoder();

// The calculation record of a run that was handed `reads`: a hidden instance of the program
// gets the same read results in the same order, so it stands where the run stands; then it
// leaves any open dialogue (a number read is told that the typed input has ended, which ends
// choice prompts too, and a page break or the info screen is left with x), and lists the
// values (w) and the results (g), each page break answered with a blank. When the run has
// ended, the state before its q (or Ctrl-C) is meant: the last read is cut before it.
// Resolves with {values, results}, each as the program prints it, without the menu and the
// page-break prompts.
async function zorpiCalculationRecord(reads, runEnded) {
  const replayed = reads.slice();
  if (runEnded && replayed.length > 0) {
    const last = replayed.pop();
    const text = new TextDecoder().decode(last.bytes);
    const end = text.includes(ZorpiRun.CTRL_C) ? text.indexOf(ZorpiRun.CTRL_C)
                                               : text.lastIndexOf('q');
    if (end > 0) {
      replayed.push({bytes: ZorpiRun.encoder.encode(text.slice(0, end)),
                     arrival: last.arrival});
    }
  }
  const MENU_END = 'F8 q Exit\n';
  const PAGE_BREAK = 'weiter mit bel.Taste..';
  const decoder = new TextDecoder();
  let tail = '';  // the last output, enough to see the menu's end
  let phase = 'replay';
  const kept = {w: '', g: ''};
  const answer = (text) => ({bytes: ZorpiRun.encoder.encode(text), arrival: ZorpiRun.TYPED});
  const next = (kind) => {
    if (phase === 'replay' && replayed.length > 0) {
      return replayed.shift();
    }
    const atMenu = tail.endsWith(MENU_END);
    if (kind === ZorpiRun.NUMBER_READ) {
      return answer('\x15\x04');  // the unfinished line dropped, then the end of the input
    }
    if (!atMenu) {
      return answer(phase === 'replay' ? 'x' : ' ');
    }
    phase = {replay: 'w', w: 'g', g: 'done'}[phase];
    return phase === 'done' ? answer('') : answer(phase);
  };
  const program = await createZorpi({
    zorpiRead: (capacity, kind) => Promise.resolve(next(kind)),
    zorpiWrite: (bytes) => {
      const text = decoder.decode(bytes, {stream: true});
      tail = (tail + text).slice(-MENU_END.length);
      if (phase in kept) {
        kept[phase] += text;
      }
    },
  });
  await program.ccall('main', 'number', [], [], {async: true}).catch(() => {});
  const clean = (text) => text.slice(0, text.lastIndexOf('\nWelle-Nabe Verb.,i Info\n'))
                              .split(PAGE_BREAK + '\n').join('').replace(/\n+$/, '\n');
  return {values: clean(kept.w), results: clean(kept.g)};
}
