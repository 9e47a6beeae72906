"""The rows of the input file that the reader, the writer and the checks share:
which values each section type, shape and soil criterion holds, in file order,
with the quantity of each (for its unit) and the rule the engine applies to it
as it reads it."""

from __future__ import annotations

import inspect
from typing import Iterable

from . import model as m

# Rules of values: "+" greater than 0, "0+" 0 or more, "" any number.

# The rows of each section type after its length: (field, quantity, rule, remark).
SECTION_ROWS: dict[type[m.Section], list[tuple[str, str, str, str]]] = {
    m.RectangularPile: [("depth", "dim", "+", "depth in the direction of bending"),
                        ("width", "dim", "+", "width facing the soil")],
    m.DrilledShaft: [("diameter", "dim", "+", "diameter")],
    m.CasedShaft: [("diameter", "dim", "+", "casing outer diameter"),
                   ("casing_thickness", "dim", "0+", "casing wall thickness"),
                   ("casing_fy", "stress", "+", "casing yield stress"),
                   ("casing_modulus", "stress", "+", "casing elastic modulus")],
    m.CasedShaftWithCore: [("diameter", "dim", "+", "casing outer diameter"),
                           ("casing_thickness", "dim", "0+", "casing wall thickness"),
                           ("casing_fy", "stress", "+", "casing yield stress"),
                           ("casing_modulus", "stress", "+", "casing elastic modulus"),
                           ("core_diameter", "dim", "0+", "core outer diameter"),
                           ("core_thickness", "dim", "0+", "core wall thickness"),
                           ("core_fy", "stress", "+", "core yield stress"),
                           ("core_modulus", "stress", "+", "core elastic modulus")],
    m.SteelPipe: [("diameter", "dim", "+", "outer diameter"),
                  ("thickness", "dim", "0+", "wall thickness"),
                  ("fy", "stress", "+", "yield stress"),
                  ("modulus", "stress", "+", "elastic modulus")],
    m.PrestressedCircular: [("diameter", "dim", "+", "diameter")],
    m.PrestressedCircularHollow: [("diameter", "dim", "+", "diameter"),
                                  ("void_diameter", "dim", "0+", "void diameter")],
    m.PrestressedSquare: [("width", "dim", "+", "width"),
                          ("chamfer", "dim", "0+", "corner chamfer")],
    m.PrestressedSquareHollow: [("width", "dim", "+", "width"),
                                ("void_diameter", "dim", "0+", "void diameter"),
                                ("chamfer", "dim", "0+", "corner chamfer")],
    m.PrestressedOctagonal: [("width", "dim", "+", "width across flats")],
    m.PrestressedOctagonalHollow: [("width", "dim", "+", "width across flats"),
                                   ("void_diameter", "dim", "0+", "void diameter")],
    m.ElasticSection: [],
    m.ElasticPlasticSection: [],
    m.UserEISection: [("width", "dim", "+", "width facing the soil")],
    m.Micropile: [],
}

# The material blocks that follow the rows of each section type.
CONCRETE_AND_BARS = (m.RectangularPile, m.DrilledShaft, m.CasedShaft, m.CasedShaftWithCore)
CONCRETE_AND_STRANDS = (m.PrestressedCircular, m.PrestressedCircularHollow, m.PrestressedSquare,
                        m.PrestressedSquareHollow, m.PrestressedOctagonal,
                        m.PrestressedOctagonalHollow)
ELASTIC = (m.ElasticSection, m.ElasticPlasticSection)

# The rows of each cross-sectional shape after its code; every value is a
# dimension and must be positive.
SHAPE_ROWS: dict[int, tuple[type[m.Shape], list[tuple[str, str]]]] = {
    0: (m.RectangularShape, [("top_width", "width at the top"),
                             ("bottom_width", "width at the bottom"),
                             ("top_depth", "depth at the top"),
                             ("bottom_depth", "depth at the bottom")]),
    1: (m.CircularShape, [("top_diameter", "diameter at the top"),
                          ("bottom_diameter", "diameter at the bottom")]),
    2: (m.PipeShape, [("top_diameter", "outer diameter at the top"),
                      ("bottom_diameter", "outer diameter at the bottom"),
                      ("top_wall", "wall thickness at the top"),
                      ("bottom_wall", "wall thickness at the bottom")]),
    3: (m.HPileShape, [("top_width", "width at the top"),
                       ("bottom_width", "width at the bottom"),
                       ("flange_width", "flange width"),
                       ("depth", "section depth"),
                       ("flange_thickness", "flange thickness"),
                       ("web_thickness", "web thickness")]),
    5: (m.PoleShape, [("top_diameter", "pole diameter at the top"),
                      ("bottom_diameter", "pole diameter at the bottom"),
                      ("hole_diameter", "drilled hole diameter")]),
}
SHAPE_ROWS[4] = SHAPE_ROWS[3]

# Soil values: quantity, rule and remark. Rules beyond "0+": "angle" from 0
# to less than 90 degrees, "percent" from 0 to 100. A Piedmont test type
# outside 1 to 4 is kept, as the engine keeps it (the layer then gives no
# resistance).
SOIL_VALUES: dict[str, tuple[str, str, str]] = {
    "unit_weight": ("unit_weight", "0+", "unit weight"),
    "cohesion": ("cohesion", "0+", "cohesion"),
    "eps50": ("none", "", "epsilon-50"),
    "j": ("none", "0+", "J"),
    "k": ("k", "", "k"),
    "friction": ("angle", "angle", "friction angle"),
    "qu": ("rock", "0+", "qu"),
    "rock_modulus": ("rock", "0+", "rock mass modulus"),
    "rqd": ("percent", "percent", "RQD"),
    "krm": ("none", "0+", "k_rm"),
    "test": ("none", "", "test type"),
    "n60": ("blows", "0+", "N60"),
    "qc": ("rock", "0+", "qc"),
    "edmt": ("rock", "0+", "Edmt"),
    "epmt": ("rock", "0+", "Epmt"),
    "modulus": ("k", "0+", "Es"),
}

# Units of each quantity in the remarks of the rows; GENERAL units name none.
UNIT_NAMES: dict[str, dict[str, str]] = {
    "USCS": {"length": "ft", "dim": "in", "area": "sq in", "stress": "psi", "force": "lb",
             "moment": "in-lb", "rotational": "in-lb/rad", "slope": "rad", "deflection": "in",
             "movement": "in", "line_load": "lb/in", "unit_weight": "pcf", "cohesion": "psf",
             "rock": "psi", "k": "pci", "angle": "deg", "percent": "%", "ei": "lb-in2",
             "ei_moment": "lb-in", "blows": "blows/ft", "none": ""},
    "SI": {"length": "m", "dim": "mm", "area": "mm2", "stress": "kPa", "force": "kN",
           "moment": "kN-m", "rotational": "kN-m/rad", "slope": "rad", "deflection": "m",
           "movement": "mm", "line_load": "kN/m", "unit_weight": "kN/m3", "cohesion": "kPa",
           "rock": "kPa", "k": "kN/m3", "angle": "deg", "percent": "%", "ei": "kN-m2",
           "ei_moment": "kN-m", "blows": "blows/0.3 m", "none": ""},
}

# Quantities of the two conditions of each load type.
LOAD_CONDITIONS: dict[int, tuple[tuple[str, str], tuple[str, str]]] = {
    1: (("shear", "force"), ("moment", "moment")),
    2: (("shear", "force"), ("slope", "slope")),
    3: (("shear", "force"), ("rotational stiffness", "rotational")),
    4: (("deflection", "deflection"), ("moment", "moment")),
    5: (("deflection", "deflection"), ("slope", "slope")),
}

# The order of the sections of a new model.
CANONICAL_ORDER = ("TITLE", "OPTIONS", "SECTIONS", "TRANSVERSE REINFORCEMENT", "SOIL LAYERS",
                   "PILE BATTER AND SLOPE", "LOADING", "AXIAL THRUST LOADS", "LRFD LOADS", "LRFD FACTORS AND CASES",
                   "TIP SHEAR", "GROUPEFF", "SOIL MOVEMENTS", "DEPTHS OF PRINTED P-Y CURVES")
# The other spelling of a keyword.
KEYWORD_ALIASES: dict[str, str] = {"GROUP EFFECT FACTORS": "GROUPEFF"}


def section_order(model: m.Model) -> list[str]:
    """The keywords in the order they are written: those of
    ``model.section_order`` (the order of the file a model was read from),
    then the others in the canonical order."""
    return section_order_of(model.section_order)


def section_order_of(keywords: Iterable[str]) -> list[str]:
    """The keywords given that name a section, then the other sections in the
    canonical order."""
    order = [k for k in keywords if KEYWORD_ALIASES.get(k, k) in CANONICAL_ORDER]
    given = {KEYWORD_ALIASES.get(k, k) for k in order}
    rest = [k for k in CANONICAL_ORDER if k not in given]
    # TRANSVERSE REINFORCEMENT names the sections of SECTIONS: right after them.
    if "TRANSVERSE REINFORCEMENT" in rest and "SECTIONS" in order:
        rest.remove("TRANSVERSE REINFORCEMENT")
        order.insert(order.index("SECTIONS") + 1, "TRANSVERSE REINFORCEMENT")
    return order + rest


# Capacities of the input: the engine's, which its module gives. The package
# reads, writes and checks input files also without the compiled module; it
# takes these then, the same values (tests/python/test_engine_tables.py holds
# them to the engine's).
_OWN_LIMITS: dict[str, int] = {
    "MAX_SECTIONS": 10,
    "MAX_LAYERS": 40,
    "MAX_LOAD_CASES": 100,
    "MAX_DISTRIBUTED_POINTS": 50,
    "MAX_LRFD_GROUPS": 100,
    "MAX_LRFD_COMBINATIONS": 100,
    "MAX_THRUSTS": 100,
    "MAX_TIP_SHEAR_POINTS": 100,
    "MAX_PY_MULTIPLIERS": 80,
    "MAX_SOIL_MOVEMENTS": 100,
    "MAX_PY_PRINT_DEPTHS": 100,
    "MAX_BARS": 300,
    "MAX_STRANDS": 300,
    "MAX_STRESS_STRAIN_POINTS": 100,
    "MAX_EI_THRUSTS": 100,
    "MAX_EI_POINTS": 149,
    "MAX_PY_POINTS": 30,
    "TEXT_LENGTH": 256,
}
LIMITS: dict[str, int] = dict(_OWN_LIMITS)
try:
    from ._tarvex import limits as _engine_limits
    LIMITS.update(_engine_limits)
except ImportError:
    pass
MAX_SECTIONS = LIMITS["MAX_SECTIONS"]
MAX_LAYERS = LIMITS["MAX_LAYERS"]
MAX_LOAD_CASES = LIMITS["MAX_LOAD_CASES"]
MAX_DISTRIBUTED_POINTS = LIMITS["MAX_DISTRIBUTED_POINTS"]
MAX_LRFD_GROUPS = LIMITS["MAX_LRFD_GROUPS"]
MAX_LRFD_COMBINATIONS = LIMITS["MAX_LRFD_COMBINATIONS"]
MAX_THRUSTS = LIMITS["MAX_THRUSTS"]
MAX_TIP_SHEAR_POINTS = LIMITS["MAX_TIP_SHEAR_POINTS"]
MAX_PY_MULTIPLIERS = LIMITS["MAX_PY_MULTIPLIERS"]
MAX_SOIL_MOVEMENTS = LIMITS["MAX_SOIL_MOVEMENTS"]
MAX_PY_PRINT_DEPTHS = LIMITS["MAX_PY_PRINT_DEPTHS"]
MAX_BARS = LIMITS["MAX_BARS"]
MAX_STRANDS = LIMITS["MAX_STRANDS"]
MAX_STRESS_STRAIN_POINTS = LIMITS["MAX_STRESS_STRAIN_POINTS"]
MAX_EI_THRUSTS = LIMITS["MAX_EI_THRUSTS"]
MAX_EI_POINTS = LIMITS["MAX_EI_POINTS"]
MAX_PY_POINTS = LIMITS["MAX_PY_POINTS"]
TEXT_LENGTH = LIMITS["TEXT_LENGTH"]
MAX_MAGNITUDE = 1e30


# The quantity of every other value of the model (for its unit, as in
# UNIT_NAMES): the fields that the tables above do not give.
FIELD_QUANTITIES: dict[type, dict[str, str]] = {
    m.Options: {"cycles": "none", "max_deflection": "deflection", "tolerance": "deflection"},
    m.StressStrain: {"strain": "none", "stress": "stress"},
    m.Bar: {"size": "none", "diameter": "dim", "area": "area", "x": "dim", "y": "dim"},
    m.Strand: {"size": "none", "x": "dim", "y": "dim", "reserved": "none"},
    m.EIPoint: {"moment": "ei_moment", "ei": "ei"},
    m.PYPoint: {"y": "deflection", "p": "line_load"},
    m.DistributedLoad: {"depth": "length", "load": "line_load"},
    m.TipShearPoint: {"displacement": "deflection", "shear": "force"},
    m.PYMultiplier: {"depth": "length", "pm": "none", "ym": "none"},
    m.SoilMovement: {"depth": "length", "movement": "movement"},
    m.Concrete: {"fc": "stress", "aggregate": "dim", "tensile": "stress"},
    m.BarCircle: {"fy": "stress", "modulus": "stress", "diameter": "dim", "area": "area",
                  "cover": "dim", "offset": "dim"},
    m.BarPattern: {"fy": "stress", "modulus": "stress"},
    m.AutoStrands: {"force": "force", "loss": "none", "cover": "dim"},
    m.ManualStrands: {"force": "force", "loss": "none"},
    m.Section: {"length": "length"},
    m.ElasticSection: {"modulus": "stress"},
    m.ElasticPlasticSection: {"modulus": "stress", "top_mp": "moment", "bottom_mp": "moment"},
    m.EICurve: {"thrust": "force"},
    m.SoilLayer: {"top": "length", "bottom": "length"},
    m.PYCurve: {"unit_weight": "unit_weight"},
    m.LoadCase: {"axial": "force"},
    m.LrfdGroup: {"horizontal": "force", "moment": "moment", "axial": "force"},
    m.LrfdCombination: {"factors": "none", "phi_flexure": "none", "phi_shear": "none"},
    m.Model: {"axial_thrusts": "force", "ground_slope": "angle", "batter": "angle",
              "py_print_depths": "length"},
}


def quantities(cls: type) -> dict[str, str]:
    """{field: quantity} of every value of a class of the model that has a
    unit (UNIT_NAMES names the units of each quantity)."""
    found: dict[str, str] = {}
    for base in reversed(cls.__mro__):
        found.update(FIELD_QUANTITIES.get(base, {}))
    for name, quantity, _, _ in SECTION_ROWS.get(cls, []):
        found[name] = quantity
    for shape, rows in SHAPE_ROWS.values():
        if shape is cls:
            found.update({name: "dim" for name, _ in rows})
    for name in getattr(cls, "values", ()):
        found[name] = SOIL_VALUES[name][0]
    if issubclass(cls, m.LoadCase):
        code = getattr(cls, "code", 0)
        if code in LOAD_CONDITIONS:
            labels = {"shear": "shear", "moment": "moment", "slope": "slope",
                      "rotational stiffness": "stiffness", "deflection": "deflection"}
            for label, quantity in LOAD_CONDITIONS[code]:
                found[labels[label]] = quantity
    return found


def _document_units() -> None:
    """Adds to the docstring of every class of the model the unit of each of
    its values in USCS and SI files."""
    for name in m.__all__:
        cls = getattr(m, name)
        if not isinstance(cls, type):
            continue
        rows = []
        for field_name, quantity in quantities(cls).items():
            uscs, si = UNIT_NAMES["USCS"][quantity], UNIT_NAMES["SI"][quantity]
            unit = (uscs if uscs == si else f"{uscs} | {si}") or "no unit"
            rows.append(f"    {field_name}: {unit}")
        if rows:
            cls.__doc__ = (inspect.cleandoc(cls.__doc__ or cls.__name__) + "\n\n"
                           "Units of the values (USCS | SI files):\n\n" + "\n".join(rows) + "\n")


_document_units()
