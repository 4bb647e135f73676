// The program's input and output in the page: one run of the compiled program, the bytes
// typed at the page handed to its reads, and its screen text handed back to the page.
//
// The seam's other side is src/console/terminal/terminal_web.cpp; the names that cross it are
// those of src/console/text/vocabulary.h, and every function named there must be defined
// here (the program fails the run otherwise). Its reads await
// `Module.zorpiRead(capacity, kind, unread, question)`, told what the program waits for (kind:
// "menu", "formfit", "page", "info" or "number"), the number text it holds unread and, for a
// number, the question its prompt asks ("D [mm]="), and resolve with {bytes, arrival}
// (arrival: "typed", "paste", "restOfPaste", "replayed" or "begun"); its screen text comes to
// `Module.zorpiWrite(bytes, echo)`, `echo` telling the echo of typing from what it wrote. It
// hands back what each read gave the program (`Module.zorpiHandOut(bytes)`), and, when q
// ended the run, how many bytes of the last of those followed the q
// (`Module.zorpiQuit(untaken)`); what it knows comes as facts {kind, field, symbol, value,
// unit} to `Module.zorpiFact`. `createZorpi` makes the program's
// instance; the name is given by -sEXPORT_NAME in cmake/web.cmake. The page's UI
// (web/page.js) makes a ZorpiRun per run; web/record.js replays a run's results.
'use strict';

// What a run's reads handed the program, kept compact: the bytes one after the other, and
// where each result ends. An empty result at a number read is the end of the typed input.
class ZorpiHandOuts {
  constructor() {
    this.bytes = new Uint8Array(4096);
    this.size = 0;
    this.ends = new Float64Array(256);
    this.count = 0;
  }

  add(bytes) {
    if (this.size + bytes.length > this.bytes.length) {
      const grown = new Uint8Array(Math.max(2 * this.bytes.length, this.size + bytes.length));
      grown.set(this.bytes.subarray(0, this.size));
      this.bytes = grown;
    }
    if (this.count === this.ends.length) {
      const grown = new Float64Array(2 * this.ends.length);
      grown.set(this.ends);
      this.ends = grown;
    }
    this.bytes.set(bytes, this.size);
    this.size += bytes.length;
    this.ends[this.count++] = this.size;
  }

  /** The `index`th result. */
  at(index) {
    return this.bytes.subarray(index > 0 ? this.ends[index - 1] : 0, this.ends[index]);
  }

  /** A copy, with the last result cut before its last `dropped` bytes, and gone if none is left. */
  copy(dropped = 0) {
    const copy = new ZorpiHandOuts();
    for (let index = 0; index < this.count; ++index) {
      const result = this.at(index);
      if (index < this.count - 1 || dropped === 0) {
        copy.add(result);
      } else if (result.length > dropped) {
        copy.add(result.subarray(0, result.length - dropped));
      }
    }
    return copy;
  }
}

// Answers a program's reads with recorded results, as replayed, letting the browser draw and
// take input every few milliseconds, so that however long the run was, the page stays live.
class ZorpiReplay {
  constructor(handOuts) {
    this.handOuts = handOuts;
    this.next = 0;
    this.since = performance.now();
  }

  done() {
    return this.next >= this.handOuts.count;
  }

  async answer() {
    if (performance.now() - this.since > ZorpiReplay.SLICE_MS) {
      await new Promise((resume) => setTimeout(resume, 0));
      this.since = performance.now();
    }
    return {bytes: this.handOuts.at(this.next++), arrival: 'replayed'};
  }
}
ZorpiReplay.SLICE_MS = 12;

class ZorpiRun {
  /**
   * `show(bytes, drawn, echo)` puts screen bytes on the terminal and calls `drawn` once drawn,
   * `echo` telling the echo of typing from what the program wrote; `onRead(kind, unread,
   * lineGoesOn, question)` hears whenever the program begins to wait, what for, the number
   * text it holds unread, whether a line being typed goes on, and the question a number read
   * answers; `onFact(fact)` hears each fact the program states; `onComma()` hears when a comma
   * typed in a number was taken as a decimal point; they may be given later, with `connect`. With `replay` (a
   * ZorpiHandOuts of an earlier run), the run is handed those results first, quietly, and goes
   * on from where they leave it, its number line begun with `begun`.
   */
  constructor({show, onRead, onFact, onComma, replay = null, begun = ''} = {}) {
    this.connect({show, onRead, onFact, onComma});
    this.replay = replay === null ? null : new ZorpiReplay(replay);
    this.begun = begun;
    this.module = null;
    this.loading = null;  // the instance being made
    this.readKind = 'menu';  // what the program waits for, or last waited for
    this.handOuts = new ZorpiHandOuts();
    this.quitUntaken = null;  // after a q: how many bytes of the last result followed it
    this.typed = [];          // {bytes, arrival} typed and not yet read, oldest first
    this.pendingRead = null;  // the program's read waiting for typing: {resolve, capacity}
    this.deliveryDue = false;
    this.interruptNow = false;  // Ctrl-C skips the wait for the terminal
    this.lineGoesOn = false;    // typing for a number has no line end yet
    this.lastGiven = null;      // the last bytes handed to a read, and how they arrived
    this.unwritten = 0;         // bytes handed to the terminal and not yet drawn
    this.stopped = false;
  }

  /** The page's side of the run, as the constructor takes it. */
  connect({show, onRead, onFact, onComma}) {
    Object.assign(this, {show, onRead, onFact, onComma});
  }

  /**
   * Makes the program's instance, which takes a while (the WebAssembly is compiled), without
   * running it yet; `run` does it when not done before.
   */
  load() {
    if (this.loading) {
      return this.loading;
    }
    const quiet = () => {};
    this.module = {
      zorpiRead: (capacity, kind, unread, question) => this.read(capacity, kind, unread, question),
      zorpiWrite: quiet,
      zorpiHandOut: (bytes) => this.handOuts.add(bytes),
      zorpiQuit: (untaken) => {
        this.quitUntaken = untaken;
      },
      zorpiFact: quiet,
    };
    if (this.replay === null) {
      this.showFromNowOn();
    }
    this.loading = createZorpi(this.module);
    return this.loading;
  }

  // The program's screen text and facts reach the page from now on; while results are
  // replayed they go nowhere.
  showFromNowOn() {
    this.module.zorpiWrite = (bytes, echo) => this.write(bytes, echo);
    this.module.zorpiFact = (fact) => this.onFact(fact);
  }

  /** Runs the program in a fresh instance to its end; resolves with its exit status. */
  async run() {
    const program = await this.load();
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

  /**
   * What the program took up to the byte that ended the run: after a q, everything before
   * the q; else all it took.
   */
  takenBeforeTheEnd() {
    return this.handOuts.copy(this.quitUntaken === null ? 0 : this.quitUntaken + 1);
  }

  /** True when an Enter was typed with or after the byte that ended the run. */
  enterTypedAtTheEnd() {
    const typedEnter = (piece) => piece.arrival === 'typed' && piece.bytes.includes(13);
    const last = this.handOuts.count > 0 ? this.handOuts.at(this.handOuts.count - 1) : [];
    const after = this.quitUntaken === null ? [] : last.subarray(last.length - this.quitUntaken);
    return (this.lastGiven !== null && this.lastGiven.arrival === 'typed' &&
            after.includes(10)) || this.typed.some(typedEnter);
  }

  // The program's read of at most `capacity` bytes for `kind`, holding `unread`: a replayed
  // result while there is one, then the line that was being typed, and from then on what is
  // typed, with the screen shown again.
  read(capacity, kind, unread, question) {
    if (this.replay !== null) {
      if (!this.replay.done()) {
        return this.replay.answer();
      }
      this.replay = null;
      this.showFromNowOn();
    }
    if (this.begun !== '' && kind === 'number') {
      const begun = ZorpiRun.encoder.encode(this.begun);
      this.begun = '';
      return Promise.resolve({bytes: begun, arrival: 'begun'});
    }
    return new Promise((resolve) => {
      this.pendingRead = {resolve, capacity};
      this.readKind = kind;
      this.lineGoesOn = this.lineGoesOn && kind === 'number';
      this.onRead(kind, unread, this.lineGoesOn, question);
      if (this.stopped) {
        this.endKeyboard();
      }
      this.deliver();
    });
  }

  /** Text typed or pasted at the terminal, as xterm.js's onData gives it. */
  type(data, arrival) {
    if (data === ZorpiRun.CTRL_C && arrival === 'typed') {
      this.typed = [];  // whatever waits, a paste included, is dropped, as a terminal does
      this.interruptNow = true;
    }
    this.typed.push({bytes: ZorpiRun.encoder.encode(data), arrival});
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

  /** True when the run was handed, or was typed, anything at all. */
  tookAnything() {
    return this.handOuts.count > 0;
  }

  endKeyboard() {
    if (this.pendingRead !== null) {
      this.pendingRead.resolve({bytes: new Uint8Array(0), arrival: 'typed'});
      this.pendingRead = null;
    }
  }

  write(bytes, echo) {
    if (this.stopped) {
      return;
    }
    this.unwritten += bytes.length;
    this.show(bytes, () => {
      this.unwritten -= bytes.length;
      this.deliver();
    }, echo);
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
      if (this.readKind === 'number' && given.arrival === 'typed') {
        this.commaAsPoint(given.bytes);
        this.lineGoesOn = !given.bytes.includes(13);
      }
      this.lastGiven = given;
      resolve(given);
    }, 0);
  }

  // A comma typed in a number is a decimal point: the one a German keyboard's keypad and a
  // German phone's number pad give.
  commaAsPoint(bytes) {
    if (bytes.includes(ZorpiRun.COMMA)) {
      bytes.forEach((byte, at) => {
        if (byte === ZorpiRun.COMMA) {
          bytes[at] = ZorpiRun.POINT;
        }
      });
      this.onComma();
    }
  }

  // Takes up to `limit` bytes from the front of the typed queue: keys typed one after another
  // go together, a paste goes alone, up to its last line end within the limit where it has
  // one, so that its pieces end where its lines do.
  takeTyped(limit) {
    const first = this.typed[0];
    if (first.arrival !== 'typed' || first.bytes.length > limit) {
      const rest = first.arrival === 'typed' ? 'typed' : 'restOfPaste';
      let size = first.bytes.length;
      if (size > limit) {
        const lineEnd = first.bytes.subarray(0, limit).lastIndexOf(13);
        size = lineEnd >= 0 ? lineEnd + 1 : limit;
        this.typed[0] = {bytes: first.bytes.subarray(size), arrival: rest};
      } else {
        this.typed.shift();
      }
      return {bytes: first.bytes.subarray(0, size), arrival: first.arrival};
    }
    let size = 0;
    let count = 0;
    while (count < this.typed.length && this.typed[count].arrival === 'typed' &&
           size + this.typed[count].bytes.length <= limit) {
      size += this.typed[count++].bytes.length;
    }
    const bytes = new Uint8Array(size);
    let at = 0;
    for (const piece of this.typed.splice(0, count)) {
      bytes.set(piece.bytes, at);
      at += piece.bytes.length;
    }
    return {bytes, arrival: 'typed'};
  }
}

ZorpiRun.CTRL_C = '\x03';
ZorpiRun.COMMA = 0x2c;
ZorpiRun.POINT = 0x2e;
// A read gets at most READ_LIMIT bytes, and waits while the terminal has more than
// UNWRITTEN_LIMIT bytes still to draw.
ZorpiRun.READ_LIMIT = 4096;
ZorpiRun.UNWRITTEN_LIMIT = 256 * 1024;
ZorpiRun.encoder = new TextEncoder();
