// The calculation record of a run: a hidden instance of the program is handed what the run's
// reads gave it, so that it stands where the run stood; then it leaves any open dialogue (its
// number reads learn that the typed input has ended, a page break or the info screen is left
// with x), lists the values (w) and the results (g), each page break answered with a blank,
// and shows its banner (i), stating each value, what the calculation worked out, and the
// banner as facts. No screen text is read. The record's page (web/record.html) is then laid
// out from those facts and from what the help says of each field, formula and method
// (web/help_data.js): the calculation written out step by step with the run's values, and
// the results set against the allowable pressures as ratios, which judge nothing.
'use strict';

/**
 * Resolves with {values, results, banner, open}: the facts {kind, field, symbol, value, unit}
 * that the listing and the results state, in their order, the banner, and the menu key of the
 * dialogue the run was in when it stopped (null when none), for a run that was handed
 * `handOuts`.
 */
async function zorpiCalculationRecord(handOuts) {
  const replay = new ZorpiReplay(handOuts);
  const kept = {w: [], g: [], i: []};
  let phase = 'replay';
  let open = null;
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
      if (phase === 'replay' && fact.kind === 'dialogue') {
        open = fact.value || null;
      }
      if (phase in kept) {
        kept[phase].push(fact);
      }
    },
  });
  await program.ccall('main', 'number', [], [], {async: true});
  const banner = kept.i.find((fact) => fact.kind === 'banner');
  return {values: kept.w, results: kept.g, banner: banner === undefined ? '' : banner.symbol,
          open};
}

// The connection type in words with what sets it apart: "Kegelverbindung 1:10",
// "Polygonverbindung, Profil P4C", "Klemmverbindung, Nabe geteilt".
function zorpiTypeInWords(type, value) {
  const ratio = value('X');
  let words = ratio === undefined ? type.words : type.words.replace('1:X', '1:' + ratio);
  for (const [field, names] of Object.entries(type.choices)) {
    if (value(field) in names) {
      words += ', ' + names[value(field)];
    }
  }
  return words;
}

/**
 * The value the program stated for `name` in `record` as it printed it, undefined when it
 * stated none: what the calculation worked out (in the field's own unit), then what the
 * results and the listing showed, then a choice's number.
 */
function zorpiValueOf(record, name) {
  const facts = record.results.concat(record.values);
  for (const kinds of [['derived'], ['value'], ['choice', 'type', 'loading']]) {
    const fact = facts.find((f) => kinds.includes(f.kind) && f.field === name);
    if (fact !== undefined) {
      return fact.value;
    }
  }
  return undefined;
}

// When a step runs: "bei i = 1", "bei beanArt = 1 bis 5".
function zorpiWhen(field, values) {
  return `bei ${field} = ` + (values.length > 2 ? `${values[0]} bis ${values[values.length - 1]}`
                                                : values.join(' oder '));
}

// A value put into a formula: a negative one in brackets.
function zorpiPutIn(value) {
  return value === undefined ? '?' : value.startsWith('-') ? `(−${value.slice(1)})` : value;
}

/**
 * The calculation of the type as the program ran it, step by step in its order: each formula
 * as the help writes it, the same with the run's values, and the value the program states,
 * with its unit. A step whose condition did not hold is left out; where none of a value's
 * steps ran, a note says so in their place, and the value is in `stale`: it was left from an
 * earlier calculation, and is never shown as worked out.
 */
function zorpiSteps(type, value, stale) {
  const steps = [];
  const holds = (step) => step.when === null ||
                          step.when.values.includes(Number(value(step.when.field)));
  const unit = (field) => (type.derived[field] || type.results[field] || type.inputs[field] ||
                           {unit: ''}).unit;
  for (const step of type.formulas) {
    const alternatives = type.formulas.filter((other) => other.field === step.field);
    if (!alternatives.some(holds)) {
      if (alternatives[0] === step) {
        stale.add(step.field);
        const when = step.when.field;
        const values = alternatives.flatMap((other) => other.when.values);
        steps.push({note: `${step.field}: nicht berechnet, denn ${when} = ${value(when) || 0}; ` +
                    `gerechnet wird es ${zorpiWhen(when, values)}. ${step.field} bleibt, wie ` +
                    'es war.'});
      }
      continue;
    }
    if (!holds(step)) {
      continue;
    }
    const names = step.pieces.filter((piece) => Array.isArray(piece)).map(([name]) => name);
    const left = names.filter((name) => stale.has(name));
    steps.push({
      formula: `${step.field} = ` + step.pieces.map((p) => Array.isArray(p) ? p[0] : p).join('') +
               (step.when === null ? '' : ` (${zorpiWhen(step.when.field, step.when.values)})`),
      values: step.pieces.map((p) => Array.isArray(p) ? zorpiPutIn(value(p[0])) : p).join(''),
      result: `${value(step.field)} ${unit(step.field)}`.trim() +
              (left.length > 0 ? ` (mit ${left.join(', ')} von früher)` : ''),
    });
  }
  return steps;
}

// The results set against the allowable pressures the program stated, as ratios to three
// figures ("—" where one cannot be formed), and whether the taper is self-locking, with the
// two angles it compares, as the program states them.
function zorpiRatios(record, value, stale) {
  const lines = [];
  const p = value('p');
  for (const allowed of ['pzul', 'pAzul', 'pIzul']) {
    if (!record.results.some((fact) => fact.kind === 'value' && fact.field === allowed)) {
      continue;
    }
    const ratio = parseFloat(p) / parseFloat(value(allowed));
    const usable = !stale.has('p') && !stale.has(allowed) && isFinite(ratio) &&
                   parseFloat(value(allowed)) !== 0;
    lines.push(`p/${allowed} = ${p} / ${value(allowed)} = ` +
               (usable ? String(Number(ratio.toPrecision(3))) : '—'));
  }
  const locking = record.results.find((fact) => fact.field === 'isSelfLocking');
  if (locking !== undefined) {
    lines.push(`Selbsthemmung: ${locking.value === '1' ? 'ja' : 'nein'} (Reibungswinkel ` +
               `ρ = ${value('rho')} rad, halber Kegelwinkel α/2 = ${value('alpha')} rad)`);
  }
  return lines;
}

// The kind of loading the calculation used, with its number, words and the factor f of pzul,
// as the program states them; for the taper and the clamp, which take none, pzul = p0.
function zorpiLoadingLine(record) {
  const kind = record.results.find((fact) => fact.kind === 'loading');
  const factor = record.results.find((fact) => fact.kind === 'derived' && fact.field === 'f');
  if (kind === undefined || kind.value === '') {
    return 'pzul = p0';
  }
  if (factor === undefined) {
    return 'Beanspruchungsart: keine gewählt – pzul bleibt, wie es war';
  }
  return `Beanspruchungsart ${kind.value}: ${ZorpiHelp.loading[kind.value]} – f = ${factor.value}`;
}

// A row of the record's tables: its cells, the third a value.
function zorpiRow(...cells) {
  const row = document.createElement('tr');
  cells.forEach((text, column) => {
    const cell = row.insertCell();
    cell.textContent = text;
    cell.className = column === 2 ? 'wert' : '';
  });
  return row;
}

// A copy of the type's sketch from the help: the page holds each sketch once.
function zorpiSketch(typ) {
  const selector = `figure[data-skizze="${typ}"] svg`;
  const template = document.getElementById('hilfe-inhalt');
  const sketch = document.querySelector('#hilfe ' + selector) ||
                 (template === null ? null : template.content.querySelector(selector));
  return sketch === null ? [] : [sketch.cloneNode(true)];
}

/**
 * Fills the record's page (web/record.html) from `record` (zorpiCalculationRecord's) and
 * `about`: {title, preparer, checker, date}; a name left empty leaves its line to be filled
 * by hand.
 */
function zorpiLayRecord(record, about) {
  const page = document.getElementById('druck-berechnung');
  const place = (name) => page.querySelector(`[data-feld="${name}"]`);
  const value = (name) => zorpiValueOf(record, name);
  const typ = Number(value('typ') || 0);
  const type = ZorpiHelp.types[typ] ||
               {words: '', inputs: {}, derived: {}, results: {}, choices: {}, formulas: [],
                method: ''};
  const stale = new Set();
  const steps = zorpiSteps(type, value, stale);
  const meaning = (meanings, fact) => (meanings[fact.field] || {de: ''}).de;
  const unit = (meanings, fact) => (meanings[fact.field] || {unit: fact.unit}).unit;
  place('titel').textContent = about.title;
  place('typ').textContent = zorpiTypeInWords(type, value);
  place('datum').textContent = about.date;
  place('offen').textContent = record.open === null ? '' :
      `Eingabe nicht abgeschlossen: der Dialog ${record.open} ` +
      `(${ZorpiHelp.dialogues[record.open]}) war offen; gedruckt ist, was der Lauf bis dahin ` +
      'hatte.';
  place('eingaben').replaceChildren(...record.values
      .filter((fact) => fact.kind === 'value')
      .map((fact) => zorpiRow(fact.symbol, meaning(type.inputs, fact), fact.value,
                              unit(type.inputs, fact))));
  place('beanspruchung').textContent = zorpiLoadingLine(record);
  place('skizze').replaceChildren(...zorpiSketch(typ));
  place('rechengang').replaceChildren(...steps.map((step) => step.note === undefined
      ? zorpiRow(step.formula, '= ' + step.values, '= ' + step.result)
      : zorpiRow(step.note)));
  for (const row of place('rechengang').rows) {
    row.lastElementChild.className = row.cells.length === 3 ? 'ergebnis' : '';
    if (row.cells.length === 1) {
      row.cells[0].colSpan = 3;
    }
  }
  place('ergebnisse').replaceChildren(...record.results
      .filter((fact) => fact.kind === 'value')
      .map((fact) => zorpiRow(fact.symbol, meaning(type.results, fact) +
                              (stale.has(fact.field) ? ' (nicht berechnet: von früher)' : ''),
                              fact.value, unit(type.results, fact))));
  place('verhaeltnisse').replaceChildren(...zorpiRatios(record, value, stale).map((text) => {
    const line = document.createElement('p');
    line.textContent = text;
    return line;
  }));
  place('methode').textContent = type.method;
  place('verfahren').textContent = record.banner;
  place('bearbeiter').textContent = about.preparer;
  place('geprueft').textContent = about.checker;
}
