"""The input model: dataclasses for every part of a TARVEX6 input file.

Values are held as the file gives them, in the units of ``Options.units``
(for SI: lengths and depths in m, cross-section dimensions in mm, stresses in
kPa, forces in kN; for USCS: ft, in, psi and lb; docs/input-format.md lists
every quantity). Nothing is converted.

``Model.to_input()`` writes the model as a TARVEX6 text and
``read_input()`` reads one back. ``Model.validate()`` checks what is cheap
to check here (allowed values, counts, required parts, the values the engine
refuses as it reads them); everything else is left to the engine.
"""

from __future__ import annotations

import os
from dataclasses import dataclass, field
from typing import Any, ClassVar, NamedTuple, Optional, Sequence, Union, cast

Number = Union[int, float]
# A soil value at the top and at the bottom of a layer; a single number
# given for it stands for the same value at both (the layer holds the pair).
Pair = Union[float, tuple[float, float]]

UNITS = ("USCS", "SI", "GENERAL")
LOADINGS = ("STATIC", "CYCLIC")
INTERACTION_CODES = ("AASHTO", "ACI318", "Eurocode2")
# Transverse reinforcement of a concrete section (TRANSVERSE REINFORCEMENT);
# None on a section stands for the default of its type, ties.
TRANSVERSE = ("TIED", "SPIRAL")
# LRFD load types 1 to 13, in the order of the load factors of a combination.
LRFD_LOAD_TYPES = ("DL", "LL", "EQ", "IM", "W", "HW", "Ice", "Hs", "Lr", "Rn", "Sn", "Tm", "Sp")
# Field tests of Piedmont residual soil.
PIEDMONT_TESTS = {"SPT": 1, "CPT": 2, "DMT": 3, "PMT": 4}
# Strand types 0 to 5 and the number of size indexes of each.
STRAND_TYPES = ("PCI 250", "PCI 270", "PCI 300", "smooth 145 ksi bars", "smooth 160 ksi bars",
                "deformed bars")
STRAND_SIZES = (7, 8, 5, 6, 6, 6)


# ----------------------------------------------------------------------------
# Options and points


@dataclass
class Options:
    """The OPTIONS section.

    ``max_deflection`` and ``tolerance`` left None are written as the usual
    values of the units (10.0 in and 1.0E-5 in for USCS, 0.25 m and 2.54E-7 m
    for SI); GENERAL units need both given.
    """

    units: str = "USCS"
    use_lrfd: bool = False
    compute_kmatrix: bool = False
    use_tip_shear: bool = False
    use_soil_movement: bool = False
    use_py_modifiers: bool = False
    compute_ei_only: bool = False
    loading: str = "STATIC"  # or "CYCLIC"
    cycles: Number = 1  # cycles of loading (2 to 5000 when cyclic; loess also reads it)
    max_iterations: int = 100
    max_deflection: Optional[float] = None
    tolerance: Optional[float] = None
    increments: int = 100
    print_summary_only: bool = False
    print_increment: int = 5
    print_py_curves: bool = False
    compute_interaction: bool = False
    interaction_code: Optional[str] = None  # "AASHTO", "ACI318" or "Eurocode2"


class StressStrain(NamedTuple):
    """A point of a concrete stress-strain curve (stress in psi, kPa)."""

    strain: float
    stress: float


class Bar(NamedTuple):
    """A bar placed by hand: size index (printed only), diameter, area, x, y."""

    size: int
    diameter: float
    area: float
    x: float
    y: float


class Strand(NamedTuple):
    """A strand placed by hand: size index and position; ``reserved`` is unused."""

    size: int
    x: float
    y: float
    reserved: int = 0


class EIPoint(NamedTuple):
    """A point of a user-defined bending stiffness curve."""

    moment: float
    ei: float


class PYPoint(NamedTuple):
    """A point of a user-input p-y curve."""

    y: float
    p: float


class DistributedLoad(NamedTuple):
    """A point of a distributed lateral load: depth and load per unit length."""

    depth: float
    load: float


class TipShearPoint(NamedTuple):
    """A point of the tip shear curve: tip displacement and tip shear force."""

    displacement: float
    shear: float


class PYMultiplier(NamedTuple):
    """p- and y-multipliers at a depth along the pile."""

    depth: float
    pm: float
    ym: float = 1.0


class SoilMovement(NamedTuple):
    """Free-field soil movement at a depth (in for USCS, mm for SI)."""

    depth: float
    movement: float


# ----------------------------------------------------------------------------
# Material blocks of the sections


@dataclass
class Concrete:
    """Concrete of a section: f'c, the maximum coarse aggregate size, an
    optional tensile strength (None: the default) and an optional
    stress-strain curve (empty: the internal curve)."""

    fc: float
    aggregate: float
    tensile: Optional[float] = None
    curve: list[StressStrain] = field(default_factory=list)


@dataclass
class BarCircle:
    """Bars evenly spaced on a circle, in ``groups`` groups of ``per_group``."""

    fy: float
    modulus: float
    groups: int
    diameter: float
    area: float  # of one bar
    cover: float
    per_group: int = 1
    offset: float = 0.0
    same_as_above: bool = False


@dataclass
class BarPattern:
    """Bars placed one by one."""

    fy: float
    modulus: float
    bars: list[Bar] = field(default_factory=list)
    same_as_above: bool = False


Bars = Union[BarCircle, BarPattern, None]


@dataclass
class AutoStrands:
    """Strands placed by the engine: on a circle (0) or around a square (1, 2)."""

    type: int
    size: int
    count: int
    force: float  # initial prestressing force of all strands
    loss: float  # fraction of loss of prestress
    cover: float
    arrangement: int = 0


@dataclass
class ManualStrands:
    """Strands placed by hand."""

    type: int
    force: float
    loss: float
    strands: list[Strand] = field(default_factory=list)


Strands = Union[AutoStrands, ManualStrands]


# ----------------------------------------------------------------------------
# Cross-sectional shapes of elastic and elastic-plastic sections


@dataclass
class RectangularShape:
    """A rectangular section, tapering from its top to its bottom (shape 0)."""

    code: ClassVar[int] = 0
    top_width: float
    bottom_width: float
    top_depth: float
    bottom_depth: float


@dataclass
class CircularShape:
    """A solid circular section, tapering from its top to its bottom (shape 1)."""

    code: ClassVar[int] = 1
    top_diameter: float
    bottom_diameter: float


@dataclass
class PipeShape:
    """A circular pipe, tapering from its top to its bottom (shape 2)."""

    code: ClassVar[int] = 2
    top_diameter: float
    bottom_diameter: float
    top_wall: float
    bottom_wall: float


@dataclass
class HPileShape:
    """An H-pile bent about its "strong" (code 3) or "weak" (code 4) axis; the
    widths facing the soil are the flange width (strong) or the section depth
    (weak)."""

    top_width: float
    bottom_width: float
    flange_width: float
    depth: float
    flange_thickness: float
    web_thickness: float
    axis: str = "strong"

    @property
    def code(self) -> int:
        """Shape code 3 (strong axis) or 4 (weak axis)."""
        return 4 if self.axis == "weak" else 3


@dataclass
class PoleShape:
    """An embedded circular pole set in a drilled hole."""

    code: ClassVar[int] = 5
    top_diameter: float
    bottom_diameter: float
    hole_diameter: float


Shape = Union[RectangularShape, CircularShape, PipeShape, HPileShape, PoleShape]


# ----------------------------------------------------------------------------
# Sections


@dataclass
class Section:
    """A pile section; its subclasses are the section types."""

    code: ClassVar[int] = -1
    length: float


@dataclass
class RectangularPile(Section):
    """A rectangular concrete pile with bars (section type 0)."""

    code: ClassVar[int] = 0
    depth: float  # in the direction of bending
    width: float  # facing the soil
    concrete: Concrete
    bars: Bars
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class DrilledShaft(Section):
    """A drilled shaft (bored pile) of reinforced concrete (section type 1)."""

    code: ClassVar[int] = 1
    diameter: float
    concrete: Concrete
    bars: Bars
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class CasedShaft(Section):
    """Drilled shaft with permanent casing."""

    code: ClassVar[int] = 2
    diameter: float  # casing outer diameter
    casing_thickness: float
    casing_fy: float
    casing_modulus: float
    concrete: Concrete
    bars: Bars
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class CasedShaftWithCore(Section):
    """Drilled shaft with casing and a steel core, filled with concrete
    (code 3) or void (``core_filled=False``, code -3)."""

    diameter: float  # casing outer diameter
    casing_thickness: float
    casing_fy: float
    casing_modulus: float
    core_diameter: float
    core_thickness: float
    core_fy: float
    core_modulus: float
    concrete: Concrete
    bars: Bars
    core_filled: bool = True
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default

    @property  # type: ignore[override]  # a class constant elsewhere
    def code(self) -> int:
        """Section type code 3 (filled core) or -3 (void core)."""
        return 3 if self.core_filled else -3


@dataclass
class SteelPipe(Section):
    """A steel pipe pile (section type 4)."""

    code: ClassVar[int] = 4
    diameter: float
    thickness: float
    fy: float
    modulus: float


@dataclass
class PrestressedCircular(Section):
    """A circular solid prestressed concrete pile (section type 5)."""

    code: ClassVar[int] = 5
    diameter: float
    concrete: Concrete
    strands: Strands
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class PrestressedCircularHollow(Section):
    """A circular hollow prestressed concrete pile (section type 6)."""

    code: ClassVar[int] = 6
    diameter: float
    void_diameter: float
    concrete: Concrete
    strands: Strands
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class PrestressedSquare(Section):
    """A square solid prestressed concrete pile (section type 7)."""

    code: ClassVar[int] = 7
    width: float
    chamfer: float
    concrete: Concrete
    strands: Strands
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class PrestressedSquareHollow(Section):
    """A square hollow prestressed concrete pile (section type 8)."""

    code: ClassVar[int] = 8
    width: float
    void_diameter: float
    chamfer: float
    concrete: Concrete
    strands: Strands
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class PrestressedOctagonal(Section):
    """An octagonal solid prestressed concrete pile (section type 9)."""

    code: ClassVar[int] = 9
    width: float  # across flats
    concrete: Concrete
    strands: Strands
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class PrestressedOctagonalHollow(Section):
    """An octagonal hollow prestressed concrete pile (section type 10)."""

    code: ClassVar[int] = 10
    width: float  # across flats
    void_diameter: float
    concrete: Concrete
    strands: Strands
    transverse: Optional[str] = None  # "TIED" or "SPIRAL"; None: ties, the default


@dataclass
class ElasticSection(Section):
    """An elastic pile of a given shape and elastic modulus (section type 11)."""

    code: ClassVar[int] = 11
    shape: Shape
    modulus: float


@dataclass
class ElasticPlasticSection(Section):
    """Elastic section with plastic moment capacities at its top and bottom."""

    code: ClassVar[int] = 12
    shape: Shape
    modulus: float
    top_mp: float
    bottom_mp: float


@dataclass
class EICurve:
    """Bending stiffness against moment for one axial thrust."""

    thrust: float
    points: list[EIPoint] = field(default_factory=list)


@dataclass
class UserEISection(Section):
    """Pile with a user-defined nonlinear bending stiffness."""

    code: ClassVar[int] = 13
    width: float  # facing the soil
    curves: list[EICurve] = field(default_factory=list)


@dataclass
class Micropile(Section):
    """A micropile section: its length only."""

    code: ClassVar[int] = 14


_SECTION_CLASSES: tuple[type[Section], ...] = (RectangularPile, DrilledShaft, CasedShaft, SteelPipe, PrestressedCircular,
                PrestressedCircularHollow, PrestressedSquare, PrestressedSquareHollow,
                PrestressedOctagonal, PrestressedOctagonalHollow, ElasticSection,
                ElasticPlasticSection, UserEISection, Micropile)
SECTION_TYPES: dict[int, type[Section]] = {cls.code: cls for cls in _SECTION_CLASSES}
SECTION_TYPES[3] = CasedShaftWithCore


# ----------------------------------------------------------------------------
# Soil layers


def _as_pair(value: Any) -> Any:
    """A soil value as (top, bottom): one number stands for both."""
    if isinstance(value, (int, float)) and not isinstance(value, bool):
        return (value, value)
    if isinstance(value, (list, tuple)) and len(value) == 2:
        return tuple(value)
    return value  # left for validate() to report


@dataclass
class SoilLayer:
    """A soil layer from ``top`` to ``bottom`` (depths below the pile head);
    its subclasses are the p-y criteria. Each value of a criterion is a pair
    (value at the top, value at the bottom); a single number gives both."""

    code: ClassVar[int] = 0
    values: ClassVar[tuple[str, ...]] = ()  # names of the values of a row, in file order
    top: float
    bottom: float

    def __post_init__(self) -> None:
        for name in self.values:
            setattr(self, name, _as_pair(getattr(self, name)))


@dataclass(kw_only=True)
class SoftClay(SoilLayer):
    """Soft clay (Matlock). eps50 of 0 selects the default."""

    code: ClassVar[int] = 1
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "cohesion", "eps50")
    unit_weight: Pair
    cohesion: Pair
    eps50: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class StiffClayFreeWater(SoilLayer):
    """Stiff clay with free water (Reese). eps50 and k of 0 select defaults."""

    code: ClassVar[int] = 2
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "cohesion", "eps50", "k")
    unit_weight: Pair
    cohesion: Pair
    eps50: Pair = (0.0, 0.0)
    k: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class StiffClayNoFreeWater(SoilLayer):
    """Stiff clay without free water (Welch and Reese)."""

    code: ClassVar[int] = 3
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "cohesion", "eps50")
    unit_weight: Pair
    cohesion: Pair
    eps50: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class StiffClayNoFreeWaterK(SoilLayer):
    """Stiff clay without free water with a given initial modulus k."""

    code: ClassVar[int] = 4
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "cohesion", "eps50", "k")
    unit_weight: Pair
    cohesion: Pair
    eps50: Pair = (0.0, 0.0)
    k: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class ReeseSand(SoilLayer):
    """Sand (Reese). k of 0 selects the default."""

    code: ClassVar[int] = 5
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "friction", "k")
    unit_weight: Pair
    friction: Pair  # degrees
    k: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class APISand(SoilLayer):
    """Sand (API). k of 0 selects the default."""

    code: ClassVar[int] = 6
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "friction", "k")
    unit_weight: Pair
    friction: Pair
    k: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class LiquefiedSand(SoilLayer):
    """Liquefied sand (Rollins)."""

    code: ClassVar[int] = 7
    values: ClassVar[tuple[str, ...]] = ("unit_weight",)
    unit_weight: Pair


@dataclass(kw_only=True)
class WeakRock(SoilLayer):
    """Weak rock (Reese): compressive strength qu, rock mass modulus, RQD in
    percent and the strain factor k_rm."""

    code: ClassVar[int] = 8
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "qu", "rock_modulus", "rqd", "krm")
    unit_weight: Pair
    qu: Pair
    rock_modulus: Pair
    rqd: Pair
    krm: Pair


@dataclass(kw_only=True)
class VuggyLimestone(SoilLayer):
    """Strong rock (vuggy limestone): unconfined compressive strength qu."""

    code: ClassVar[int] = 9
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "qu")
    unit_weight: Pair
    qu: Pair


@dataclass(kw_only=True)
class Piedmont(SoilLayer):
    """Piedmont residual soil: the field test (1 SPT, 2 CPT, 3 DMT, 4 PMT, or
    its name) selects which of the four test values is used."""

    code: ClassVar[int] = 10
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "test", "n60", "qc", "edmt", "epmt")
    unit_weight: Pair
    test: Union[Pair, str, tuple[Union[float, str], Union[float, str]]]
    n60: Pair = (0.0, 0.0)
    qc: Pair = (0.0, 0.0)
    edmt: Pair = (0.0, 0.0)
    epmt: Pair = (0.0, 0.0)

    def __post_init__(self) -> None:
        if isinstance(self.test, str):
            self.test = PIEDMONT_TESTS.get(self.test, self.test)
        super().__post_init__()
        if isinstance(self.test, tuple):
            # A tuple of another length is left for validate() to report.
            self.test = cast(Pair, tuple(PIEDMONT_TESTS.get(t, t) if isinstance(t, str) else t
                                         for t in self.test))


@dataclass(kw_only=True)
class CementedSilt(SoilLayer):
    """Cemented silt (soil with cohesion and friction)."""

    code: ClassVar[int] = 11
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "cohesion", "friction", "k", "eps50")
    unit_weight: Pair
    cohesion: Pair
    friction: Pair
    k: Pair = (0.0, 0.0)
    eps50: Pair = (0.0, 0.0)


@dataclass(kw_only=True)
class Loess(SoilLayer):
    """Loess: cone tip resistance qc."""

    code: ClassVar[int] = 12
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "qc")
    unit_weight: Pair
    qc: Pair


@dataclass(kw_only=True)
class ElasticSubgrade(SoilLayer):
    """Elastic subgrade of modulus Es."""

    code: ClassVar[int] = 13
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "modulus")
    unit_weight: Pair
    modulus: Pair


@dataclass
class PYCurve:
    """A user-input p-y curve with the effective unit weight of its row."""

    unit_weight: float
    points: list[PYPoint] = field(default_factory=list)


@dataclass(kw_only=True)
class UserPY(SoilLayer):
    """User-input p-y curves at the top and at the bottom of the layer."""

    code: ClassVar[int] = 14
    top_curve: PYCurve
    bottom_curve: PYCurve


@dataclass(kw_only=True)
class SoftClayJ(SoilLayer):
    """Soft clay (Matlock) with a given J."""

    code: ClassVar[int] = 15
    values: ClassVar[tuple[str, ...]] = ("unit_weight", "cohesion", "eps50", "j")
    unit_weight: Pair
    cohesion: Pair
    j: Pair
    eps50: Pair = (0.0, 0.0)


@dataclass
class MassiveRock(SoilLayer):
    """Massive rock: the file gives it no values."""

    code: ClassVar[int] = 16


@dataclass
class FrozenSoil(SoilLayer):
    """Frozen soil: the file gives it no values."""

    code: ClassVar[int] = 17


_SOIL_CLASSES: tuple[type[SoilLayer], ...] = (SoftClay, StiffClayFreeWater, StiffClayNoFreeWater, StiffClayNoFreeWaterK,
                ReeseSand, APISand, LiquefiedSand, WeakRock, VuggyLimestone, Piedmont,
                CementedSilt, Loess, ElasticSubgrade, UserPY, SoftClayJ, MassiveRock, FrozenSoil)
SOIL_CRITERIA: dict[int, type[SoilLayer]] = {cls.code: cls for cls in _SOIL_CLASSES}


# ----------------------------------------------------------------------------
# Loads


@dataclass(kw_only=True)
class LoadCase:
    """A pile-head load case; its subclasses are the five load types.
    ``length_study`` adds a study of head deflection against pile length."""

    code: ClassVar[int] = 0
    axial: float = 0.0
    length_study: bool = False

    def conditions(self) -> tuple[float, float]:
        """Conditions 1 and 2 of the load case row."""
        raise NotImplementedError


@dataclass(kw_only=True)
class ShearMoment(LoadCase):
    """Type 1: shear and moment at the pile head (free head)."""

    code: ClassVar[int] = 1
    shear: float
    moment: float = 0.0

    def conditions(self) -> tuple[float, float]:
        return (self.shear, self.moment)


@dataclass(kw_only=True)
class ShearSlope(LoadCase):
    """Type 2: shear and slope (0 for a fixed head)."""

    code: ClassVar[int] = 2
    shear: float
    slope: float = 0.0

    def conditions(self) -> tuple[float, float]:
        return (self.shear, self.slope)


@dataclass(kw_only=True)
class ShearRotationalStiffness(LoadCase):
    """Type 3: shear and rotational stiffness of the head restraint."""

    code: ClassVar[int] = 3
    shear: float
    stiffness: float

    def conditions(self) -> tuple[float, float]:
        return (self.shear, self.stiffness)


@dataclass(kw_only=True)
class DeflectionMoment(LoadCase):
    """Type 4: deflection and moment at the pile head."""

    code: ClassVar[int] = 4
    deflection: float
    moment: float = 0.0

    def conditions(self) -> tuple[float, float]:
        return (self.deflection, self.moment)


@dataclass(kw_only=True)
class DeflectionSlope(LoadCase):
    """Type 5: deflection and slope at the pile head."""

    code: ClassVar[int] = 5
    deflection: float
    slope: float = 0.0

    def conditions(self) -> tuple[float, float]:
        return (self.deflection, self.slope)


LOAD_TYPES: dict[int, type[LoadCase]] = {cls.code: cls for cls in (ShearMoment, ShearSlope, ShearRotationalStiffness,
                                         DeflectionMoment, DeflectionSlope)}


@dataclass
class LrfdGroup:
    """An unfactored LRFD load group of one load type (1 to 13, or its name
    from ``LRFD_LOAD_TYPES``), with its distributed load points (none, or 2
    to 50)."""

    type: Union[int, str]
    horizontal: float = 0.0
    moment: float = 0.0
    axial: float = 0.0
    points: list[DistributedLoad] = field(default_factory=list)

    def __post_init__(self) -> None:
        if isinstance(self.type, str) and self.type in LRFD_LOAD_TYPES:
            self.type = LRFD_LOAD_TYPES.index(self.type) + 1


@dataclass
class LrfdCombination:
    """An LRFD load combination: 13 load factors in the order of
    ``LRFD_LOAD_TYPES`` (or a mapping of type names to factors, the others
    0), and the resistance factors for flexure and shear."""

    name: str
    factors: Union[Sequence[float], dict[str, float]]
    phi_flexure: float
    phi_shear: float

    def __post_init__(self) -> None:
        if isinstance(self.factors, dict):
            unknown = [k for k in self.factors if k not in LRFD_LOAD_TYPES]
            if not unknown:
                self.factors = [self.factors.get(t, 0.0) for t in LRFD_LOAD_TYPES]
        elif isinstance(self.factors, tuple):
            self.factors = list(self.factors)


# ----------------------------------------------------------------------------
# The whole input


@dataclass
class Model:
    """Everything a TARVEX6 input file gives.

    Sections of the file and the fields that hold them: TITLE ``title`` (up
    to five lines), OPTIONS ``options``, SECTIONS ``sections`` (from the head
    down), SOIL LAYERS ``soil_layers`` (from the top down), LOADING
    ``load_cases`` and ``distributed_loads``, AXIAL THRUST LOADS
    ``axial_thrusts``, LRFD LOADS ``lrfd_groups``, LRFD FACTORS AND CASES
    ``lrfd_combinations``, TIP SHEAR ``tip_shear``, PILE BATTER AND SLOPE
    ``ground_slope`` and ``batter`` (degrees), GROUPEFF ``py_multipliers``,
    SOIL MOVEMENTS ``soil_movements``, DEPTHS OF PRINTED P-Y CURVES
    ``py_print_depths``. A section is written when it holds data or when
    its option asks for it; ``section_order`` (filled by read_input) keeps
    the order of the sections of the file read.
    """

    title: list[str] = field(default_factory=list)
    options: Options = field(default_factory=Options)
    sections: list[Section] = field(default_factory=list)
    soil_layers: list[SoilLayer] = field(default_factory=list)
    load_cases: list[LoadCase] = field(default_factory=list)
    distributed_loads: list[DistributedLoad] = field(default_factory=list)
    axial_thrusts: list[float] = field(default_factory=list)
    lrfd_groups: list[LrfdGroup] = field(default_factory=list)
    lrfd_combinations: list[LrfdCombination] = field(default_factory=list)
    tip_shear: list[TipShearPoint] = field(default_factory=list)
    ground_slope: float = 0.0
    batter: float = 0.0
    py_multipliers: list[PYMultiplier] = field(default_factory=list)
    soil_movements: list[SoilMovement] = field(default_factory=list)
    py_print_depths: list[float] = field(default_factory=list)
    # The keywords in the order of the file the model was read from, which
    # to_input() keeps; sections not named follow in the usual order.
    section_order: list[str] = field(default_factory=list, compare=False, repr=False)

    def validate(self) -> None:
        """Raises ModelError listing every problem found; returns None."""
        from .checks import check_model

        check_model(self)

    def to_input(self, remarks: bool = True) -> str:
        """The model as a TARVEX6 input text (validated first). With
        ``remarks`` the numeric rows carry a short note of what they hold."""
        from .writer import write_input

        return write_input(self, remarks=remarks)

    def write(self, path: Union[str, os.PathLike[str]], remarks: bool = True) -> None:
        """Writes ``to_input()`` to the file ``path`` (UTF-8, LF line ends)."""
        text = self.to_input(remarks=remarks)
        with open(path, "w", encoding="utf-8", errors="surrogateescape", newline="\n") as f:
            f.write(text)


# Every class of the model and the tables of codes (a plain list, so that type
# checkers see what `from tarvex.model import *` gives).
__all__ = [
    "APISand", "AutoStrands", "Bar", "BarCircle", "BarPattern", "CasedShaft",
    "CasedShaftWithCore", "CementedSilt", "CircularShape", "Concrete", "DeflectionMoment",
    "DeflectionSlope", "DistributedLoad", "DrilledShaft", "EICurve", "EIPoint",
    "ElasticPlasticSection", "ElasticSection", "ElasticSubgrade", "FrozenSoil", "HPileShape",
    "INTERACTION_CODES", "LOADINGS", "LOAD_TYPES", "LRFD_LOAD_TYPES", "LiquefiedSand",
    "LoadCase", "Loess", "LrfdCombination", "LrfdGroup", "ManualStrands", "MassiveRock",
    "Micropile", "Model", "Options", "PIEDMONT_TESTS", "PYCurve", "PYMultiplier", "PYPoint",
    "Piedmont", "PipeShape", "PoleShape", "PrestressedCircular", "PrestressedCircularHollow",
    "PrestressedOctagonal", "PrestressedOctagonalHollow", "PrestressedSquare",
    "PrestressedSquareHollow", "RectangularPile", "RectangularShape", "ReeseSand",
    "SECTION_TYPES", "SOIL_CRITERIA", "STRAND_SIZES", "STRAND_TYPES", "Section", "ShearMoment",
    "ShearRotationalStiffness", "ShearSlope", "SoftClay", "SoftClayJ", "SoilLayer",
    "SoilMovement", "SteelPipe", "StiffClayFreeWater", "StiffClayNoFreeWater",
    "StiffClayNoFreeWaterK", "Strand", "StressStrain", "TipShearPoint", "UNITS",
    "UserEISection", "UserPY", "VuggyLimestone", "WeakRock"
]
