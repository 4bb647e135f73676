// The browser page's figures, in headless Chromium with the page opened as file:// offline:
// milliseconds from navigation start until the first menu is drawn, for 10 loads; and the
// longest pause of the page (the longest gap between ticks of a 5 ms timer) while a 1 MB
// script is pasted and runs to its end, and while the record of a long session is made.
// Usage: node page.js PAGE CHROMIUM
'use strict';

const path = require('path');
const {chromium} = require(path.join(__dirname, '../web/node_modules/playwright-core'));

async function firstMenu(context, url) {
  const times = [];
  for (let load = 0; load < 10; ++load) {
    const tab = await context.newPage();
    await tab.goto(url);
    await tab.waitForFunction(() => window.zorpi && window.zorpi.firstScreenAt() !== null,
                              null, {polling: 5});
    times.push(await tab.evaluate(() => window.zorpi.firstScreenAt()));
    await tab.close();
  }
  times.sort((a, b) => a - b);
  const median = (times[4] + times[5]) / 2;
  console.log(`   first menu after navigation start: median ${median.toFixed(0)} ms of 10 loads` +
              ` (${times[0].toFixed(0)} to ${times[9].toFixed(0)} ms)`);
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
  const [page, chromiumPath] = process.argv.slice(2);
  const browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const context = await browser.newContext({offline: true});
  const url = 'file://' + path.resolve(page);
  await firstMenu(context, url);
  await longestPause(context, url);
  await recordPause(context, url);
  await browser.close();
}

main().catch((error) => {
  console.log(error);
  process.exit(1);
});
