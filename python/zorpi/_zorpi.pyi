# generated from doc/help.md by tools/help_texts.py: the types of the extension
# zorpi._zorpi, for editors and type checkers.
import enum
from typing import Any, Dict, List, Tuple

class ConnectionType(enum.IntEnum):
    Passfeder = 1
    Keilwelle = 2
    Zahnwelle = 3
    Polygon = 4
    Kegel = 5
    Klemm = 6

class LoadType(enum.IntEnum):
    EinseitigRuhend = 1
    EinseitigLeicht = 2
    EinseitigStark = 3
    WechselndLeicht = 4
    WechselndStark = 5

class ConnectionRecord:
    """All selections, inputs, derived values and results of one design."""
    def __init__(self, **fields: float) -> None: ...
    typ: int
    """connection type, 1 to 6 (all types)."""
    beanArt: int
    """kind of loading 1 to 5, 0 for none chosen (types 1 to 4)."""
    polygonTyp: int
    """profile, 1 or 2 (type 4)."""
    variante: int
    """centring, 1 or 2 (type 2); tooth form, 1 or 2 (type 3); hub design, 1 or 2 (type 6)."""
    i: int
    """number of keys, 1 or 2 (type 1); number of splines (type 2); count that multiplies FV in the surface pressure (type 6)."""
    z: int
    """number of teeth (type 3)."""
    m: int
    """count that multiplies FV in the bending stress (type 6)."""
    T: float
    """torque to transmit, Nm (types 1 to 4)."""
    p0: float
    """base value of the allowable surface pressure, N/mm2 (all types)."""
    DA: float
    """outer diameter of the hub, mm (type 5)."""
    Sp: float
    """safety factor against yielding (type 5)."""
    ReA: float
    """yield strength of the outer part, the hub, N/mm2 (type 5)."""
    ReI: float
    """yield strength of the inner part, the shaft, N/mm2 (type 5)."""
    d: float
    """shaft diameter, mm (types 1 and 6); small diameter of the taper, mm (type 5)."""
    lt: float
    """load-bearing length, mm (types 1 to 4)."""
    h: float
    """key height, mm (type 1); flank height, written into h by the calculation, mm (types 2 and 3)."""
    t1: float
    """keyway depth in the shaft, mm (type 1)."""
    d1: float
    """inner diameter, mm (type 2); P3G: diameter d1, mm (type 4)."""
    d2: float
    """outer diameter, mm (type 2); smaller diameter, mm (type 3); P4C: diameter d2, mm (type 4)."""
    d3: float
    """larger diameter, mm (type 3)."""
    e1: float
    """P3G: eccentricity, mm (type 4)."""
    e: float
    """P4C: dimension e, mm (type 4)."""
    er: float
    """P4C: dimension er, mm (type 4)."""
    X: float
    """taper ratio X, the number (shown as 1:X) (type 5)."""
    D: float
    """large diameter of the taper, mm (type 5)."""
    L: float
    """length of the taper, mm (type 5)."""
    FV: float
    """press-on force (axial), N (type 5); clamping force, N (type 6)."""
    my: float
    """coefficient of friction (types 5 and 6)."""
    l: float
    """hub length, mm (type 6)."""
    ls: float
    """lever length, mm (type 6)."""
    a: float
    """section dimension a of the clamp, mm (type 6)."""
    p: float
    """mean surface pressure in the joint, N/mm2 (all types)."""
    pzul: float
    """allowable surface pressure, N/mm2 (all types)."""
    rm: float
    """mean radius of the load-bearing flanks, mm (types 1 to 3)."""
    ki: float
    """effective number of keys (type 1)."""
    phi: float
    """load-share factor of the splines or teeth (types 2 and 3)."""
    dm: float
    """reference diameter of the P4C profile, mm (type 4)."""
    C: float
    """taper per unit length, 1/X (type 5)."""
    DF: float
    """mean diameter of the taper, mm (type 5)."""
    rho: float
    """friction angle (key g shows it in degrees), rad (type 5)."""
    alpha: float
    """half cone angle (key g shows the full angle in degrees), rad (type 5)."""
    FF: float
    """friction force in the joint, N (types 5 and 6)."""
    TV: float
    """transmittable torque, Nm (types 5 and 6)."""
    Q: float
    """diameter ratio DF/DA of the hub (type 5)."""
    pAzul: float
    """allowable pressure of the hub, N/mm2 (type 5)."""
    pIzul: float
    """allowable pressure of the shaft, N/mm2 (type 5)."""
    kp: float
    """pressure factor of the hub design (type 6)."""
    kb: float
    """bending factor of the hub design (type 6)."""
    W: float
    """section modulus of the clamp section, mm3 (type 6)."""
    SigB: float
    """bending stress in the clamp, N/mm2 (type 6)."""
    def __eq__(self, other: object) -> bool: ...
    def __copy__(self) -> 'ConnectionRecord': ...
    def __deepcopy__(self, memo: Dict[int, Any]) -> 'ConnectionRecord': ...

def default_record() -> ConnectionRecord: ...
def calculate(r: ConnectionRecord) -> None: ...
def check(r: ConnectionRecord) -> List[Tuple[str, str, str]]: ...
def is_self_locking(r: ConnectionRecord) -> bool: ...
__version__: str
