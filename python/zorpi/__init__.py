"""ZORPI's simplified strength check of shaft-hub connections.

A ConnectionRecord holds every input, derived value and result of one design, each field by
its on-screen symbol; calculate() fills in the results of the connection type in its field
typ, once check() finds nothing the calculation cannot take, and raises InputError otherwise.
A record check() passes calculates to finite results, and its pressures, forces and torques
are above 0. Lengths in mm, forces in N, torques in Nm, pressures and stresses in N/mm2,
angles in radians.

    >>> import zorpi
    >>> r = zorpi.ConnectionRecord(typ=zorpi.ConnectionType.Klemm, variante=1, p0=120, d=40,
    ...                            l=50, ls=60, a=30, FV=20000, i=2, m=1, my=0.15)
    >>> zorpi.calculate(r)
    >>> r.p, r.pzul
    (24.0, 120.0)
"""
from collections import namedtuple
from typing import List

from . import _zorpi
from ._zorpi import (ConnectionRecord, ConnectionType, LoadType, __version__, default_record,
                     is_self_locking)

__all__ = ['ConnectionRecord', 'ConnectionType', 'LoadType', 'Problem', 'InputError',
           'calculate', 'check', 'default_record', 'is_self_locking', '__version__']


class Problem(namedtuple('Problem', 'field de en')):
    """An input the calculation of its type cannot take: the field's name, and what is wrong,
    in German and in English. It unpacks as (field, de, en)."""
    __slots__ = ()


class InputError(ValueError):
    """The record holds inputs its calculation cannot take; `problems` lists them."""

    def __init__(self, problems: List[Problem]):
        super().__init__('; '.join(problem.en for problem in problems))
        self.problems = problems


def check(r: ConnectionRecord) -> List[Problem]:
    """The inputs of the type in r.typ that its calculation cannot take, in the order its
    dialogues ask for them; empty when it can take them all."""
    return [Problem(*problem) for problem in _zorpi.check(r)]


_check = check  # calculate's keyword hides the function's name


def calculate(r: ConnectionRecord, check: bool = True) -> None:
    """Sets pzul, then runs the calculation of the connection type in r.typ, writing its
    results into r. Raises InputError, leaving r as it was, when check() finds a problem;
    with check=False it calculates whatever r holds, as the program does."""
    if check:
        problems = _check(r)
        if problems:
            raise InputError(problems)
    _zorpi.calculate(r)
