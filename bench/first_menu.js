// How soon the browser page shows its first menu: milliseconds from navigation start until
// the menu is in the terminal, for 10 loads in headless Chromium, opened as file:// offline.
// Usage: node first_menu.js PAGE CHROMIUM
'use strict';

const path = require('path');
const {chromium} = require(path.join(__dirname, '../web/node_modules/playwright-core'));

async function main() {
  const [page, chromiumPath] = process.argv.slice(2);
  const browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const context = await browser.newContext({offline: true});
  const times = [];
  for (let load = 0; load < 10; ++load) {
    const tab = await context.newPage();
    await tab.goto('file://' + path.resolve(page));
    await tab.waitForFunction(() => window.zorpi && window.zorpi.firstScreenAt() !== null,
                              null, {polling: 5});
    times.push(await tab.evaluate(() => window.zorpi.firstScreenAt()));
    await tab.close();
  }
  await browser.close();
  times.sort((a, b) => a - b);
  const median = (times[4] + times[5]) / 2;
  console.log(`   first menu after navigation start: median ${median.toFixed(0)} ms of 10 loads` +
              ` (${times[0].toFixed(0)} to ${times[9].toFixed(0)} ms)`);
}

main().catch((error) => {
  console.log(error);
  process.exit(1);
});
