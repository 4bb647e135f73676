// The calculation record of a run: a hidden instance of the program is handed what the run's
// reads gave it, so that it stands where the run stood; then it leaves any open dialogue (its
// number reads learn that the typed input has ended, a page break or the info screen is left
// with x), lists the values (w) and the results (g), each page break answered with a blank,
// and states each value it shows as a fact. No screen text is read.
'use strict';

// The fields whose lines name a choice by its number rather than show a value.
const ZorpiRecordChoices = ['typ', 'polygonTyp', 'beanArt', 'variante', 'isSelfLocking'];

/**
 * Resolves with {values, results}: the facts {field, symbol, value, unit} that the listing
 * and the results state, in their order, for a run that was handed `handOuts`.
 */
async function zorpiCalculationRecord(handOuts) {
  const replay = new ZorpiReplay(handOuts);
  const kept = {w: [], g: []};
  let phase = 'replay';
  const typed = (text) => ({bytes: ZorpiRun.encoder.encode(text), arrival: ZorpiRun.TYPED});
  const answer = (kind) => {
    if (phase === 'replay' && !replay.done()) {
      return replay.answer();
    }
    if (phase === 'replay') {
      phase = 'leave';
    }
    if (kind === ZorpiRun.NUMBER_READ) {
      return {bytes: new Uint8Array(0), arrival: ZorpiRun.REPLAYED};
    }
    if (kind === ZorpiRun.ANY_KEY) {
      return typed(phase === 'leave' ? 'x' : ' ');
    }
    phase = {leave: 'w', w: 'g', g: 'done'}[phase];
    return typed(phase === 'done' ? '' : phase);  // nothing typed: the keyboard has closed
  };
  const program = await createZorpi({
    zorpiRead: (capacity, kind) => Promise.resolve(answer(kind)),
    zorpiValue: (field, symbol, value, unit) => {
      if (phase in kept) {
        kept[phase].push({field, symbol, value, unit});
      }
    },
  });
  await program.ccall('main', 'number', [], [], {async: true}).catch(() => {});
  return {values: kept.w, results: kept.g};
}
