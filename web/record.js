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

// The help's sections by connection type 1 to 6.
const ZorpiTypeSections = ['passfeder', 'keilwelle', 'zahnwelle', 'polygon', 'kegel', 'klemm'];

// A table of the help, by its section: in the page once laid out, else still in its template.
function zorpiHelpTable(section) {
  const selector = `table[data-section="${section}"]`;
  const template = document.getElementById('hilfe-inhalt');
  return document.querySelector('#hilfe ' + selector) ||
         (template === null ? null : template.content.querySelector(selector));
}

// The German meaning of `field`, from the first of the help's `sections` that has it.
function zorpiMeaning(field, sections) {
  for (const section of sections) {
    const table = zorpiHelpTable(section);
    const row = table === null ? null : table.querySelector(`tr[data-field="${field}"]`);
    if (row !== null) {
      return row.cells[1].textContent;
    }
  }
  return '';
}

// The connection type in words with what sets it apart: "Kegelverbindung 1:10",
// "Polygon P4C", "Klemmverbindung, Nabe geteilt".
function zorpiTypeInWords(typ, fact) {
  if (typ === 4 || typ === 0) {
    return typ === 4 ? fact('typ').symbol || 'Polygon' : '';
  }
  let words = zorpiHelpTable(ZorpiTypeSections[typ - 1]).previousElementSibling.textContent
      .replace(/^\d+ /, '');
  const ratio = fact('X');
  const variant = fact('variante');
  words = ratio === undefined ? words : words.replace('1:X', ratio.value);
  return variant === undefined ? words : words + ', ' + variant.symbol;
}

// The kind of loading the calculation used, with its number, words and the factor of pzul.
function zorpiLoadingLine(results) {
  const kind = results.find((fact) => fact.kind === 'loading');
  const factor = results.find((fact) => fact.kind === 'derived' && fact.field === 'f');
  if (kind === undefined || kind.value === '') {
    return 'Beanspruchungsart: bei Kegel- und Klemmverbindung ist pzul = p0';
  }
  if (factor === undefined) {
    return 'Beanspruchungsart: keine gewählt – pzul bleibt, wie es war';
  }
  const row = zorpiHelpTable('loading').querySelector(`tr[data-number="${kind.value}"]`);
  return `Beanspruchungsart: ${kind.value} – ${row.querySelector('span').textContent} – ` +
         `pzul = ${factor.value} p0`;
}

// A row of the record: the symbol, its meaning, the value and the unit as shown; a line that
// names a choice is its value.
function zorpiRecordRow(shown, sections) {
  const row = document.createElement('tr');
  const choice = shown.kind === 'choice';
  const cells = [choice ? '' : shown.symbol, zorpiMeaning(shown.field, sections),
                 choice ? shown.symbol : shown.value, shown.unit];
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
  const sections = typ === 0 ? ['common'] : [ZorpiTypeSections[typ - 1], 'common'];
  place('titel').textContent = about.title;
  place('typ').textContent = zorpiTypeInWords(typ, fact);
  place('datum').textContent = about.date;
  place('eingaben').replaceChildren(...record.values
      .filter((shown) => shown.kind === 'value')
      .map((shown) => zorpiRecordRow(shown, sections)));
  place('beanspruchung').textContent = zorpiLoadingLine(record.results);
  place('ergebnisse').replaceChildren(...record.results
      .filter((shown) => shown.kind === 'value' || shown.kind === 'choice')
      .map((shown) => zorpiRecordRow(shown, ['results'])));
  place('verfahren').textContent = record.banner;
  place('bearbeiter').textContent = about.preparer;
  place('geprueft').textContent = about.checker;
}
