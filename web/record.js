// The calculation record of a run: a hidden instance of the program is handed what the run's
// reads gave it, so that it stands where the run stood; then it leaves any open dialogue (its
// number reads learn that the typed input has ended, a page break or the info screen is left
// with x), lists the values (w) and the results (g), each page break answered with a blank,
// and shows its banner (i), stating each value and the banner as facts. No screen text is
// read. The record's page (web/record.html) is then laid out from those facts and the
// meanings the help gives each field.
'use strict';

/**
 * Resolves with {values, results, banner}: the facts {kind, field, symbol, value, unit} that
 * the listing and the results state, in their order, and the banner, for a run that was handed
 * `handOuts`.
 */
async function zorpiCalculationRecord(handOuts) {
  const replay = new ZorpiReplay(handOuts);
  const kept = {w: [], g: [], i: []};
  let phase = 'replay';
  const typed = (text) => ({bytes: ZorpiRun.encoder.encode(text), arrival: 'typed'});
  const answer = (kind) => {
    if (phase === 'replay' && !replay.done()) {
      return replay.answer();
    }
    if (phase === 'replay') {
      phase = 'leave';
    }
    if (kind === 'number') {
      return {bytes: new Uint8Array(0), arrival: 'replayed'};
    }
    if (kind === 'page' || kind === 'info') {
      return typed(phase === 'leave' ? 'x' : ' ');
    }
    phase = {leave: 'w', w: 'g', g: 'i', i: 'done'}[phase];
    return typed(phase === 'done' ? '' : phase);  // nothing typed: the keyboard has closed
  };
  const nothing = () => {};
  const program = await createZorpi({
    zorpiRead: (capacity, kind) => Promise.resolve(answer(kind)),
    zorpiWrite: nothing,
    zorpiHandOut: nothing,
    zorpiQuit: nothing,
    zorpiFact: (fact) => {
      if (phase in kept) {
        kept[phase].push(fact);
      }
    },
  });
  await program.ccall('main', 'number', [], [], {async: true});
  const banner = kept.i.find((fact) => fact.kind === 'banner');
  return {values: kept.w, results: kept.g, banner: banner === undefined ? '' : banner.symbol};
}

// The connection type in words with what sets it apart: "Kegelverbindung 1:10",
// "Polygonverbindung, Profil P4C", "Klemmverbindung, Nabe geteilt".
function zorpiTypeInWords(typ, fact) {
  if (!(typ in ZorpiHelp.types)) {
    return '';
  }
  const type = ZorpiHelp.types[typ];
  const ratio = fact('X');
  // The ratio is shown as the screen shows it, "1:10".
  let words = ratio === undefined ? type.words : type.words.replace('1:X', ratio.value);
  for (const [field, names] of Object.entries(type.choices)) {
    const choice = fact(field);
    if (choice !== undefined && choice.value in names) {
      words += ', ' + names[choice.value];
    }
  }
  return words;
}

// The kind of loading the calculation used, with its number, words and the factor of pzul,
// as the program states them.
function zorpiLoadingLine(results) {
  const kind = results.find((fact) => fact.kind === 'loading');
  const factor = results.find((fact) => fact.kind === 'derived' && fact.field === 'f');
  if (kind === undefined || kind.value === '') {
    return 'Beanspruchungsart: bei Kegel- und Klemmverbindung ist pzul = p0';
  }
  if (factor === undefined) {
    return 'Beanspruchungsart: keine gewählt – pzul bleibt, wie es war';
  }
  return `Beanspruchungsart: ${kind.value} – ${ZorpiHelp.loading[kind.value]} – ` +
         `pzul = ${factor.value} p0`;
}

// A row of the record: the symbol, its meaning from `meanings`, the value and the unit as
// shown; a line that names a choice is its value.
function zorpiRecordRow(shown, meanings) {
  const row = document.createElement('tr');
  const choice = shown.kind === 'choice';
  const meaning = meanings[shown.field] || {de: ''};
  const cells = [choice ? '' : shown.symbol, meaning.de, choice ? shown.symbol : shown.value,
                 shown.unit];
  cells.forEach((text, column) => {
    const cell = row.insertCell();
    cell.textContent = text;
    cell.className = column === 2 ? 'wert' : '';
  });
  return row;
}

/**
 * Fills the record's page (web/record.html) from `record` (zorpiCalculationRecord's) and
 * `about`: {title, preparer, checker, date}; a name left empty leaves its line to be filled
 * by hand.
 */
function zorpiLayRecord(record, about) {
  const page = document.getElementById('druck-berechnung');
  const place = (name) => page.querySelector(`[data-feld="${name}"]`);
  const fact = (field) => record.values.find((shown) => shown.field === field);
  const typ = Number((fact('typ') || {value: 0}).value);
  const type = ZorpiHelp.types[typ] || {inputs: {}, results: {}};
  place('titel').textContent = about.title;
  place('typ').textContent = zorpiTypeInWords(typ, fact);
  place('datum').textContent = about.date;
  place('eingaben').replaceChildren(...record.values
      .filter((shown) => shown.kind === 'value')
      .map((shown) => zorpiRecordRow(shown, type.inputs)));
  place('beanspruchung').textContent = zorpiLoadingLine(record.results);
  place('ergebnisse').replaceChildren(...record.results
      .filter((shown) => shown.kind === 'value' || shown.kind === 'choice')
      .map((shown) => zorpiRecordRow(shown, type.results)));
  place('verfahren').textContent = record.banner;
  place('bearbeiter').textContent = about.preparer;
  place('geprueft').textContent = about.checker;
}
