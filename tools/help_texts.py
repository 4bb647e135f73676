#!/usr/bin/env python3
"""Makes every text that comes from doc/help.md, the one source of what ZORPI's keys, symbols,
formulas and methods mean, and writes it where it is used:

  web/help.html                 the browser page's help (German), with each type's sketch
  web/help_data.js              what the page's printed record takes from the help (German)
  doc/zorpi.1.in                the manual page's sections between its markers (English)
  doc/windows.txt               the Windows README.txt, from doc/windows.txt.in (English)
  README.md                     the table of keys between its markers
  doc/library.md                the field table between its markers
  src/model/connection_record.h the comment above each field
  python/field_docs.inc         the Python module's help for each field
  python/zorpi/_zorpi.pyi       the Python module's types, for editors

The texts are committed, so that building ZORPI needs no Python; CMake only puts the version
into the manual page and Windows line ends into the Windows text.

Usage: tools/help_texts.py           writes them
       tools/help_texts.py --check   makes them in a temporary folder and fails, naming them,
                                     where a committed text differs
"""
import html
import json
import re
import sys
import tempfile
import textwrap
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
HELP = ROOT / 'doc' / 'help.md'
TYPE_IDS = ['passfeder', 'keilwelle', 'zahnwelle', 'polygon', 'kegel', 'klemm']
ALL_TYPES = [1, 2, 3, 4, 5, 6]
# The names a formula may use besides the record's fields, and what they stand for.
CONSTANTS = {'pi': ('π', '\\(*p', 'pi'), 'sqrt3': ('√3', '\\(sr3', 'sqrt3'),
             'f': ('f', 'f', 'f')}
FUNCTIONS = ['atan', 'tan']
GENERATED = 'generated from doc/help.md by tools/help_texts.py'


class HelpError(Exception):
    pass


# ---- Reading doc/help.md -------------------------------------------------------------------

class Section:
    def __init__(self, id, german, english):
        self.id, self.german, self.english = id, german, english
        self.columns, self.rows = None, []


def cells(line):
    """The cells of a table row "| a | b \\| c |", stripped, with escaped bars as bars."""
    inner = line.strip()[1:-1]
    return [cell.strip().replace('\\|', '|') for cell in re.split(r'(?<!\\)\|', inner)]


def read_help(path=HELP):
    sections, section = {}, None
    for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        heading = re.match(r'^## ([a-z]+): (.*) \| (.*)$', line)
        if heading:
            section = Section(*heading.groups())
            sections[section.id] = section
        elif section and line.startswith('|') and line.rstrip().endswith('|'):
            row = cells(line)
            if section.columns is None:
                section.columns = row
            elif not set(''.join(row)) <= set('-: '):
                if len(row) != len(section.columns):
                    raise HelpError(f'{path.name}:{number}: {len(row)} cells, '
                                    f'{len(section.columns)} columns')
                section.rows.append(dict(zip(section.columns, row)))
    return sections


def types_of(text):
    """The types a cell names: "1-4", "5 6", or all of them when it is empty."""
    if not text:
        return list(ALL_TYPES)
    found = []
    for part in text.split():
        low, _, high = part.partition('-')
        found += range(int(low), int(high or low) + 1)
    return found


def type_list(types, language):
    """"types 1 to 4", "type 5", "Typ 5 und 6"."""
    german = language == 'de'
    if len(types) == 1:
        return ('Typ ' if german else 'type ') + str(types[0])
    word = 'Typ ' if german else 'types '
    if types == list(range(types[0], types[-1] + 1)) and len(types) > 2:
        return f'{word}{types[0]} {"bis" if german else "to"} {types[-1]}'
    return word + ', '.join(map(str, types[:-1])) + (' und ' if german else ' and ') + \
        str(types[-1])


class Help:
    """The facts of doc/help.md, arranged as the texts need them."""

    def __init__(self, sections):
        self.sections = sections
        for needed in ['keys', 'typing', 'common', 'loading', 'results', 'derived', 'choices',
                       'formulas', 'method', 'notes'] + TYPE_IDS:
            if needed not in sections:
                raise HelpError(f'doc/help.md has no section {needed}')
        for section in sections.values():
            for row in section.rows:
                if 'for' in row and not {'windows', 'all'} & set(row['for'].split()):
                    continue  # the Windows text never shows it
                english = ' '.join(row.get(column, '') for column in ['English', 'menu'])
                if not english.isascii():
                    raise HelpError(f'{section.id}: English text that is not ASCII: {english}')

    def section(self, id):
        return self.sections[id]

    def type_section(self, typ):
        return self.sections[TYPE_IDS[typ - 1]]

    def texts_for(self, id, target):
        return [row for row in self.sections[id].rows
                if target in row['for'].split() or 'all' in row['for'].split()]

    def symbols(self, typ):
        """The rows the dialogues of type `typ` ask for: the common ones, then its own."""
        common = [row for row in self.sections['common'].rows if typ in types_of(row['types'])]
        return common + self.type_section(typ).rows

    def results(self, typ):
        return [row for row in self.sections['results'].rows if typ in types_of(row['types'])]

    def derived(self, typ):
        return [row for row in self.sections['derived'].rows if typ in types_of(row['types'])]

    def choices(self, field, typ):
        return [row for row in self.sections['choices'].rows
                if row['field'] == field and typ in types_of(row['types'])]

    def formulas(self, typ):
        return [Formula(row) for row in self.sections['formulas'].rows
                if typ in types_of(row['types'])]

    def method(self, typ):
        return next(row for row in self.sections['method'].rows if typ in types_of(row['types']))

    def type_words(self, typ, language):
        """The type in words, without its number: "Kegelverbindung 1:X"."""
        section = self.type_section(typ)
        title = section.german if language == 'de' else section.english
        return re.sub(r'^\d+ ', '', title)

    def field_meanings(self, field, language):
        """What `field` holds, by type: a list of (types, meaning, unit), the meanings that are
        the same for several types joined. A value no screen shows as it is held takes its
        meaning from `derived`, before what the results show of it."""
        column = 'Deutsch' if language == 'de' else 'English'
        by_type = {}
        for typ in ALL_TYPES:
            rows = [row for row in self.derived(typ) if row['field'] == field]
            rows += [row for row in self.symbols(typ) + self.results(typ)
                     if row['field'] == field]
            if rows:
                by_type[typ] = (rows[0][column], rows[0]['unit'])
        joined = []
        for typ, (meaning, unit) in by_type.items():
            same = [entry for entry in joined if entry[1] == meaning and entry[2] == unit]
            if same:
                same[0][0].append(typ)
            else:
                joined.append(([typ], meaning, unit))
        return joined


class Formula:
    """A step of a calculation: `field = formula`, when its condition holds."""
    TOKEN = re.compile(r'(\s+)|(\d+(?:\.\d+)?)|([A-Za-z][A-Za-z0-9]*)|([-+*/()])')

    def __init__(self, row):
        self.types = types_of(row['types'])
        self.field = row['field']
        self.text = row['formula']
        self.when = row['when']
        self.tokens, at = [], 0
        while at < len(self.text):
            match = self.TOKEN.match(self.text, at)
            if not match:
                raise HelpError(f'formula of {self.field}: cannot read "{self.text[at:]}"')
            self.tokens.append((match.lastindex, match.group()))
            at = match.end()

    def names(self):
        return [text for kind, text in self.tokens if kind == 3 and text not in FUNCTIONS]

    def condition(self):
        """(field, values) of the condition, or None: "i = 1", "beanArt = 1..5"."""
        if not self.when:
            return None
        field, value = [part.strip() for part in self.when.split('=')]
        low, _, high = value.partition('..')
        return field, list(range(int(low), int(high or low) + 1))

    def pieces(self, times, minus, constant, field):
        """The formula as written, with `times` and `minus` for * and -, each constant through
        `constant` and each field through `field`."""
        out = []
        for kind, text in self.tokens:
            if kind == 3 and text in CONSTANTS:
                out.append(constant(text))
            elif kind == 3 and text not in FUNCTIONS:
                out.append(field(text))
            else:
                out.append({'*': times, '-': minus}.get(text, text))
        return out

    def render(self, times, minus, constant):
        return ''.join(self.pieces(times, minus, constant, lambda name: name))


# ---- Units and hints -----------------------------------------------------------------------

def document_unit(unit):
    """A unit as a document writes it: N/mm², mm³, ° for the screen's N/mm2, mm3, Grad."""
    return {'N/mm2': 'N/mm²', 'mm3': 'mm³', 'Grad': '°'}.get(unit, unit)


def english_unit(unit):
    return {'Grad': 'degrees'}.get(unit, unit)


def english_text(entry):
    """A symbol's meaning in English, with the key that asks for it and its unit."""
    hint = key_hint(entry, 'en')
    return entry['English'] + (f' ({hint})' if hint else '') + \
        (', ' + english_unit(entry['unit']) if entry.get('unit') else '')


def key_hint(row, language):
    """"Taste c", "Taste b, Typ 1 bis 4"; English "key b, types 1 to 4". Nothing for a type's
    geometry, which key e asks for."""
    if not row.get('key') or (row['key'] == 'e' and 'types' not in row):
        return ''
    hint = ('Taste ' if language == 'de' else 'key ') + row['key']
    types = types_of(row['types']) if row.get('types') else None
    if types and types != ALL_TYPES:
        hint += ', ' + type_list(types, language)
    return hint


# ---- The page: German HTML -----------------------------------------------------------------

def esc(text):
    return html.escape(text, quote=False)


def page_formula(formula):
    return formula.render('·', '−', lambda name: CONSTANTS[name][0])


def when_text(formula, language):
    """"bei i = 1", "when beanArt = 1 to 5"; nothing for a step that always runs."""
    if not formula.when:
        return ''
    field, values = formula.condition()
    word, to = ('bei', 'bis') if language == 'de' else ('when', 'to')
    shown = f'{values[0]} {to} {values[-1]}' if len(values) > 1 else str(values[0])
    return f'{word} {field} = {shown}'


def page_when(formula):
    return when_text(formula, 'de')


def page_help(help):
    out = ['<!-- ' + GENERATED + ' -->']
    for row in help.texts_for('typing', 'page'):
        out.append(f'<p><b>{esc(row["topic"])}.</b> {esc(row["Deutsch"])}</p>')

    def table(id, title, rows):
        out.append(f'<h3>{esc(title)}</h3>')
        out.append(f'<table data-section="{id}">')
        out.extend(rows)
        out.append('</table>')

    def row(symbol, text, unit=''):
        return f'<tr><th><code>{esc(symbol)}</code></th><td>{esc(text)}</td><td>{esc(unit)}</td></tr>'

    def symbol_row(entry):
        hint = key_hint(entry, 'de')
        text = entry['Deutsch'] + (f' ({hint})' if hint else '')
        return row(entry['prompt'] or entry['shown'], text, entry['unit'])

    keys = help.section('keys')
    table('keys', keys.german, [row(entry['key'], entry['Deutsch']) for entry in keys.rows])
    common = help.section('common')
    table('common', common.german, [symbol_row(entry) for entry in common.rows])
    loading = help.section('loading')
    table('loading', loading.german, [
        row(entry['number'], f'{entry["Deutsch"]}: pzul = {entry[loading.columns[3]]} · p0, beim '
            f'Polygon {entry[loading.columns[4]]} · p0') for entry in loading.rows])
    for typ in ALL_TYPES:
        section = help.type_section(typ)
        choices = []
        for entry in section.rows:
            choices += [row(f'{entry["prompt"]}= {choice["value"]}', choice['Deutsch'])
                        for choice in help.choices(entry['field'], typ)]
        table(section.id, section.german, [symbol_row(entry) for entry in section.rows] + choices)
        # The type's sketch stands here once; the printed record takes its copy from here.
        sketch = (ROOT / 'web' / 'sketches' / f'{section.id}.svg').read_text(encoding='utf-8')
        out.append(f'<figure data-skizze="{typ}">{sketch.strip()}</figure>')
        out.append(f'<p class="formeln">' + '<br>'.join(
            esc(f'{formula.field} = {page_formula(formula)}' +
                (f'  ({page_when(formula)})' if formula.when else ''))
            for formula in help.formulas(typ)) + '</p>')
        out.append(f'<p>{esc(help.method(typ)["Deutsch"])}</p>')
    results = help.section('results')
    table('results', results.german,
          [row(entry['shown'], entry['Deutsch'], entry['unit']) for entry in results.rows])
    derived = help.section('derived')
    table('derived', derived.german, [
        row(entry['field'], f'{entry["Deutsch"]} ({type_list(types_of(entry["types"]), "de")})',
            entry['unit']) for entry in derived.rows])
    out.append('<p>In den Formeln ist π = 3.141593, √3 = 1.732051 und f der Faktor der '
               'Beanspruchungsart.</p>')
    notes = help.section('notes')
    out.append(f'<h3>{esc(notes.german)}</h3>')
    for entry in help.texts_for('notes', 'page'):
        out.append(f'<p><b>{esc(entry["topic"])}.</b> {esc(entry["Deutsch"])}</p>')
    return '\n'.join(out) + '\n'


def record_data(help):
    """What the printed record looks up, by type: meanings, units, words, formulas, method."""
    types = {}
    for typ in ALL_TYPES:
        def meanings(rows):
            return {entry['field']: {'de': entry['Deutsch'], 'unit': document_unit(entry['unit'])}
                    for entry in rows}

        formulas = []
        for formula in help.formulas(typ):
            # A value's name is a list of its own, for the record to put the value in; the
            # factor f is the one the program states.
            pieces = []
            for piece in formula.pieces('·', '−', lambda name: [name] if name == 'f' else
                                        CONSTANTS[name][0], lambda name: [name]):
                if isinstance(piece, str) and pieces and isinstance(pieces[-1], str):
                    pieces[-1] += piece
                else:
                    pieces.append(piece)
            formulas.append({'field': formula.field, 'pieces': pieces,
                             'when': formula.condition() and
                             {'field': formula.condition()[0], 'values': formula.condition()[1]}})
        types[typ] = {
            'words': help.type_words(typ, 'de'),
            'inputs': meanings(help.symbols(typ)),
            'derived': meanings(help.derived(typ)),
            'results': meanings(help.results(typ)),
            'choices': {entry['field']: {choice['value']: choice['Deutsch']
                                         for choice in help.choices(entry['field'], typ)}
                        for entry in help.type_section(typ).rows
                        if help.choices(entry['field'], typ)},
            'formulas': formulas,
            'method': help.method(typ)['Deutsch'],
        }
    loading = {entry['number']: entry['Deutsch'] for entry in help.section('loading').rows}
    dialogues = {entry['key']: entry['menu'] for entry in help.section('keys').rows
                 if entry['key'] in 'abcde'}
    compact = lambda value: json.dumps(value, ensure_ascii=False, separators=(',', ':'),
                                       sort_keys=True)
    lines = [f'  {typ}: {compact(data)},' for typ, data in types.items()]
    return ('// ' + GENERATED + '.\n// What the printed record (web/record.js) takes from the '
            'help, by connection type.\n\'use strict\';\n\nconst ZorpiHelp = {\n'
            f' dialogues: {compact(dialogues)},\n loading: {compact(loading)},\n types: {{\n' +
            '\n'.join(lines) + '\n },\n};\n')


# ---- The manual page: English groff --------------------------------------------------------

def groff(text):
    text = text.replace('\\', '\\e').replace('-', '\\-')
    return re.sub(r"^([.'])", r'\\&\1', text)


def manual_formula(formula):
    return formula.render('*', '\\-', lambda name: CONSTANTS[name][1])


def manual_symbol(entry, symbol=None):
    symbol = symbol or entry.get('prompt') or entry['shown']
    return f'.TP\n.B "{groff(symbol)}"\n{groff(english_text(entry))}\n'


def manual_sections(help):
    regions = {}
    regions['keys'] = ''.join(
        f'.TP\n.B {entry["key"]}\n' +
        groff((f'{entry["menu"]}: ' if entry['menu'] else '') + entry['English']) + '.\n'
        for entry in help.section('keys').rows)
    regions['typing'] = ''.join(f'.PP\n{groff(entry["English"])}\n'
                                for entry in help.texts_for('typing', 'manual'))
    regions['common'] = ''.join(manual_symbol(entry) for entry in help.section('common').rows)
    for typ in ALL_TYPES:
        section = help.type_section(typ)
        text = f'.SS {groff(section.english)}\nThe prompts ask for:\n'
        text += ''.join(manual_symbol(entry) for entry in section.rows)
        for entry in section.rows:
            for choice in help.choices(entry['field'], typ):
                text += f'.TP\n.B "{groff(entry["prompt"])}= {choice["value"]}"\n' \
                        f'{groff(choice["English"])}\n'
        text += '.PP\nThe calculation, step by step:\n.PP\n.nf\n'
        for formula in help.formulas(typ):
            text += f'{formula.field} = {manual_formula(formula)}'
            text += f'   {when_text(formula, "en")}\n' if formula.when else '\n'
        text += '.fi\n'
        derived = help.derived(typ)
        if derived:
            text += '.PP\nWorked out on the way, and not shown:\n'
            text += ''.join(manual_symbol(entry, entry['field']) for entry in derived)
        text += f'.PP\n{groff(help.method(typ)["English"])}\n'
        regions[section.id] = text
    regions['results'] = ''.join(manual_symbol(entry) for entry in help.section('results').rows)
    loading = help.section('loading')
    regions['loading'] = '.PP\n.nf\nkind                                   f: key, spline, ' \
                         'serration   f: polygon\n' + ''.join(
        f'{entry["number"]} {entry["English"]:<37}{entry[loading.columns[3]]:<26}'
        f'{entry[loading.columns[4]]}\n' for entry in loading.rows) + '.fi\n'
    regions['notes'] = ''.join(f'.PP\n{groff(entry["English"])}\n'
                               for entry in help.texts_for('notes', 'manual'))
    return regions


# ---- The Windows text: English, plain ASCII, 78 columns ------------------------------------

def wrap(text, first, rest):
    return textwrap.fill(text, 78, initial_indent=first, subsequent_indent=rest,
                         break_on_hyphens=False, break_long_words=False) + '\n'


def column_row(symbol, text):
    return wrap(text, f'    {symbol + " ":<14}', ' ' * 18)


def windows_symbol(entry, symbol=None):
    return column_row(symbol or entry.get('prompt') or entry['shown'], english_text(entry))


def heading(title):
    return f'{title}\n{"-" * len(title)}\n\n'


def windows_texts(help):
    texts = {}
    texts['ZORPI_HELP_KEYS'] = ''.join(
        wrap(entry['English'], f'    {entry["key"]}   {entry["menu"]:<21}', ' ' * 29)
        for entry in help.section('keys').rows)
    texts['ZORPI_HELP_TYPING'] = ''.join(wrap(entry['English'], '- ', '  ')
                                         for entry in help.texts_for('typing', 'windows'))
    loading = help.section('loading')
    out = heading(help.section('common').english)
    out += ''.join(windows_symbol(entry) for entry in help.section('common').rows) + '\n'
    out += heading(loading.english) + ''.join(column_row(
        entry['number'], f'{entry["English"]}: pzul = {entry[loading.columns[3]]} p0, for the '
        f'polygon {entry[loading.columns[4]]} p0') for entry in loading.rows) + '\n'
    for typ in ALL_TYPES:
        section = help.type_section(typ)
        out += heading(section.english)
        out += ''.join(windows_symbol(entry) for entry in section.rows)
        for entry in section.rows:
            out += ''.join(column_row(f'{entry["prompt"]}= {choice["value"]}', choice['English'])
                           for choice in help.choices(entry['field'], typ))
        out += '\n    The calculation, step by step:\n\n'
        for formula in help.formulas(typ):
            line = f'{formula.field} = {formula.render("*", "-", lambda name: name)}'
            out += wrap(line + (f'   {when_text(formula, "en")}' if formula.when else ''),
                        '    ', '        ')
        out += '\n' + wrap(help.method(typ)['English'], '    ', '    ') + '\n'
    out += heading(help.section('results').english)
    out += ''.join(windows_symbol(entry) for entry in help.section('results').rows) + '\n'
    out += heading(help.section('derived').english) + ''.join(
        windows_symbol(entry, entry['field']) for entry in help.section('derived').rows) + '\n'
    out += heading(help.section('notes').english)
    out += ''.join(wrap(entry['English'], '- ', '  ')
                   for entry in help.texts_for('notes', 'windows'))
    texts['ZORPI_HELP'] = out.rstrip('\n') + '\n'
    return texts


# ---- The README's keys, the library's fields, the header's and the module's field help ----

def readme_keys(help):
    rows = ['| key | menu text | what it does |', '|---|---|---|']
    for entry in help.section('keys').rows:
        rows.append(f'| `{entry["key"]}` | {entry["menu"]} | {entry["English"]} |')
    return '\n'.join(rows) + '\n'


def field_doc(help, field, types_word=True):
    """The English meaning of `field` by type, with its unit: "shaft diameter, mm (types 1 and
    6); small diameter of the taper, mm (type 5)"."""
    meanings = help.field_meanings(field, 'en')
    if not meanings:
        raise HelpError(f'doc/help.md gives no meaning for the field {field}')
    parts = []
    for types, meaning, unit in meanings:
        text = meaning + (f', {english_unit(unit)}' if unit else '')
        if types_word:
            text += f' ({type_list(types, "en") if types != ALL_TYPES else "all types"})'
        parts.append(text)
    return '; '.join(parts)


def library_fields(help, fields):
    out = []
    for typ in ALL_TYPES:
        section = help.type_section(typ)
        out.append(f'### {section.english}\n')
        out.append('| field | unit | meaning |')
        out.append('|---|---|---|')
        groups = [('input', help.symbols(typ)), ('derived', help.derived(typ)),
                  ('result', help.results(typ))]
        for kind, rows in groups:
            for entry in rows:
                if entry['field'] not in fields:
                    continue
                meaning = entry['English']
                choices = help.choices(entry['field'], typ)
                if choices:
                    meaning += ': ' + '; '.join(f'{c["value"]} {c["English"]}' for c in choices)
                elif entry['field'] == 'beanArt':
                    meaning += ': ' + '; '.join(f'{row["number"]} {row["English"]}'
                                                for row in help.section('loading').rows)
                elif entry['field'] == 'typ':
                    meaning += ': ' + '; '.join(f'{t} {help.type_words(t, "en")}'
                                                for t in ALL_TYPES)
                out.append(f'| `{entry["field"]}` ({kind}) | {english_unit(entry["unit"])} | '
                           f'{meaning} |')
        out.append('')
    return '\n'.join(out)


FIELD_LINE = re.compile(r'^  (std::int32_t|double) ([A-Za-z0-9]+) = 0;')


def record_fields(header_text):
    return [match.group(2) for match in map(FIELD_LINE.match, header_text.splitlines()) if match]


def header_with_docs(help, header_text):
    """The record's header with the comment above each field made anew."""
    out = []
    for line in header_text.splitlines():
        match = FIELD_LINE.match(line)
        if match:
            while out and out[-1].startswith('  /// '):
                out.pop()
            out += textwrap.wrap(field_doc(help, match.group(2)) + '.', 100,
                                 initial_indent='  /// ', subsequent_indent='  /// ',
                                 break_on_hyphens=False)
            line = match.group(0)
        out.append(line)
    return '\n'.join(out) + '\n'


def python_field_docs(help, fields):
    lines = [f'// {GENERATED}: each field of the record with its meaning, unit and types.']
    for field in fields:
        doc = field_doc(help, field).replace('\\', '\\\\').replace('"', '\\"')
        lines.append(f'ZORPI_FIELD({field}, "{doc}")')
    return '\n'.join(lines) + '\n'


def python_stub(help, header_text):
    """The types of the extension zorpi._zorpi, each field's with its help."""
    out = [f'# {GENERATED}: the types of the extension', '# zorpi._zorpi, for editors and type checkers.',
           'import enum', 'from typing import Any, Dict, List, Tuple', '']
    for name, body in re.findall(r'enum (\w+) : std::int32_t \{(.*?)\};', header_text, re.S):
        out.append(f'class {name}(enum.IntEnum):')
        out += [f'    {item} = {value}' for item, value in re.findall(r'(\w+) = (\d+)', body)]
        out.append('')
    out += ['class ConnectionRecord:',
            '    """All selections, inputs, derived values and results of one design."""',
            '    def __init__(self, **fields: float) -> None: ...']
    for line in header_text.splitlines():
        match = FIELD_LINE.match(line)
        if match:
            kind = 'int' if match.group(1) == 'std::int32_t' else 'float'
            out.append(f'    {match.group(2)}: {kind}')
            out.append(f'    """{field_doc(help, match.group(2))}."""')
    out += ['    def __eq__(self, other: object) -> bool: ...',
            "    def __copy__(self) -> 'ConnectionRecord': ...",
            "    def __deepcopy__(self, memo: Dict[int, Any]) -> 'ConnectionRecord': ...",
            '',
            'def default_record() -> ConnectionRecord: ...',
            'def calculate(r: ConnectionRecord) -> None: ...',
            'def check(r: ConnectionRecord) -> List[Tuple[str, str, str]]: ...',
            'def is_self_locking(r: ConnectionRecord) -> bool: ...',
            '__version__: str']
    return '\n'.join(out) + '\n'


# ---- Putting the texts in place ------------------------------------------------------------

def replace_regions(text, regions, start, end, path):
    """Puts each region's text between the line `start(name)` and the next `end`."""
    for name, body in regions.items():
        pattern = re.compile('(^' + re.escape(start(name)) + '\n)(.*?)(^' + re.escape(end) + '$)',
                             re.M | re.S)
        if not pattern.search(text):
            raise HelpError(f'{path} has no marked place for {name}')
        text = pattern.sub(lambda match: match.group(1) + body + match.group(3), text)
    return text


def made_texts(help):
    """Every text made from the help, by its path under the source folder."""
    header_path = ROOT / 'src/model/connection_record.h'
    header = header_path.read_text(encoding='utf-8')
    fields = record_fields(header)
    texts = {
        'web/help.html': page_help(help),
        'web/help_data.js': record_data(help),
        'src/model/connection_record.h': header_with_docs(help, header),
        'python/field_docs.inc': python_field_docs(help, fields),
        'python/zorpi/_zorpi.pyi': python_stub(help, header),
    }
    manual = (ROOT / 'doc/zorpi.1.in').read_text(encoding='utf-8')
    texts['doc/zorpi.1.in'] = replace_regions(
        manual, manual_sections(help), lambda name: f'.\\" {GENERATED}: {name}',
        '.\\" end of the generated text', 'doc/zorpi.1.in')
    windows = (ROOT / 'doc/windows.txt.in').read_text(encoding='utf-8')
    for marker, text in windows_texts(help).items():
        if f'@{marker}@' not in windows:
            raise HelpError(f'doc/windows.txt.in has no @{marker}@')
        windows = windows.replace(f'@{marker}@', text.rstrip('\n'))
    texts['doc/windows.txt'] = windows
    markdown_start = lambda name: f'<!-- {GENERATED}: {name} -->'
    markdown_end = '<!-- end of the generated text -->'
    readme = (ROOT / 'README.md').read_text(encoding='utf-8')
    texts['README.md'] = replace_regions(readme, {'keys': readme_keys(help)}, markdown_start,
                                         markdown_end, 'README.md')
    library = (ROOT / 'doc/library.md').read_text(encoding='utf-8')
    texts['doc/library.md'] = replace_regions(library, {'fields': library_fields(help, fields)},
                                              markdown_start, markdown_end, 'doc/library.md')
    check_formulas(help, fields)
    return texts


def check_formulas(help, fields):
    for typ in ALL_TYPES:
        for formula in help.formulas(typ):
            unknown = [name for name in formula.names() + [formula.field]
                       if name not in fields and name not in CONSTANTS]
            if unknown:
                raise HelpError(f'formula of {formula.field}: {", ".join(unknown)} is no field')


def main(arguments):
    try:
        texts = made_texts(Help(read_help()))
    except HelpError as error:
        print(f'doc/help.md: {error}', file=sys.stderr)
        return 1
    if arguments == ['--check']:
        with tempfile.TemporaryDirectory() as folder:
            differ = []
            for path, text in texts.items():
                made = Path(folder) / path
                made.parent.mkdir(parents=True, exist_ok=True)
                made.write_text(text, encoding='utf-8')
                if made.read_bytes() != (ROOT / path).read_bytes():
                    differ.append(path)
        if differ:
            print('made from doc/help.md, but not as committed: ' + ', '.join(differ) +
                  '; run tools/help_texts.py and commit', file=sys.stderr)
            return 1
        return 0
    if arguments:
        print(__doc__, file=sys.stderr)
        return 2
    for path, text in texts.items():
        (ROOT / path).write_text(text, encoding='utf-8')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
