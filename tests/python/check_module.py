"""Uses the Python module zorpi as its users would: the README's clamp through calculate(),
check() on a good and on a bad record, a field's help, and the version.

Usage: python3 check_module.py VERSION   (with zorpi importable)
"""
import sys

import zorpi

clamp = zorpi.default_record()
for field, value in dict(typ=6, p0=120, d=40, l=50, ls=60, a=30, FV=20000, i=2, m=1, my=0.15,
                         variante=1).items():
    setattr(clamp, field, value)
zorpi.calculate(clamp)
results = ' '.join('%g' % getattr(clamp, field) for field in ('FF', 'TV', 'SigB', 'p', 'pzul'))
key = zorpi.ConnectionRecord()
for field, value in dict(typ=1, T=250, p0=100, beanArt=2, d=40, lt=50, h=8, t1=5, i=1).items():
    setattr(key, field, value)
good = zorpi.check(key)
key.i = 3
bad = [field for field, german, english in zorpi.check(key)]
facts = {
    'the clamp': (results, '22619.5 452.389 32 24 120'),
    'check, a good record': (good, []),
    'check, three keys': (bad, ['i']),
    'a field\'s help': ('torque to transmit, Nm' in zorpi.ConnectionRecord.T.__doc__, True),
    'a new record': ((zorpi.ConnectionRecord().typ, zorpi.ConnectionRecord().p), (0, 0.0)),
    'the version': (zorpi.__version__, sys.argv[1]),
}
wrong = [f'{name}: {got!r}, not {expected!r}' for name, (got, expected) in facts.items()
         if got != expected]
print('\n'.join(wrong) or 'the module gives the clamp, checks and its version')
sys.exit(1 if wrong else 0)
