// The browser page's figures, in headless Chromium with the page opened as file:// offline:
// milliseconds from navigation start until the first menu is drawn, beside a page with the
// terminal widget alone writing the same menu (three runs of 12 loads each, in turn); and the
// longest pause of the page (the longest gap between ticks of a 5 ms timer) while a 1 MB
// script is pasted and runs to its end, and while the record of a long session is made.
// Usage: node page.js PAGE CHROMIUM [first-menu]   (first-menu: that figure alone)
'use strict';

const fs = require('fs');
const path = require('path');
const {chromium} = require(path.join(__dirname, '../web/node_modules/playwright-core'));

// A page with nothing but the terminal widget, from the same node_modules with the same
// options and its stylesheet inlined, that writes the first menu: the floor the page's first
// menu is measured against.
function floorPage() {
  const modules = path.join(__dirname, '../web/node_modules/@xterm');
  const read = (file) => fs.readFileSync(path.join(modules, file), 'utf8')
      .replace(/<\/(script|style)/g, '<\\/$1');
  const menu = '\nWelle-Nabe Verb.,i Info\nF1 a Verbindungstyp\nF3 c Werkstoffwerte\n' +
               'F5 e Geometrie\nF6 w momentan def. Werte\nF7 g Compute\nF8 q Exit\n';
  return `<!DOCTYPE html><html lang="de"><head><meta charset="utf-8"><title>floor</title>
<style>${read('xterm/css/xterm.css')}</style>
<style>html, body { margin: 0; height: 100%; } #terminal { height: 100%; }</style></head>
<body><div id="terminal"></div>
<script>${read('xterm/lib/xterm.js')}</script><script>${read('addon-fit/lib/addon-fit.js')}</script>
<script>
  Terminal.strings.promptLabel = 'ZORPI-Terminal';
  const terminal = new Terminal({convertEol: true, cursorBlink: true, scrollback: 10000,
                                 fontFamily: 'monospace', fontSize: 15, screenReaderMode: true});
  const fit = new FitAddon.FitAddon();
  terminal.loadAddon(fit);
  terminal.open(document.getElementById('terminal'));
  fit.fit();
  let at = null;
  terminal.write(${JSON.stringify(menu)}, () => { at = performance.now(); });
  window.zorpi = {firstScreenAt: () => at};
</script></body></html>`;
}

// Milliseconds from navigation start until the first menu is drawn, for one load of `url`.
async function firstMenuOf(context, url) {
  const tab = await context.newPage();
  await tab.goto(url);
  await tab.waitForFunction(() => window.zorpi && window.zorpi.firstScreenAt() !== null,
                            null, {polling: 5});
  const at = await tab.evaluate(() => window.zorpi.firstScreenAt());
  await tab.close();
  return at;
}

const median = (times) => {
  const sorted = [...times].sort((a, b) => a - b);
  return (sorted[(sorted.length - 1) >> 1] + sorted[sorted.length >> 1]) / 2;
};

// The page's first menu beside the floor's, loaded in turn 12 times each, in three runs.
async function firstMenu(context, url) {
  const floor = path.join(fs.mkdtempSync('/tmp/zorpi-floor-'), 'floor.html');
  fs.writeFileSync(floor, floorPage());
  for (let run = 1; run <= 3; ++run) {
    const page = [];
    const bare = [];
    for (let load = 0; load < 12; ++load) {
      page.push(await firstMenuOf(context, url));
      bare.push(await firstMenuOf(context, 'file://' + floor));
    }
    console.log(`   first menu after navigation start, run ${run}: page ${median(page).toFixed(0)}` +
                ` ms, the terminal widget alone ${median(bare).toFixed(0)} ms (medians of 12` +
                ` loads each, in turn): ${(median(page) / median(bare)).toFixed(2)} times`);
  }
}

// In the tab: pastes `text` at the terminal, as a browser's paste does.
function pasteInTab(text) {
  const data = new DataTransfer();
  data.setData('text/plain', text);
  document.querySelector('#terminal textarea').dispatchEvent(
      new ClipboardEvent('paste', {clipboardData: data, bubbles: true, cancelable: true}));
}

// In the tab: from now on window.longestPause is the longest gap between ticks of a 5 ms
// timer.
function watchPauses() {
  window.longestPause = 0;
  let last = performance.now();
  setInterval(() => {
    const now = performance.now();
    window.longestPause = Math.max(window.longestPause, now - last);
    last = now;
  }, 5);
}

// A fresh tab of the page, waiting at its first menu, that knows how to paste and to watch.
async function freshTab(context, url) {
  const tab = await context.newPage();
  await tab.goto(url);
  await tab.waitForFunction(() => window.zorpi.waiting(), null, {polling: 5});
  await tab.addScriptTag({content: `${pasteInTab}\n${watchPauses}`});
  return tab;
}

async function longestPause(context, url) {
  const tab = await freshTab(context, url);
  const script = 'g\r \r \r'.repeat(1 << 17) + 'q\r';  // the taper, 131,072 times: 1 MB
  const started = Date.now();
  await tab.evaluate((pasted) => {
    watchPauses();
    pasteInTab(pasted);
  }, script);
  await tab.waitForFunction(() => window.zorpi.ended(), null, {polling: 50, timeout: 300000});
  const pause = await tab.evaluate(() => window.longestPause);
  console.log(`   a 1 MB script pasted: ran to its end in ${Date.now() - started} ms,` +
              ` longest pause ${pause.toFixed(0)} ms`);
  await tab.close();
}

// The longest pause while the record of 300,000 calculations is made: the taper's g and two
// blanks pasted 300,000 times, then "Berechnung drucken" with the print dialog left out.
async function recordPause(context, url) {
  const tab = await freshTab(context, url);
  await tab.evaluate((pasted) => pasteInTab(pasted), 'g\r \r \r'.repeat(300000));
  await tab.waitForFunction(() => window.zorpi.waiting(), null, {polling: 50, timeout: 600000});
  const started = Date.now();
  await tab.evaluate(() => {
    window.print = () => {};
    watchPauses();
    document.getElementById('berechnung').click();
  });
  await tab.waitForFunction(() => !window.zorpi.preparing(), null, {polling: 50, timeout: 600000});
  const pause = await tab.evaluate(() => window.longestPause);
  console.log(`   the record of 300,000 calculations: made in ${Date.now() - started} ms,` +
              ` longest pause ${pause.toFixed(0)} ms`);
  await tab.close();
}

async function main() {
  const [page, chromiumPath, only] = process.argv.slice(2);
  const browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const context = await browser.newContext({offline: true});
  const url = 'file://' + path.resolve(page);
  await firstMenu(context, url);
  if (only !== 'first-menu') {
    await longestPause(context, url);
    await recordPause(context, url);
  }
  await browser.close();
}

main().catch((error) => {
  console.log(error);
  process.exit(1);
});
