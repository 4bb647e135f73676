// The text a terminal shows for the bytes written to it, as lines: a backspace moves back
// one cell and what follows overwrites it, a carriage return goes to the start of the line,
// a tab to the next multiple of eight, the bell shows nothing. Lines are kept as strings, and
// only the last `limit` characters of them: the lines before are counted and left out, and the
// text then begins with a line that says so.
'use strict';

class ZorpiTranscript {
  constructor(limit = 16 * 1024 * 1024) {
    this.decoder = new TextDecoder();
    this.limit = limit;
    this.lines = [];    // finished lines, from index `first` on
    this.first = 0;
    this.size = 0;      // characters in the finished lines kept, line ends included
    this.dropped = 0;   // finished lines left out
    this.line = '';     // the line being written; '\0' marks a cell never written
    this.column = 0;
    this.together = [];  // ranges of line numbers not to be split when printed, from and to
  }

  /** Takes bytes (a Uint8Array) as written to the terminal. */
  add(bytes) {
    const text = this.decoder.decode(bytes, {stream: true});
    const controls = /[\n\r\b\t\x07]/g;
    let from = 0;
    for (let found; (found = controls.exec(text)) !== null; from = found.index + 1) {
      this.put(text.slice(from, found.index));
      this.control(found[0]);
    }
    this.put(text.slice(from));
  }

  put(run) {
    if (run === '') {
      return;
    }
    if (this.column === this.line.length) {
      this.line += run;
    } else {
      const line = this.line.padEnd(this.column, '\0');
      this.line = line.slice(0, this.column) + run + line.slice(this.column + run.length);
    }
    this.column += run.length;
  }

  control(c) {
    if (c === '\n') {
      this.finishLine();
    } else if (c === '\r') {
      this.column = 0;
    } else if (c === '\b') {
      this.column = Math.max(0, this.column - 1);
    } else if (c === '\t') {
      this.column = (Math.floor(this.column / 8) + 1) * 8;
    }
  }

  finishLine() {
    this.lines.push(this.line);
    this.size += this.line.length + 1;
    this.line = '';
    this.column = 0;
    while (this.size > this.limit && this.first < this.lines.length) {
      this.size -= this.lines[this.first].length + 1;
      this.lines[this.first++] = undefined;
      this.dropped++;
    }
    if (this.first > 1024 && this.first * 2 > this.lines.length) {
      this.lines = this.lines.slice(this.first);
      this.first = 0;
    }
  }

  /** Where the writing stands now, for `cut`. */
  mark() {
    return {finished: this.finishedLines(), line: this.line, column: this.column};
  }

  /** Takes back what was written on the current line since `mark`, if no line ended since. */
  cut(mark) {
    if (mark.finished === this.finishedLines()) {
      this.line = mark.line;
      this.column = mark.column;
    }
  }

  /** How many lines are finished: the number of the line being written. */
  finishedLines() {
    return this.dropped + this.lines.length - this.first;
  }

  /** Keeps the lines numbered `from` to `to` (not included) together on a printed page. */
  keepTogether(from, to) {
    if (to - from > 1) {
      this.together.push([from, to]);
    }
  }

  /** The text shown so far in pieces, {text, together}, the lines kept together on their own. */
  printPieces() {
    const shown = this.text().split('\n');
    const firstLine = this.dropped - (this.dropped > 0 ? 1 : 0);  // the number of shown[0]
    const pieces = [];
    let at = 0;
    for (const [from, to] of this.together) {
      const start = from - firstLine;
      if (start < at || to - firstLine > shown.length) {
        continue;  // left out, or not finished
      }
      if (start > at) {
        pieces.push({text: shown.slice(at, start).join('\n'), together: false});
      }
      pieces.push({text: shown.slice(start, to - firstLine).join('\n'), together: true});
      at = to - firstLine;
    }
    pieces.push({text: shown.slice(at).join('\n'), together: false});
    return pieces;
  }

  /** The text shown so far, lines joined with LF. */
  text() {
    const shown = (line) => line.replace(/\0+$/, '').replace(/\0/g, ' ');
    const lines = this.lines.slice(this.first).concat([this.line]).map(shown);
    if (this.dropped > 0) {
      lines.unshift(`[ZORPI: die ersten ${this.dropped} Zeilen der Sitzung sind ausgelassen, ` +
                    `gespeichert sind die letzten ${this.limit / 1024 / 1024} MB]`);
    }
    return lines.join('\n');
  }
}

if (typeof module !== 'undefined') {
  module.exports = ZorpiTranscript;
}
