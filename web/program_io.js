// The program's input and output in the page: one run of the compiled program, the bytes
// typed at the page handed to its reads, and its screen text handed back to the page.
//
// The seam's other side is src/console/terminal/terminal_web.cpp: its `pageRead` awaits
// `Module.zorpiRead(capacity)`, which resolves with {bytes, arrival}, and its `pageWrite`
// calls `Module.zorpiWrite(bytes)`. `createZorpi` makes the program's instance; the name is
// given by -sEXPORT_NAME in cmake/web.cmake. The page's UI (web/page.js) makes a ZorpiRun per
// run, hands it what is typed, and shows what it writes.
'use strict';

class ZorpiRun {
  /** `show(bytes, drawn)` puts screen bytes on the terminal and calls `drawn` once drawn. */
  constructor(show) {
    this.show = show;
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
      zorpiRead: (capacity) => new Promise((resolve) => {
        this.pendingRead = {resolve, capacity};
        if (this.stopped) {
          this.endKeyboard();
        }
        this.deliver();
      }),
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
      resolve(this.takeTyped(Math.min(capacity, ZorpiRun.READ_LIMIT)));
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
