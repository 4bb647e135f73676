"""Uses the Python module zorpi as its users would: the README's clamp made by keyword and
calculated; the record shown, compared, copied and pickled; the enumerations; check()'s
problems; the errors that cannot be missed (InputError, a TypeError naming the field); a
field's help with its unit; the type stubs; and the version.

Usage: python3 check_module.py VERSION   (with zorpi importable)
"""
import copy
import math
import pickle
import sys
from pathlib import Path

import zorpi


def raised(call):
    """The exception `call` raises, None when it raises none."""
    try:
        call()
    except Exception as error:  # noqa: BLE001 -- what is raised is the fact checked
        return error
    return None


clamp = zorpi.ConnectionRecord(typ=zorpi.ConnectionType.Klemm, variante=1, p0=120, d=40, l=50,
                               ls=60, a=30, FV=20000, i=2, m=1, my=0.15)
zorpi.calculate(clamp)
results = ' '.join('%g' % getattr(clamp, field) for field in ('FF', 'TV', 'SigB', 'p', 'pzul'))
key = zorpi.ConnectionRecord(typ=1, T=250, p0=100, beanArt=zorpi.LoadType.EinseitigLeicht, d=40,
                             lt=50, h=8, t1=5, i=1)
good = zorpi.check(key)
key.i = 3
field, german, english = zorpi.check(key)[0]
nowhere = zorpi.ConnectionRecord(typ=9, p=12345.0)
unknown_type = raised(lambda: zorpi.calculate(nowhere))
zorpi.calculate(nowhere, check=False)
unset = zorpi.ConnectionRecord(p=math.nan)
stubs = Path(zorpi.__file__).parent
facts = {
    'the clamp': (results, '22619.5 452.389 32 24 120'),
    'check, a good record': (good, []),
    'check, three keys': ((field, english, zorpi.check(key)[0].field), ('i', 'i must be 1 or 2', 'i')),
    'calculate, no type': ((type(unknown_type).__name__, isinstance(unknown_type, ValueError),
                            [problem.field for problem in unknown_type.problems]),
                           ('InputError', True, ['typ'])),
    'calculate without check, no type': (math.isnan(nowhere.p) and math.isnan(nowhere.pzul), True),
    'a wrong type': (str(raised(lambda: setattr(clamp, 'd', '40'))), 'd takes a number, not str'),
    'an unknown keyword': (str(raised(lambda: zorpi.ConnectionRecord(dd=40))),
                           "ConnectionRecord() got an unexpected keyword argument 'dd'"),
    'shown': (repr(zorpi.ConnectionRecord(typ=1, T=250)), 'ConnectionRecord(typ=1, T=250.0)'),
    'equal by value, NaN too': ((clamp == copy.copy(clamp), unset == copy.deepcopy(unset),
                                 clamp == key, pickle.loads(pickle.dumps(clamp)) == clamp),
                                (True, True, False, True)),
    'the enumerations': ((int(zorpi.ConnectionType.Kegel), int(zorpi.LoadType.WechselndStark)),
                         (5, 5)),
    'a field\'s help': ('torque to transmit, Nm' in zorpi.ConnectionRecord.T.__doc__, True),
    'the type stubs': (sorted(path.name for path in stubs.iterdir() if path.suffix in ('.pyi', '.typed')),
                       ['_zorpi.pyi', 'py.typed']),
    'a new record': ((zorpi.ConnectionRecord().typ, zorpi.ConnectionRecord().p), (0, 0.0)),
    'the version': (zorpi.__version__, sys.argv[1]),
}
wrong = [f'{name}: {got!r}, not {expected!r}' for name, (got, expected) in facts.items()
         if got != expected]
print('\n'.join(wrong) or 'the module gives the clamp, is a Python record, raises and checks')
sys.exit(1 if wrong else 0)
