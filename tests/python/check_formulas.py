"""Each formula of doc/help.md, worked out step by step from a record's inputs, gives what the
library's calculate() gives, to 6 significant figures: the worked examples of all six types
and records drawn at random. The formulas the documents show are then the ones computed.
Usage: check_formulas.py   (with the module zorpi importable)"""
import math
import random
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'tools'))
import help_texts  # noqa: E402
import zorpi  # noqa: E402

WORKED = [
    dict(typ=1, T=100, d=40, h=8, t1=5, lt=50, i=1, beanArt=1, p0=150),
    dict(typ=1, T=250, d=40, h=8, t1=5, lt=50, i=2, beanArt=2, p0=100),
    dict(typ=2, T=500, d1=46, d2=50, lt=40, i=8, variante=1, beanArt=3, p0=150),
    dict(typ=3, T=300, d2=28, d3=32, lt=25, z=24, variante=2, beanArt=4, p0=120),
    dict(typ=4, T=200, polygonTyp=1, d1=40, e1=2, lt=30, beanArt=1, p0=150),
    dict(typ=4, T=200, polygonTyp=2, d2=35, e=3, er=5, lt=30, beanArt=5, p0=150),
    dict(typ=5, X=10, D=60, L=70, FV=96500, my=0.11, DA=150, Sp=1.2, ReA=370, ReI=275, p0=150),
    dict(typ=6, variante=1, FV=10000, i=2, m=1, l=40, d=30, my=0.15, a=20, ls=25, p0=120),
    dict(typ=6, variante=2, FV=20000, i=2, m=1, l=50, d=40, my=0.15, a=30, ls=60, p0=120),
]


def drawn(rng, typ):
    """A record of type `typ` with every input drawn from a wide range."""
    size = lambda: rng.uniform(1, 500)
    record = dict(typ=typ, T=size(), p0=size(), beanArt=rng.randint(1, 5), lt=size(),
                  d=size(), h=size(), t1=size(), i=rng.randint(1, 2), d1=size(), d2=size(),
                  d3=size(), z=rng.randint(1, 60), variante=rng.randint(1, 2),
                  polygonTyp=rng.randint(1, 2), e1=size(), e=size(), er=size(),
                  X=rng.uniform(2, 50), D=size(), L=size(), FV=size() * 1000,
                  my=rng.uniform(0.01, 0.5), DA=size(), Sp=rng.uniform(1, 3), ReA=size(),
                  ReI=size(), l=size(), ls=size(), a=size(), m=rng.randint(1, 4))
    return record


def factor(help, typ, kind):
    loading = help.section('loading')
    row = next(row for row in loading.rows if int(row['number']) == kind)
    return float(row[loading.columns[4 if typ == 4 else 3]])


def check(help, inputs):
    r = zorpi.ConnectionRecord(**inputs)
    zorpi.calculate(r, check=False)  # the formulas hold for whatever the record holds
    values = dict(inputs, atan=math.atan, tan=math.tan, pi=3.141593, sqrt3=1.732051)
    if 1 <= inputs['typ'] <= 4:
        values['f'] = factor(help, inputs['typ'], inputs['beanArt'])
    faults = []
    for formula in help.formulas(inputs['typ']):
        condition = formula.condition()
        if condition and values[condition[0]] not in condition[1]:
            continue
        values[formula.field] = eval(formula.text, {'__builtins__': {}}, values)
        computed = getattr(r, formula.field)
        if f'{values[formula.field]:.6g}' != f'{computed:.6g}':
            faults.append(f'{formula.field} = {formula.text} gives {values[formula.field]:.6g}, '
                          f'calculate {computed:.6g}, for {inputs}')
    return faults


def main():
    help = help_texts.Help(help_texts.read_help())
    rng = random.Random(1995)
    records = WORKED + [drawn(rng, typ) for typ in range(1, 7) for _ in range(200)]
    faults = [fault for inputs in records for fault in check(help, inputs)]
    for fault in faults[:20]:
        print('FAIL:', fault)
    print(f'{len(records)} records, {len(faults)} formulas that differ from calculate()')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
