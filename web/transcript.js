// The text a terminal shows for the bytes written to it, as lines: a backspace moves back
// one cell and what follows overwrites it, a carriage return goes to the start of the line,
// the bell shows nothing. Used by the page for the saved session, and by its test for the
// screens of the Linux program, so that both are read the same way.
'use strict';

class ZorpiTranscript {
  constructor() {
    this.decoder = new TextDecoder();
    this.lines = [[]];
    this.column = 0;
  }

  /** Takes bytes (a Uint8Array) as written to the terminal. */
  add(bytes) {
    for (const c of this.decoder.decode(bytes, {stream: true})) {
      const line = this.lines[this.lines.length - 1];
      if (c === '\n') {
        this.lines.push([]);
        this.column = 0;
      } else if (c === '\r') {
        this.column = 0;
      } else if (c === '\b') {
        this.column = Math.max(0, this.column - 1);
      } else if (c !== '\x07') {
        line[this.column++] = c;
      }
    }
  }

  /** The text shown so far, lines joined with LF. */
  text() {
    return this.lines.map((line) => Array.from(line, (c) => c || ' ').join('')).join('\n');
  }
}

if (typeof module !== 'undefined') {
  module.exports = ZorpiTranscript;
}
