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
const {spawnSync} = require('child_process');
const {chromium} = require(path.join(__dirname, '../../web/node_modules/playwright-core'));
const ZorpiTranscript = require(path.join(__dirname, '../../web/transcript.js'));

const [pagePath, replay, program, transcriptDir, chromiumPath] = process.argv.slice(2);
const pageUrl = 'file://' + path.resolve(pagePath);

// Sessions as bursts of keys: a burst of one key is typed, a longer one is pasted, except
// the function and arrow keys, which are pressed.
const keyNames = {
  '\r': 'Enter', '\x7f': 'Backspace', ' ': 'Space', '\x04': 'Control+d', '\x03': 'Control+c',
  '\x15': 'Control+u',
  '\x1bOP': 'F1', '\x1bOS': 'F4', '\x1b[A': 'ArrowUp', '\x1b[D': 'ArrowLeft',
  '\x1b[C': 'ArrowRight', '\t': 'Tab',
};
const typed = (text) => [...text];
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
  'Backspace over a tab': typed('c\t5\x7f\x7f7 1 2 3 4\rq'),
};

function render(bytes) {
  const transcript = new ZorpiTranscript();
  transcript.add(bytes);
  return transcript.text();
}

// The screen and status of this program at a pseudo-terminal for `bursts`.
function atTerminal(bursts) {
  const run = spawnSync(replay, [program], {input: bursts.join('\0')});
  if (run.status !== 0) {
    throw new Error('pty replay failed: ' + run.stderr.toString());
  }
  return {text: render(run.stdout), bytes: run.stdout, status: Number(run.stderr.toString().trim())};
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
      await page.tap(`#tasten button[data-key="${keyNames[burst] || burst}"]`);
    } else if (keyNames[burst] || burst.length === 1) {
      await page.keyboard.press(keyNames[burst] || burst);
    } else {
      await paste(page, burst);
    }
    await settled(page);
  }
  await page.waitForFunction(() => window.zorpi.ended(), null, {polling: 10, timeout: 60000});
  const ending = await page.textContent('#ende');
  const screen = await page.evaluate(() => window.zorpi.screen());
  const atTerminalScreen = await drawn(page, terminalBytes);
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
  check('a paste of 200,000 keys ends', shown.ending, 'ZORPI beendet (Status 113).');
  const page = await context.newPage();
  await page.goto(pageUrl);
  await settled(page);
  await paste(page, 'g\r \r \r'.repeat(1 << 18));
  await page.waitForFunction(() => window.zorpi.text().length > 100000, null, {polling: 10});
  await page.keyboard.press('Control+c');
  await page.waitForFunction(() => window.zorpi.ended(), null, {polling: 10, timeout: 2000});
  check('Ctrl-C in the middle of a 2 MB paste', await page.textContent('#ende'),
        'ZORPI beendet (Status 130).');
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
  const page = await context.newPage();
  await page.goto(pageUrl);
  await settled(page);
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
  await page.keyboard.press('e');
  await settled(page);
  await page.keyboard.type('0,1');
  check('decimal comma noted', /Dezimalpunkt/.test(await page.textContent('[role=status]#hinweis')),
        true);
  await page.keyboard.type('2\r');
  await settled(page);
  await page.fill('#titel', 'Getriebe 7, Welle 3');
  await page.evaluate(() => {
    window.print = () => {};
  });
  await page.click('#berechnung');
  await page.waitForFunction(() => document.body.classList.contains('druck-berechnung'));
  const pdf = path.join(fs.mkdtempSync('/tmp/zorpi-record-'), 'record.pdf');
  await page.pdf({path: pdf, format: 'A4'});
  const pages = spawnSync('pdfinfo', [pdf]).stdout.toString().match(/Pages: +(\d+)/);
  const printed = spawnSync('pdftotext', ['-layout', pdf, '-']).stdout.toString();
  check('record: one page', pages && pages[1], '1');
  check('record: title, values and results, no menu',
        ['Getriebe 7, Welle 3', 'Kegel= 1:0', 'my = 0.11', 'ReI= 275', 'alpha= 180 [Grad]',
         'pzul = 150'].every((figure) => printed.replace(/ +/g, ' ').includes(
             figure.replace(/ +/g, ' '))) && !/F8 q Exit|weiter mit/.test(printed), true);
  check('leaving after typing asks', await leaveQuestion(page), 'beforeunload');
  const untouched = await context.newPage();
  await untouched.goto(pageUrl);
  await settled(untouched);
  await untouched.click('#titel');  // the browser asks only after a user's gesture
  check('leaving untouched does not ask', await leaveQuestion(untouched), 'none');

  const phone = await browser.newContext({viewport: {width: 390, height: 844}, hasTouch: true,
                                          isMobile: true, offline: true, acceptDownloads: true});
  const taper = ['g', '\r', '\r', 'q'];
  const tapped = await atPage(phone, taper, undefined, true);
  check('phone: the taper by the key bar', tapped.text, atTerminal(taper).text);
  const bar = await phone.newPage();
  await bar.goto(pageUrl);
  check('phone: nothing scrolls sideways, the key bar fits a finger', await bar.evaluate(() =>
      document.documentElement.scrollWidth <= window.innerWidth &&
      [...document.querySelectorAll('#tasten button')].every((button) => {
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
      console.log(`ok: ${name}`);
    }
  };
  for (const [name, bursts] of replay === '-' ? [] : Object.entries(sessions)) {
    const expected = atTerminal(bursts);
    const shown = await atPage(context, bursts, expected.bytes);
    check(name, shown.text, expected.text);
    check(name + ': as drawn', shown.screen, shown.atTerminalScreen);
    check(name + ': status', shown.ending, `ZORPI beendet (Status ${expected.status}).`);
  }
  for (const file of fs.readdirSync(transcriptDir).filter((f) => f.endsWith('.in'))) {
    const script = fs.readFileSync(path.join(transcriptDir, file), 'utf8');
    const kept = fs.readFileSync(path.join(transcriptDir, file.replace(/\.in$/, '.out')), 'utf8');
    const shown = await atPage(context, [script]);
    check('kept transcript ' + file, shown.text, render(Buffer.from(kept)));
    check('kept transcript ' + file + ': status', shown.ending, 'ZORPI beendet (Status 113).');
  }
  if (replay !== '-') {
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
