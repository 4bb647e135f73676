// Drives the browser page in Chromium, opened as file:// with the network off, as a person
// would: keys typed one at a time, and pastes. What the page saves must be what this program
// shows at a pseudo-terminal for the same keys, and what its terminal draws must be what
// xterm.js draws of the pseudo-terminal's bytes; a kept transcript's script pasted at the
// page must give the kept screen. Pastes of control codes and of megabytes must do no harm.
// The page may ask for nothing but itself.
// Usage: node check_page.js PAGE PTY_REPLAY PROGRAM TRANSCRIPT_DIR CHROMIUM
// With "-" for PTY_REPLAY and PROGRAM, only the kept transcripts are checked.
'use strict';

const fs = require('fs');
const path = require('path');
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

// Plays `bursts` at a freshly loaded page; the saved session, the status it ended with, the
// screen its terminal drew, and the screen xterm.js draws for `terminalBytes`.
async function atPage(browser, bursts, terminalBytes = Buffer.alloc(0)) {
  const page = await browser.newPage();
  const asked = [];
  page.on('request', (request) => asked.push(request.url()));
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(pageUrl);
  await settled(page);
  for (const burst of bursts) {
    if (keyNames[burst] || burst.length === 1) {
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
  await checkHostilePastes(context, check);
  await browser.close();
  console.log(failed === 0 ? 'the page shows what the terminal shows' : `${failed} checks failed`);
  process.exit(failed === 0 ? 0 : 1);
}

main().catch((error) => {
  console.log(error);
  process.exit(1);
});
