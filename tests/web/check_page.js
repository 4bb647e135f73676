// Drives the browser page in Chromium, opened as file:// with the network off, as a person
// would: keys typed one at a time, and pastes. What the page saves must be what this program
// shows at a pseudo-terminal for the same keys, and what its terminal draws must be what
// xterm.js draws of the pseudo-terminal's bytes; a kept transcript's script pasted at the
// page must give the kept screen. Pastes of control codes and of megabytes must do no harm.
// As an engineer's tool, the page fits the window, works by touch, explains every symbol,
// warns of the decimal comma, prints a one-page calculation record and asks before leaving.
// The page may ask for nothing but itself.
// Usage: node check_page.js PAGE PTY_REPLAY PROGRAM TRANSCRIPT_DIR CHROMIUM
// With "-" for PTY_REPLAY and PROGRAM, only the kept transcripts are checked.
'use strict';

const fs = require('fs');
const path = require('path');
const http = require('http');
const zlib = require('zlib');
const {spawn, spawnSync} = require('child_process');
const {chromium} = require(path.join(__dirname, '../../web/node_modules/playwright-core'));
const ZorpiTranscript = require(path.join(__dirname, '../../web/transcript.js'));

const [pagePath, replay, program, transcriptDir, chromiumPath] = process.argv.slice(2);
const pageUrl = 'file://' + path.resolve(pagePath);

// Sessions as bursts of keys: a burst of one key is typed, a longer one is pasted, except
// the function and arrow keys, which are pressed; keys in an array are typed in one moment,
// and {insert} is text that comes without a key (an on-screen keyboard's, say).
const keyNames = {
  '\r': 'Enter', '\x7f': 'Backspace', ' ': 'Space', '\x04': 'Control+d', '\x03': 'Control+c',
  '\x15': 'Control+u',
  '\x1bOP': 'F1', '\x1bOS': 'F4', '\x1b[A': 'ArrowUp', '\x1b[D': 'ArrowLeft',
  '\x1b[C': 'ArrowRight',
};
const typed = (text) => [...text];
// The key bar's names for keys it sends.
const barNames = {'\r': 'Enter', '\x7f': 'Backspace', ' ': 'Space'};
const sessions = {
  'taper': typed('g  ') .concat(['\x1bOP', '\x1b[A', 'q']),
  'clamp with Backspace and Ctrl-U':
      typed('a6\rc12\x7f20\re40\r55\x1550\r60\r30\r20000\r2\r1\r0.15\r1\rg q'),
  'a paste': ['i\rc\r120\rw\r \r \r', 'q'],
  'Ctrl-D at a number prompt': typed('c\x04wxq'),
  'Ctrl-C at a number prompt': typed('c12\x03'),
  'Ctrl-C at the menu': typed('w \x03'),
  'a key of several codes after a leftover':
      typed('a1\rb100 150\r').concat(['\x1b[C'], typed('cw q')),
  // A tab reaches the program pasted: typed, it moves the focus.
  'Backspace over a tab': ['c', '\t5'].concat(typed('\x7f\x7f7 1 2 3 4\rq')),
  'a line pasted ahead, typed on': ['c\r12'].concat(typed('5\r1 1 1 1\rwxq')),
  'a line pasted ahead, erased': ['c\r12'].concat(typed('\x7f\x7f5\r1 1 1 1\rwxq')),
  'Enter and Ctrl-D together': typed('a1\r').concat(['c\r12', ['5', '\r', '\x04']],
                                                    typed('wxcwxq')),
  'the rest of a line ended with Ctrl-D': typed('a1\rb100 150\x04c5\rwxq'),
  'text without keys': [{insert: 'c'}].concat(typed('12\r1 1 1 1\r'),
                                              [{insert: '77'}, {insert: 'ä'}], typed('wxq')),
};
// What a session's saved text must show besides: the prompt's line and the value w lists.
const mustShow = {
  'a line pasted ahead, typed on': ['p0 [N/mm2]= 125\n', 'p0= 125 [N/mm2]'],
  'a line pasted ahead, erased': ['p0 [N/mm2]= 5', 'p0= 5 [N/mm2]'],
  'Enter and Ctrl-D together': ['p0 [N/mm2]= 125\n', 'p0= 125 [N/mm2]'],
  'the rest of a line ended with Ctrl-D': ['p0 [N/mm2]= 1505\n', 'p0= 1505 [N/mm2]'],
  'text without keys': ['p0= 12 [N/mm2]'],
};

// The bytes a burst sends.
const bytesOf = (burst) => Array.isArray(burst) ? burst.join('') : burst.insert || burst;

// What the line under the terminal says when a run has ended with `status`.
function ended(status) {
  return (status === 130 ? 'ZORPI wurde mit Strg+C abgebrochen.' : 'ZORPI wurde beendet (q).') +
         ' Enter beginnt neu mit dem Beispiel.';
}

function render(bytes) {
  const transcript = new ZorpiTranscript();
  transcript.add(bytes);
  return transcript.text();
}

// The screen and status of this program at a pseudo-terminal for `bursts`; the replays run
// side by side with the page's checks, since they mostly wait.
function atTerminal(bursts) {
  return new Promise((done, fail) => {
    const run = spawn(replay, [program]);
    const out = [];
    const err = [];
    run.stdout.on('data', (chunk) => out.push(chunk));
    run.stderr.on('data', (chunk) => err.push(chunk));
    run.on('close', (status) => {
      const stderr = Buffer.concat(err).toString();
      if (status !== 0) {
        fail(new Error('pty replay failed: ' + stderr));
        return;
      }
      const bytes = Buffer.concat(out);
      done({text: render(bytes), bytes, status: Number(stderr.trim())});
    });
    run.stdin.end(bursts.map(bytesOf).join('\0'));
  });
}

// The screen xterm.js draws for `bytes`, 80 columns wide, as the page's terminal is.
async function drawn(page, bytes) {
  return page.evaluate(async (written) => {
    const terminal = new Terminal({cols: 80, rows: 24, scrollback: 10000, convertEol: true});
    await new Promise((done) => terminal.write(new Uint8Array(written), done));
    const buffer = terminal.buffer.active;
    const lines = [];
    for (let row = 0; row < buffer.length; ++row) {
      lines.push(buffer.getLine(row).translateToString(true));
    }
    return lines.join('\n').replace(/\n+$/, '');
  }, [...bytes]);
}

async function settled(page) {
  await page.waitForFunction(() => window.zorpi.waiting() || window.zorpi.ended(), null,
                             {polling: 10, timeout: 60000});
}

// A fresh tab of the page in `context`, waiting at its first menu.
async function openPage(context) {
  const page = await context.newPage();
  await page.goto(pageUrl);
  await settled(page);
  return page;
}

// Text that comes as an input event alone, as from an on-screen keyboard.
async function insert(page, text) {
  await page.evaluate((data) => document.querySelector('#terminal textarea').dispatchEvent(
      new InputEvent('input', {inputType: 'insertText', data, bubbles: true})), text);
}

async function paste(page, text) {
  await page.evaluate((pasted) => {
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    document.querySelector('#terminal textarea').dispatchEvent(
        new ClipboardEvent('paste', {clipboardData: data, bubbles: true, cancelable: true}));
  }, text);
}

// Plays `bursts` at a freshly loaded page, 80 columns wide (or tapped at its key bar); the
// saved session, the status it ended with, the screen its terminal drew, and the screen
// xterm.js draws for `terminalBytes`.
async function atPage(browser, bursts, terminalBytes = Buffer.alloc(0), tap = false) {
  const page = await browser.newPage();
  const asked = [];
  page.on('request', (request) => asked.push(request.url()));
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pageUrl);
  await page.evaluate(() => window.zorpi.fixColumns(80));
  await settled(page);
  for (const burst of bursts) {
    if (tap) {
      await page.tap(`#tasten button[data-key="${barNames[burst] || burst}"]`);
    } else if (Array.isArray(burst)) {
      await page.evaluate((keys) => window.zorpi.typeTogether(keys), burst);
    } else if (burst.insert) {
      await insert(page, burst.insert);
    } else if (keyNames[burst] || burst.length === 1) {
      await page.keyboard.press(keyNames[burst] || burst);
    } else {
      await paste(page, burst);
    }
    await settled(page);
  }
  await page.waitForFunction(() => window.zorpi.ended(), null, {polling: 10, timeout: 60000});
  const ending = await page.textContent('#ende-text');
  const screen = await page.evaluate(() => window.zorpi.screen());
  const atTerminalScreen = await drawn(page, terminalBytes);
  if (!await page.isVisible('#speichern')) {
    await page.click('#menue-knopf');  // a narrow screen folds the header's buttons away
  }
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.click('#speichern'),
  ]);
  const saved = fs.readFileSync(await download.path(), 'utf8');
  await page.close();
  const foreign = asked.filter((url) => url !== pageUrl && !/^(blob|data):/.test(url));
  const savedAs = download.suggestedFilename();
  if (foreign.length > 0 || errors.length > 0 || savedAs !== 'zorpi-sitzung.txt') {
    throw new Error('asked for ' + foreign + '; errors ' + errors + '; saved as ' + savedAs);
  }
  return {text: saved, ending, screen, atTerminalScreen};
}

// The printed record's values and results as the page lays them out, made at a click with the
// print dialog left out; '' when the page says it could not make one.
async function recordOf(page) {
  await page.evaluate(() => {
    window.print = () => {};
    document.body.classList.remove('druck-berechnung');
  });
  await page.click('#berechnung');
  await page.waitForFunction(() => !window.zorpi.preparing(), null, {polling: 20, timeout: 30000});
  return page.evaluate(() => document.body.classList.contains('druck-berechnung')
      ? [...document.querySelectorAll('[data-feld="eingaben"] tr, [data-feld="ergebnisse"] tr')].map((row) =>
          `${row.cells[0].textContent} = ${row.cells[2].textContent} ${row.cells[3].textContent}`)
          .join('\n') + '\n' : '');
}

async function typedAt(page, text) {
  for (const key of typed(text)) {
    await page.keyboard.press(keyNames[key] || key);
    await settled(page);
  }
}

// Nothing hidden: the record is exactly what the run took, whatever ended it; pasted control
// codes are shown or are keys; a typed comma at a number is a point; what waits unread is
// shown; a record of a long session leaves the page live; an Enter typed with q starts anew.
async function checkNothingHidden(context, check) {
  const endings = [
    ['a pasted qq', ['w  '.repeat(500) + 'qq'], ended(113)],
    ['q typed during a paste, and again', ['w  '.repeat(2000), 'q', 200, 'q'],
     ended(113)],
    ['a typed Ctrl-C', ['\x03'], ended(130)],
    ['a typed Ctrl-D', ['c', '\x04'], ''],
    ['a pasted Ctrl-C', ['c\r78\r5 5 5 5\r\x03', 'x', 'c', '\r'], ''],
  ];
  for (const [name, steps, ending] of endings) {
    const page = await openPage(context);
    await typedAt(page, 'c77\r1 2 3 4\r');
    for (const step of steps) {
      if (typeof step === 'number') {
        await page.waitForTimeout(step);
      } else if (step.length > 1 && !keyNames[step]) {
        await paste(page, step);
      } else {
        await page.keyboard.press(keyNames[step] || step);
      }
    }
    await page.waitForFunction((end) => end === '' ? window.zorpi.waiting() : window.zorpi.ended(),
                               ending, {polling: 20, timeout: 30000});
    check(`${name}: ends as it should`, await page.textContent('#ende-text'), ending);
    const record = await recordOf(page);
    check(`${name}: the record holds what the run held`,
          /p0 = 7[78] N\/mm²/.test(record) && record.includes('pzul = '), true);
    await page.close();
  }

  const page = await openPage(context);
  await page.keyboard.press('c');
  await settled(page);
  await paste(page, '12\x03' + '3\x04');
  await page.keyboard.press('Enter');
  await settled(page);
  check('control codes pasted at a number: shown, never obeyed',
        (await page.evaluate(() => window.zorpi.screen())).includes('p0 [N/mm2]= 12^C3^D'), true);
  // The rest of that line, not a number, went with DA: three numbers are left to give.
  await typedAt(page, '1 1 1\re10\r60\r70\r96500\r0,1');
  check('a typed comma is a point: said', await page.textContent('#hinweis'),
        'Komma als Dezimalpunkt genommen');
  await typedAt(page, '2\r');
  check('a typed comma is a point: the note ends with its line', await page.textContent('#hinweis'),
        '');
  check('a typed comma is a point: taken', (await recordOf(page)).includes('my = 0.12 \n'), true);
  await typedAt(page, 'e10\r60\r70\r96500\r');
  await paste(page, '0,22\r');
  await settled(page);
  check('a pasted comma stays: what waits is shown', await page.textContent('#ungelesen'),
        'Noch nicht gelesen: ,22 – die nächste Zahlenfrage nimmt es');
  check('a pasted comma stays: the record', (await recordOf(page)).includes('my = 0 \n'), true);
  await typedAt(page, 'c');
  check('what waits goes with the next number question', await page.textContent('#ungelesen'), '');
  await page.evaluate(() => window.zorpi.typeTogether(['\r', '1 1 1 1\r', 'q', '\r']));
  await page.waitForFunction(() => window.zorpi.waiting() && window.zorpi.screen() !== '', null,
                             {polling: 20, timeout: 5000}).catch(() => {});
  check('an Enter typed with q starts anew', await page.evaluate(() => window.zorpi.waiting() &&
        window.zorpi.screen().split('F8 q Exit').length === 2), true);

  for (const [field, limit] of [['titel', 200], ['bearbeiter', 60], ['geprueft', 60]]) {
    await page.fill('#' + field, 'x'.repeat(5400));
    check(`the field ${field} is limited`, (await page.inputValue('#' + field)).length, limit);
  }
  await paste(page, 'g\r \r \r'.repeat(20000));
  await settled(page);
  await page.evaluate(() => {
    window.longestPause = 0;
    let last = performance.now();
    window.ticking = setInterval(() => {
      const now = performance.now();
      window.longestPause = Math.max(window.longestPause, now - last);
      last = now;
    }, 5);
    window.print = () => {};
  });
  await page.click('#berechnung');
  check('a long session\'s record: the page says it is working', await page.textContent('#ende-text'),
        'Berechnung wird vorbereitet …');
  await page.waitForFunction(() => !window.zorpi.preparing(), null, {polling: 20, timeout: 60000});
  const pause = await page.evaluate(() => window.longestPause);
  check(`a long session's record: the page never still for 1 s (${pause.toFixed(0)} ms)`,
        pause < 1000, true);
  await page.close();
}

// axe-core's findings of any impact on `page` as it stands, "" when there are none.
async function accessibilityFaults(page) {
  await page.addScriptTag({path: path.join(__dirname, '../../web/node_modules/axe-core/axe.min.js')});
  const found = await page.evaluate(() => axe.run(document, {resultTypes: ['violations']}));
  return found.violations
      .map((v) => `${v.id}: ${v.nodes.map((node) => node.target.join(' ')).join(', ')}`)
      .join('; ');
}

// The accessible description of the terminal's textbox, as the browser gives it to a screen
// reader.
async function terminalDescription(page) {
  const browser = await page.context().newCDPSession(page);
  const {nodes} = await browser.send('Accessibility.getFullAXTree');
  const box = nodes.find((node) => node.role && node.role.value === 'textbox' &&
                                   node.name && node.name.value === 'ZORPI-Terminal');
  await browser.detach();
  return box && box.description ? box.description.value : '';
}

async function helpLaidOut(page) {
  await page.waitForFunction(() => window.zorpi.waiting() && document.querySelector('#hilfe table'),
                             null, {polling: 10});
}

// The page for everyone: by keyboard alone, with a screen reader, on a phone with its
// keyboard open, and forgiving of a slip.
async function checkForEveryone(browser, context, check) {
  const page = await openPage(context);
  await page.setViewportSize({width: 1280, height: 720});
  await helpLaidOut(page);
  const focused = () => page.evaluate(() => document.activeElement.id ||
                                            document.activeElement.className);
  const order = [];
  for (const key of ['Tab', 'Tab', 'Tab', 'Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab',
                     'Shift+Tab']) {
    await page.keyboard.press(key);
    order.push(await focused());
  }
  check('keyboard: Tab to the record\'s button and back into the terminal', order.join(' '),
        'titel bearbeiter geprueft berechnung geprueft bearbeiter titel xterm-helper-textarea');
  check('keyboard: the program never gets Tab',
        (await page.evaluate(() => window.zorpi.text())).split('F8 q Exit').length, 2);
  // The rows reach the accessibility tree a moment after they are drawn.
  await page.waitForFunction(() => /F8 q Exit/.test(document.querySelector(
      '#terminal .xterm-accessibility').textContent), null, {polling: 50, timeout: 5000})
      .catch(() => {});
  check('screen reader: the terminal\'s lines can be read',
        /F8 q Exit/.test(await page.locator('#terminal').ariaSnapshot()), true);
  check('screen reader: nothing on a wide window', await accessibilityFaults(page), '');
  await typedAt(page, 'e10\r');
  check('screen reader: the terminal described by its question', await terminalDescription(page),
        'D [mm]=');
  await typedAt(page, '60\r70\r96500\r0.11\r');
  check('screen reader: after a dialogue, the menu as before in one line, read out politely',
        await page.evaluate(() => document.getElementById('ansage').textContent + ' ' +
            [...document.querySelectorAll('[aria-live=assertive]')]
                .filter((region) => region.textContent.includes('F8 q Exit')).length),
        'Menü wie zuvor 0');
  await typedAt(page, 'c123\r1 1 1 1\rq');
  await page.focus('#terminal textarea');
  await page.keyboard.press('Tab');
  check('after q: one Tab from the terminal to the offer', await focused(), 'weiter');
  check('after q: nothing with the offer shown', await accessibilityFaults(page), '');
  await page.click('#weiter');
  await settled(page);
  await typedAt(page, 'w');
  check('a slip undone: the run goes on with the last values',
        (await page.evaluate(() => window.zorpi.screen())).includes('p0= 123 [N/mm2]'), true);
  // A line being typed goes on after "Neu starten"; a typed Ctrl-C drops it, as a terminal.
  for (const [ending, shown] of [['#neu', '125'], ['Control+c', '5']]) {
    await typedAt(page, 'xc12');
    await (ending.startsWith('#') ? page.click(ending) : page.keyboard.press(ending));
    await settled(page);
    await page.click('#weiter');
    await settled(page);
    await typedAt(page, '5\r1 1 1 1\rw');
    const screen = await page.evaluate(() => window.zorpi.screen());
    check(`the line being typed, after ${ending}: the screen shows what the run takes`,
          screen.includes(`p0 [N/mm2]= ${shown}\n`) + ' ' + screen.includes(`p0= ${shown} [N/mm2]`),
          'true true');
  }
  await page.close();

  const phone = await browser.newContext({viewport: {width: 390, height: 844}, hasTouch: true,
                                          isMobile: true, offline: true});
  const tapped = await openPage(phone);
  await helpLaidOut(tapped);
  check('phone: nothing with the help closed', await accessibilityFaults(tapped), '');
  const bar = () => tapped.evaluate(() => [...document.querySelectorAll('#tasten button')]
      .filter((button) => button.offsetParent).map((button) => button.textContent).join(' '));
  check('phone: the key bar at the taper\'s menu', await bar(), 'a c e w g i q');
  await tapped.tap('#tasten button[data-key="c"]');
  await settled(tapped);
  await tapped.setViewportSize({width: 390, height: 508});
  await tapped.waitForFunction(() => window.zorpi.size().rows < 25, null, {polling: 20});
  const fits = await tapped.evaluate(() => {
    const inside = (box) => box.top >= 0 && box.bottom <= window.innerHeight;
    const header = document.getElementById('kopf').getBoundingClientRect().height;
    return inside(window.zorpi.promptBox()) && window.zorpi.size().rows >= 8 && header < 60 &&
           [...document.querySelectorAll('#tasten button')].filter((button) => button.offsetParent)
               .every((button) => inside(button.getBoundingClientRect()));
  });
  check('phone with its keyboard open: the prompt and the key bar in view, 8 rows or more, ' +
        'a header of one row',
        fits, true);
  check('phone: the key bar at a number', await bar(), '. - e ⌫ ⏎');
  await tapped.tap('#tasten button[data-key="."]');
  await settled(tapped);
  check('phone: the point tapped reaches the program',
        (await tapped.evaluate(() => window.zorpi.screen())).includes('p0 [N/mm2]= .'), true);
  await tapped.tap('#menue-knopf');
  await tapped.tap('#hilfe-knopf');
  check('phone: the help a view of its own: no key bar, no header fields, one way back',
        await bar() + await tapped.evaluate(() => [...document.querySelectorAll('button, input')]
            .filter((control) => control.offsetParent && (control.tagName === 'INPUT' ||
                                 control.textContent === 'Zurück zum Programm'))
            .map((control) => control.id).join(' ')), 'zurueck');
  check('phone: nothing with the help open', await accessibilityFaults(tapped), '');
  await phone.close();
}

// The text of `page` printed to an A4 PDF, page by page.
async function printedPages(page) {
  const pdf = path.join(fs.mkdtempSync('/tmp/zorpi-print-'), 'print.pdf');
  await page.pdf({path: pdf, format: 'A4'});
  const info = spawnSync('pdfinfo', [pdf]).stdout.toString();
  const count = Number(info.match(/Pages: +(\d+)/)[1]);
  const pages = [];
  for (let number = 1; number <= count; ++number) {
    pages.push(spawnSync('pdftotext', ['-layout', '-f', `${number}`, '-l', `${number}`, pdf, '-'])
        .stdout.toString().replace(/ +/g, ' '));
  }
  pages.title = (info.match(/Title: +(.*)/) || ['', ''])[1];
  return pages;
}

// The calculation record as the proof a reviewer signs, for each type: one page, whatever the
// title and the names; the calculation written out with the run's values, the ratios to the
// allowable pressures, the type's sketch and method, and no word that judges; a record made
// inside a dialogue says so. The session printed with a header, the names, numbered pages
// and no menu split between two.
async function checkRecord(context, check) {
  const full = ['T'.repeat(200), 'B'.repeat(60), 'C'.repeat(60)];
  const records = [
    ['parallel key', 'a1\rb250\rc100\rd2\re40 50 8 5 1\r', ['Getriebe 7, Welle 3', 'A. Muster', ''],
     ['Passfeder', 'd Wellendurchmesser 40 mm', 'Rechengang',
      '= 1000 · 250 / ((8 − 5) · 20 · 50 · 1) = 83.3333 N/mm²', 'p/pzul = 83.3333 / 70 = 1.19',
      'Beanspruchungsart 2: einseitig, leichte Stöße – f = 0.7', 'Bearbeiter: A. Muster',
      'Seite 1 von 1', 'vereinfacht nach DIN 6892', 'ZORPI bewertet nicht'], ['d', 'lt', 'h', 't1']],
    ['spline shaft', 'a2\rb500\rc150\rd1\re46 50 40 8 1\r', full,
     ['Keilwelle, Innenzentrierung', 'phi = 0.75', '43.4028', 'p/pzul = 43.4028 / 120 = 0.362'],
     ['d1', 'd2', 'lt']],
    ['serrated shaft', 'a3\rb300\rc120\rd4\re28 32 25 24 2\r', full,
     ['Zahnwelle, Evolventenverzahnung', 'h = 0.5 · (d3 − d2)', 'p/pzul'], ['d2', 'd3', 'lt']],
    ['polygon P4C', 'a4\rb200\rc150\rd5\re2 30 35 3 5\r', full,
     ['Profil P4C', 'dm = 2 · e + d2', 'f = 0.45'], ['d1', 'e1', 'd2', 'e', 'er']],
    ['taper', '', full, ['Kegelverbindung 1:10', 'Reibungszahl', '1863.9', 'pzul = p0',
                         'p/pAzul = 48.2743 / 152.76 = 0.316', 'p/pIzul = 48.2743 / 264.619 = 0.182',
                         'Selbsthemmung: ja'], ['D', 'L', 'd', 'DA', '1:X', 'FV']],
    ['clamp', 'a6\rc120\re40 50 60 30 20000 2 1 0.15 1\r', full,
     ['Klemmverbindung, Nabe geteilt', 'Biegespannung', 'p/pzul = 24 / 120 = 0.2'],
     ['d', 'l', 'ls', 'a', 'FV']],
    ['polygon without a profile', 'a4\rc150\rd1\r', ['', '', ''],
     ['f = 1.1', 'pzul zulässige Flächenpressung 165', 'p: nicht berechnet', 'p/pzul = 0 / 165 = —'],
     []],
    ['taper inside a dialogue', 'e45\r', ['', '', ''],
     ['Eingabe nicht abgeschlossen', 'Kegelverbindung 1:45'], []],
  ];
  const methods = new Set();
  for (const [name, keys, [title, preparer, checker], holds, labels] of records) {
    const page = await openPage(context);
    await typedAt(page, keys);
    await page.fill('#titel', title);
    await page.fill('#bearbeiter', preparer);
    await page.fill('#geprueft', checker);
    await recordOf(page);
    const printed = await printedPages(page);
    check(`record of the ${name}: one page, named after its title`,
          `${printed.length} ${printed.title}`,
          `1 ${title === '' ? await page.title() : 'ZORPI – ' + title}`);
    check(`record of the ${name}: what it holds`,
          holds.filter((text) => !printed[0].includes(text)).join(', ') +
          (/F8 q Exit|weiter mit|\(Taste|N\/mm2|erfüllt|\bOK\b|ausreichend|genügt|bestanden/
              .test(printed[0]) ? ' and more' : ''), '');
    const drawn = await page.$$eval('#druck-berechnung svg text', (all) => all.map((t) => t.textContent));
    check(`record of the ${name}: the sketch's labels`,
          labels.filter((label) => !drawn.includes(label)).join(', '), '');
    if (labels.length > 0) {
      methods.add(await page.textContent('[data-feld="methode"]'));
    }
    await page.close();
  }
  check('records: the method differs per type', methods.size, 6);
  const page = await openPage(context);
  await helpLaidOut(page);
  check('help: the sketches of the six types', await page.$$eval('#hilfe figure svg',
                                                                  (all) => all.length), 6);
  await page.fill('#titel', 'Getriebe 7');
  await page.fill('#bearbeiter', 'A. Muster');
  await paste(page, 'w \r \r'.repeat(30));
  await settled(page);
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  const printed = await printedPages(page);
  const last = printed.length;
  const menusWhole = printed.every((text) => text.split('Welle-Nabe Verb.,i Info').length ===
                                             text.split('F8 q Exit').length);
  check('session printed: header, names, numbered pages, no menu split',
        printed[0].includes('Sitzung') && printed[0].includes('Getriebe 7') &&
        printed[0].includes('Bearbeiter: A. Muster') && printed[0].includes('Geprüft:') &&
        printed[0].includes(`Seite 1 von ${last}`) &&
        printed[last - 1].includes(`Seite ${last} von ${last}`) && last > 1 && menusWhole, true);
  await page.close();
}

// Pastes as a hostile user makes them: C1 control codes at a number prompt are shown, not
// obeyed, and not saved; a number line far longer than a terminal's line is taken whole; a
// paste of megabytes runs to its end, and Ctrl-C stops one at once.
async function checkHostilePastes(context, check) {
  const c1 = '\u009b2J\u009b1;1Hp    = 0 [N/mm2]\u009b8m';
  let shown = await atPage(context, ['c', c1].concat(typed('\r1 2 3 4\rq')));
  check('C1 codes pasted: saved as placeholders', /[\u0080-\u009f]/.test(shown.text) ||
        !shown.text.includes('p0 [N/mm2]= \ufffd2J\ufffd1;1Hp    = 0 [N/mm2]\ufffd8m\n'), false);
  check('C1 codes pasted: the screen kept', shown.screen.split('F8 q Exit').length, 3);
  const longNumber = '0.' + '0'.repeat(9090) + '1e9000';
  shown = await atPage(context, [`a\r1\rb\r${longNumber}\rw\r \rq\r`]);
  check('a long number line pasted', shown.text.includes('\nT = 1e-91 [Nm]\n'), true);
  shown = await atPage(context, ['z'.repeat(200000) + 'q']);
  check('a paste of 200,000 keys ends', shown.ending, ended(113));
  const page = await openPage(context);
  await paste(page, 'g\r \r \r'.repeat(1 << 18));
  await page.waitForFunction(() => window.zorpi.text().length > 100000, null, {polling: 10});
  await page.keyboard.press('Control+c');
  await page.waitForFunction(() => window.zorpi.ended(), null, {polling: 10, timeout: 2000});
  check('Ctrl-C in the middle of a 2 MB paste', await page.textContent('#ende-text'),
        ended(130));
  await page.close();
}

// The prompts of every dialogue, as the program at `program` writes them.
function dialogueSymbols() {
  let script = '';
  for (let type = 1; type <= 6; ++type) {
    script += `a\n${type}\nb\n1\nc\n${'1\n'.repeat(5)}d\n1\ne\n${'1\n'.repeat(10)}`;
  }
  script += `a\n4\ne\n2\n${'1\n'.repeat(5)}q\n`;
  const run = spawnSync('setsid', ['-w', program], {input: script});
  const prompts = run.stdout.toString().split('\n').filter((l) => / = ?$|= $|^Kegel 1:$/.test(l));
  return [...new Set(prompts.map((l) => l.replace(/ *(\[[^\]]*\])? *= *$/, '')))];
}

// The kind of the dialog that closing `page` opens, 'none' when there is none within a second.
async function leaveQuestion(page) {
  const dialog = page.waitForEvent('dialog', {timeout: 1000}).catch(() => null);
  await page.close({runBeforeUnload: true});
  const opened = await dialog;
  if (opened === null) {
    return 'none';
  }
  const kind = opened.type();
  await opened.accept();
  return kind;
}

// What an engineer sees of the page: it fills the window at two sizes, explains every symbol
// of the dialogues, warns of a decimal comma, prints the record of the current input on one
// page, asks before leaving once something was typed, and on a phone runs the taper example
// by its key bar without scrolling sideways.
async function checkEngineersPage(browser, context, check) {
  const page = await openPage(context);
  const fills = async (width, height) => {
    await page.setViewportSize({width, height});
    await page.waitForFunction((h) => document.querySelector('.xterm-screen')
        .getBoundingClientRect().bottom > 0.85 * h, height, {polling: 50, timeout: 5000})
        .catch(() => {});
    return page.evaluate(() => [window.zorpi.size().columns,
                                document.querySelector('.xterm-screen').getBoundingClientRect()
                                    .bottom / window.innerHeight > 0.85]);
  };
  const [narrower, filled] = await fills(1280, 720);
  const [wider, filledToo] = await fills(1920, 1080);
  check('fits 1280 x 720 and 1920 x 1080', filled && filledToo && wider > narrower, true);
  const codes = await page.$$eval('#hilfe code', (all) => all.map((code) => code.textContent));
  check('help: every symbol of the dialogues',
        dialogueSymbols().filter((symbol) => !codes.includes(symbol)).join(', '), '');
  check('help: a text with a semicolon, whole', (await page.textContent('#hilfe')).includes(
      'das Programm bekommt die Tab-Taste nie. Ein eingefügter Tabulator erreicht es weiter.'),
        true);
  await page.keyboard.press('e');
  await settled(page);
  await page.keyboard.type('0,1');
  await settled(page);
  check('decimal comma noted', /Dezimalpunkt/.test(await page.textContent('[role=status]#hinweis')),
        true);
  await page.keyboard.type('2\r');
  await settled(page);
  check('leaving after typing asks', await leaveQuestion(page), 'beforeunload');
  const untouched = await context.newPage();
  await untouched.goto(pageUrl);
  await settled(untouched);
  await untouched.click('#titel');  // the browser asks only after a user's gesture
  check('leaving untouched does not ask', await leaveQuestion(untouched), 'none');

  const phone = await browser.newContext({viewport: {width: 390, height: 844}, hasTouch: true,
                                          isMobile: true, offline: true, acceptDownloads: true});
  const taper = ['g', ' ', ' ', 'q'];
  const tapped = await atPage(phone, taper, undefined, true);
  check('phone: the taper by the key bar', tapped.text, (await atTerminal(taper)).text);
  const bar = await phone.newPage();
  await bar.goto(pageUrl);
  check('phone: nothing scrolls sideways, the key bar fits a finger', await bar.evaluate(() =>
      document.documentElement.scrollWidth <= window.innerWidth &&
      [...document.querySelectorAll('#tasten button')].filter((b) => b.offsetParent).every((button) => {
        const box = button.getBoundingClientRect();
        return box.width >= 44 && box.height >= 44 && button.dataset.key &&
               button.getAttribute('aria-label');
      })), true);
  await phone.close();
}

// Served over http, the page asks for nothing but itself: not even /favicon.ico.
async function checkServed(browser, check) {
  const asked = [];
  const server = http.createServer((request, response) => {
    asked.push(request.url);
    response.end(request.url === '/' ? fs.readFileSync(pagePath) : '');
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  const page = await browser.newPage();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await settled(page);
  await page.close();
  server.close();
  check('served over http, asks only for the page', asked.join(), '/');
}

const started = Date.now();
async function main() {
  const browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const context = await browser.newContext({offline: true, acceptDownloads: true});
  let failed = 0;
  const check = (name, actual, expected) => {
    if (actual !== expected) {
      failed++;
      console.log(`FAIL: ${name}\n--- page\n${JSON.stringify(actual)}\n--- expected\n` +
                  JSON.stringify(expected));
    } else {
      console.log(`ok: ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    }
  };
  const atTerminals = replay === '-' ? [] : Object.entries(sessions).map(
      ([name, bursts]) => [name, bursts, atTerminal(bursts)]);
  for (const [name, bursts, atTheTerminal] of atTerminals) {
    const expected = await atTheTerminal;
    const shown = await atPage(context, bursts, expected.bytes);
    check(name, shown.text, expected.text);
    check(name + ': as drawn', shown.screen, shown.atTerminalScreen);
    check(name + ': status', shown.ending, ended(expected.status));
    for (const text of mustShow[name] || []) {
      check(`${name}: shows ${JSON.stringify(text)}`, shown.text.includes(text), true);
    }
  }
  const size = fs.statSync(pagePath).size;
  const packed = zlib.gzipSync(fs.readFileSync(pagePath), {level: 9}).length;
  check(`the page's size: ${size} bytes, ${packed} gzipped`, size <= 760000 && packed <= 218000,
        true);
  for (const file of fs.readdirSync(transcriptDir).filter((f) => f.endsWith('.in'))) {
    const script = fs.readFileSync(path.join(transcriptDir, file), 'utf8');
    const kept = fs.readFileSync(path.join(transcriptDir, file.replace(/\.in$/, '.out')), 'utf8');
    const shown = await atPage(context, [script]);
    check('kept transcript ' + file, shown.text, render(Buffer.from(kept)));
    check('kept transcript ' + file + ': status', shown.ending, ended(113));
  }
  if (replay !== '-') {
    await checkNothingHidden(context, check);
    await checkForEveryone(browser, context, check);
    await checkRecord(context, check);
    await checkHostilePastes(context, check);
    await checkEngineersPage(browser, context, check);
    await checkServed(browser, check);
  }
  await browser.close();
  console.log(failed === 0 ? 'the page shows what the terminal shows' : `${failed} checks failed`);
  process.exit(failed === 0 ? 0 : 1);
}

main().catch((error) => {
  console.log(error);
  process.exit(1);
});
