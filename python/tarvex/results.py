"""The results of an analysis as Python objects.

``tarvex.run`` returns a ``Results``, and ``Results.from_json`` reads the
results file of the command line (``tarvex INPUT --json``) into the same
objects. Every class is a dataclass whose fields are the keys of that file
(docs/results.md): the names are the same in Python, in the JSON and in the
CSV tables. Tables are held as columns: each column a NumPy array, one entry
per node (head to tip) or per point of a table.

Every value is in the run's computing units, which ``Results.units`` names:
USCS runs in pounds and inches (depth in in, moment in lb-in, p in lb/in, Es
in lb/in^2, EI in lb-in^2), SI runs in kN and m; the moment-curvature tables
in the units of section analysis (USCS kip and in, SI kN and m). The
docstring of each class gives the unit of every field as "USCS | SI".
"""

from __future__ import annotations

import dataclasses
import inspect
import json
import math
import os
import typing
import warnings
from dataclasses import dataclass, field
from typing import (TYPE_CHECKING, Any, Callable, ClassVar, Iterable, Mapping, Optional,
                    Sequence, TypeVar, Union, overload)

import numpy as np
import numpy.typing as npt

from .errors import TarvexDeprecationWarning

if TYPE_CHECKING:
    import pandas
    from matplotlib.axes import Axes

#: A column of numbers: a one-dimensional float64 array.
Array = npt.NDArray[np.float64]

_R = TypeVar("_R", bound="_Result")

# The format of the results file this package reads.
FORMAT_VERSION = 1


def _pandas() -> Any:
    try:
        import pandas
    except ImportError as e:
        raise ImportError("this needs pandas (Debian: python3-pandas)") from e
    return pandas


def _pyplot() -> Any:
    try:
        import matplotlib.pyplot as plt
    except ImportError as e:
        raise ImportError("plotting needs matplotlib (Debian: python3-matplotlib)") from e
    return plt


def _q(unit: Optional[str], doc: str) -> dict[str, Any]:
    """The metadata of a field: its unit and what it holds.

    ``unit`` is a field of ``Units`` ("length", "moment"), an expression of
    them ("force/length^3", "section_force/section_length^2"), "rad", "" for
    a value without unit (a count, a code, a text, a ratio) or None for a
    value whose unit depends on another (the head conditions of a case).
    """
    return {"unit": unit, "doc": doc}


def _back_reference() -> Any:
    """The field that holds the run's units in a part of the results."""
    return field(default=None, repr=False, compare=False, metadata={"context": True, "unit": "", "doc": (
        "the units of the run this belongs to (not part of the results file)")})


def _short(value: float) -> str:
    """A number in four significant digits without an exponent where that
    reads well (0.4231, 10000, 240000), else in scientific notation."""
    if value == 0 or not math.isfinite(value):
        return f"{value:g}"
    magnitude = math.floor(math.log10(abs(value)))
    if -3 <= magnitude < 7:
        text = f"{value:.{max(0, 3 - magnitude)}f}"
        return text.rstrip("0").rstrip(".") if "." in text else text
    return f"{value:.3e}"


def _clip(text: str, width: int) -> str:
    return text if len(text) <= width else text[:width - 3] + "..."


# ----------------------------------------------------------------------------
# The common machinery: building from the engine's data or the JSON file,
# equality, representation, documentation.


class _Result:
    """A part of the results: a dataclass built from the engine's data.

    Equality compares every field that holds a value of the run, arrays by
    their values; ``repr`` is one short line.
    """

    # For the JSON file: the key whose list of rows is held here as columns,
    # and the key of an object whose keys are held here as fields.
    _json_rows: ClassVar[Optional[str]] = None
    _json_nested: ClassVar[Optional[str]] = None

    def __eq__(self, other: object) -> bool:
        if type(other) is not type(self):
            return NotImplemented
        for f in dataclasses.fields(self):
            if not f.compare:
                continue
            a, b = getattr(self, f.name), getattr(other, f.name)
            if isinstance(a, np.ndarray) or isinstance(b, np.ndarray):
                if not (isinstance(a, np.ndarray) and isinstance(b, np.ndarray)
                        and a.shape == b.shape and np.array_equal(a, b, equal_nan=True)):
                    return False
            elif a != b:
                return False
        return True

    __hash__ = None  # type: ignore[assignment]  # mutable: not hashable

    def _describe(self) -> str:
        return ""

    def __repr__(self) -> str:
        text = self._describe()
        return f"<{type(self).__name__} {text}>" if text else f"<{type(self).__name__}>"

    # -- building ------------------------------------------------------------

    @classmethod
    def _json_plain(cls, data: Mapping[str, Any]) -> dict[str, Any]:
        """The JSON object of this part in the layout of the engine's data:
        rows turned into columns and a nested object into fields."""
        plain = dict(data)
        if cls._json_nested is not None:
            plain.update(plain.pop(cls._json_nested))
        if cls._json_rows is not None:
            rows = plain.pop(cls._json_rows)
            for name, convert, _ in _plan(cls):
                if convert is _as_array or convert is _as_texts:
                    if name not in plain:
                        plain[name] = [row[name] for row in rows]
        return plain

    @classmethod
    def _build(cls: type[_R], data: Mapping[str, Any], units: Optional[Units],
               from_json: bool) -> _R:
        if from_json:
            data = cls._json_plain(data)
        values: dict[str, Any] = {}
        for name, convert, required in _plan(cls):
            if convert is _context:
                values[name] = units
            elif name in data:
                value = data[name]
                values[name] = value if convert is None else convert(value, units, from_json)
            elif required:
                raise KeyError(name)
        return cls(**values)


# The conversions of the values of a field, chosen by its declared type.
_Convert = Callable[[Any, Optional["Units"], bool], Any]


def _as_array(value: Any, units: Optional[Units], from_json: bool) -> Array:
    return np.asarray(value, dtype=np.float64)


def _as_texts(value: Any, units: Optional[Units], from_json: bool) -> list[str]:
    return list(value)


def _context(value: Any, units: Optional[Units], from_json: bool) -> Any:
    return units


def _part(cls: type[_Result], optional: bool, many: bool) -> _Convert:
    def convert(value: Any, units: Optional[Units], from_json: bool) -> Any:
        if value is None and optional:
            return None
        if many:
            return [cls._build(v, units, from_json) for v in value]
        return cls._build(value, units, from_json)
    return convert


_PLANS: dict[type, list[tuple[str, Optional[_Convert], bool]]] = {}


def _plan(cls: type[_Result]) -> list[tuple[str, Optional[_Convert], bool]]:
    """(field, conversion, required) of every field of a class, worked out
    once from the declared types."""
    plan = _PLANS.get(cls)
    if plan is not None:
        return plan
    hints = typing.get_type_hints(cls)
    plan = []
    for f in dataclasses.fields(cls):
        required = f.default is dataclasses.MISSING and \
            f.default_factory is dataclasses.MISSING
        convert: Optional[_Convert] = None
        if f.metadata.get("context"):
            convert = _context
        else:
            hint = hints[f.name]
            origin, args = typing.get_origin(hint), typing.get_args(hint)
            optional = origin is Union and type(None) in args
            if optional:
                hint = next(a for a in args if a is not type(None))
                origin, args = typing.get_origin(hint), typing.get_args(hint)
            if origin is np.ndarray:
                convert = _as_array
            elif origin is list and args == (str,):
                convert = _as_texts
            elif origin is list and isinstance(args[0], type) and issubclass(args[0], _Result):
                convert = _part(args[0], optional, True)
            elif isinstance(hint, type) and issubclass(hint, _Result):
                convert = _part(hint, optional, False)
        plan.append((f.name, convert, required))
    _PLANS[cls] = plan
    return plan


def _type_text(annotation: Any) -> str:
    text = str(annotation)
    for long, short in (("Optional[Array]", "ndarray or None"), ("Array", "ndarray"),
                        ("Optional[", "None or "), ("]", ""), ("[", " of ")):
        text = text.replace(long, short)
    return text


def _documented(cls: type[_R]) -> type[_R]:
    """Adds to the class docstring every field with its type, its unit in
    USCS and SI runs, and what it holds."""
    lines = [inspect.cleandoc(cls.__doc__ or ""), "", "Attributes", "----------"]
    for f in dataclasses.fields(cls):
        unit = f.metadata.get("unit")
        if unit is None:
            shown = "unit by load type (above)"
        elif unit == "":
            shown = ""
        else:
            uscs, si = USCS_UNITS.of(unit), SI_UNITS.of(unit)
            shown = uscs if uscs == si else f"{uscs} | {si}"
        lines.append(f"{f.name} : {_type_text(f.type)}" + (f", {shown}" if shown else ""))
        lines.append(f"    {f.metadata.get('doc', '')}")
    cls.__doc__ = "\n".join(lines) + "\n"
    return cls


def _units_of_columns(units: Optional[Units], cls: type, names: Iterable[str]) -> dict[str, str]:
    """{column: unit text} of the columns of a frame that have one unit."""
    if units is None:
        return {}
    fields = {f.name: f for f in dataclasses.fields(cls)}
    shown = {}
    for name in names:
        unit = fields[name].metadata.get("unit") if name in fields else None
        if unit is not None:
            shown[name] = units.of(unit)
    return shown


def _frame(columns: Mapping[str, Any], units: dict[str, str]) -> pandas.DataFrame:
    frame = _pandas().DataFrame(columns)
    frame.attrs["units"] = units
    return frame


def _deprecated_alias(new: str, old: str) -> property:
    """A property ``old`` that reads and sets ``new`` with a DeprecationWarning."""
    def warn() -> None:
        warnings.warn(f"the attribute {old} is deprecated; use {new} (the name of the "
                      "results file)", TarvexDeprecationWarning, stacklevel=3)

    def get(self: Any) -> Any:
        warn()
        return getattr(self, new)

    def set_(self: Any, value: Any) -> None:
        warn()
        setattr(self, new, value)

    return property(get, set_, doc=f"Deprecated: ``{new}``.")


# ----------------------------------------------------------------------------
# The parts of the results


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class Units(_Result):
    """The unit of every kind of value of a run (USCS, SI or GENERAL)."""

    system: str = field(metadata=_q("", '"USCS", "SI" or "GENERAL"'))
    length: str = field(metadata=_q("", "depths, lengths and deflections"))
    force: str = field(metadata=_q("", "shear and axial loads"))
    moment: str = field(metadata=_q("", "bending moments"))
    force_per_length: str = field(metadata=_q("", "soil reaction p and distributed load"))
    stress: str = field(metadata=_q("", "stresses and the soil modulus Es"))
    flexural_rigidity: str = field(metadata=_q("", "bending stiffness EI of the pile"))
    rotational_stiffness: str = field(metadata=_q("", "moment per radian of rotation"))
    section_force: str = field(metadata=_q("", "axial thrust of the moment-curvature tables"))
    section_moment: str = field(metadata=_q("", "moment of the moment-curvature tables"))
    section_rigidity: str = field(metadata=_q("", "EI of the moment-curvature tables"))
    curvature: str = field(metadata=_q("", "curvature of the moment-curvature tables"))

    def of(self, kind: str) -> str:
        """The unit text of a kind of value: a field of these units
        ("length"), "rad", "" (no unit), or an expression of them such as
        "force/length^3" (unit weight) or "section_force/section_length^2"
        (the stresses of the moment-curvature tables)."""
        if "/" in kind:
            top, bottom = kind.split("/", 1)
            return f"{self.of(top)}/{self.of(bottom)}"
        if "^" in kind:
            base, power = kind.split("^", 1)
            return f"{self.of(base)}^{power}"
        if kind in ("", "rad"):
            return kind
        if kind == "section_length":  # the length of the curvature's unit
            return self.curvature.split("/", 1)[-1]
        value = getattr(self, kind, None)
        if not isinstance(value, str) or kind.startswith("_"):
            raise ValueError(f"{kind!r} is no kind of unit")
        return value

    def _describe(self) -> str:
        return f"{self.system}: {self.length}, {self.force}, {self.moment}"


# The computing units of USCS and SI runs, for the documentation of the
# fields (the engine gives each run its own ``Results.units``).
USCS_UNITS = Units(system="USCS", length="in", force="lb", moment="lb-in",
                   force_per_length="lb/in", stress="psi", flexural_rigidity="lb-in^2",
                   rotational_stiffness="lb-in/rad", section_force="kip",
                   section_moment="kip-in", section_rigidity="kip-in^2", curvature="rad/in")
SI_UNITS = Units(system="SI", length="m", force="kN", moment="kN-m", force_per_length="kN/m",
                 stress="kPa", flexural_rigidity="kN-m^2", rotational_stiffness="kN-m/rad",
                 section_force="kN", section_moment="kN-m", section_rigidity="kN-m^2",
                 curvature="rad/m")


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LayerResult(_Result):
    """A soil layer of the run, for drawing the profile."""

    number: int = field(metadata=_q("", "layer number, from 1"))
    criterion: int = field(metadata=_q("", "p-y criterion code, 1 to 20"))
    short_name: str = field(metadata=_q("", 'short name of the criterion ("SoftClay")'))
    description: str = field(metadata=_q("", 'what the criterion stands for ("soft clay, '
                                             'Matlock")'))
    top: float = field(metadata=_q("length", "depth of the top below the pile head"))
    bottom: float = field(metadata=_q("length", "depth of the bottom below the pile head"))
    unit_weight_top: float = field(metadata=_q("force/length^3",
                                               "effective unit weight at the top"))
    unit_weight_bottom: float = field(metadata=_q("force/length^3",
                                                  "effective unit weight at the bottom"))
    default_k_above_water_table: bool = field(default=False, metadata=_q(
        "", "SI: a sand's default k took the formula for sand above the water table"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        u = self.units.length if self.units else ""
        return f"{self.number}: {self.short_name}, {_short(self.top)}-{_short(self.bottom)} {u}"


class _Table(_Result):
    """Columns of equal length; ``to_frame()`` gives them as a DataFrame."""

    _columns: ClassVar[tuple[str, ...]] = ()
    units: Optional[Units]

    def __len__(self) -> int:
        return len(getattr(self, self._columns[0]))

    def to_frame(self) -> pandas.DataFrame:
        """The columns as a DataFrame, one row per point; the unit of each
        column is in ``frame.attrs["units"]``."""
        return _frame({name: getattr(self, name) for name in self._columns},
                      _units_of_columns(self.units, type(self), self._columns))


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class MomentCurvature(_Table):
    """The moment-curvature table of a section at one axial thrust, one
    entry per point of the table (the results file's ``points``)."""

    _json_rows = "points"
    _columns = ("curvature", "moment", "ei", "neutral_axis", "max_compressive_strain",
                "max_tensile_strain", "max_concrete_stress", "max_steel_stress",
                "max_casing_stress", "max_core_stress", "flags")

    thrust: float = field(metadata=_q("section_force", "axial thrust of the table"))
    nominal_moment_capacity: float = field(metadata=_q("section_moment",
                                                       "nominal moment capacity"))
    curvature: Array = field(metadata=_q("curvature", "curvature"))
    moment: Array = field(metadata=_q("section_moment", "bending moment"))
    ei: Array = field(metadata=_q("section_rigidity", "bending stiffness M / curvature "
                                                      "(the results file names it ei here)"))
    neutral_axis: Array = field(metadata=_q("section_length", "depth to the neutral axis; "
                                                              "0 where not computed"))
    max_compressive_strain: Array = field(metadata=_q("", "strain of the top fibre"))
    max_tensile_strain: Array = field(metadata=_q("", "strain of the bottom fibre"))
    max_concrete_stress: Array = field(metadata=_q("section_force/section_length^2",
                                                   "largest concrete stress"))
    max_steel_stress: Array = field(metadata=_q("section_force/section_length^2",
                                                "largest stress of the bars (of the pipe)"))
    max_casing_stress: Array = field(metadata=_q("section_force/section_length^2",
                                                 "largest casing stress"))
    max_core_stress: Array = field(metadata=_q("section_force/section_length^2",
                                               "largest stress of the steel core"))
    flags: list[str] = field(metadata=_q("", 'the run-message columns of each point: "C" '
                                             'cracked, "Y" yield or "Z" shallow compression '
                                             'zone, "T" tension-controlled; empty where the '
                                             'table is not printed'))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        force = self.units.section_force if self.units else ""
        moment = self.units.section_moment if self.units else ""
        return (f"P = {_short(self.thrust)} {force}: {len(self)} points, "
                f"Mn {_short(self.nominal_moment_capacity)} {moment}")


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class InteractionPoint(_Result):
    """A point of an interaction diagram: axial force and bending moment."""

    axial: float = field(metadata=_q("force", "axial force, compression positive"))
    moment: float = field(metadata=_q("moment", "bending moment; positive compresses the +y "
                                                "face"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        force = self.units.force if self.units else ""
        moment = self.units.moment if self.units else ""
        return f"P = {_short(self.axial)} {force}, M = {_short(self.moment)} {moment}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class InteractionCurve(_Table):
    """A curve of an interaction diagram (nominal or factored), one entry per
    point (the results file's list of ``{"axial", "moment"}``)."""

    _columns = ("axial", "moment")

    axial: Array = field(metadata=_q("force", "axial force, compression positive"))
    moment: Array = field(metadata=_q("moment", "bending moment"))
    units: Optional[Units] = _back_reference()

    @classmethod
    def _json_plain(cls, data: Any) -> dict[str, Any]:
        return {"axial": [p["axial"] for p in data], "moment": [p["moment"] for p in data]}

    def _describe(self) -> str:
        return f"{len(self)} points"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class InteractionDemand(_Result):
    """A load case's demand on a section's interaction diagram, with its
    utilisation along the ray from the origin through (|M|, P)."""

    load_case: int = field(metadata=_q("", "the load case or LRFD combination, from 1"))
    name: str = field(metadata=_q("", 'the combination\'s name; "" for a pile-head load case'))
    factored: bool = field(metadata=_q("", "an LRFD combination: factored loads"))
    axial: float = field(metadata=_q("force", "axial load of the case"))
    moment: float = field(metadata=_q("moment", "largest |M| over the section's length"))
    utilisation: Optional[float] = field(metadata=_q("", "demand over design capacity along "
                                                         "the ray; None when the ray meets no "
                                                         "design diagram"))
    capacity: InteractionPoint = field(metadata=_q("", "where the ray meets the design "
                                                       "diagram"))
    passed: bool = field(metadata=_q("", "utilisation at most 1"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        used = "-" if self.utilisation is None else _short(self.utilisation)
        return f"case {self.load_case}: utilisation {used}, " + \
            ("passed" if self.passed else "FAILED")


_DEMAND_COLUMNS = ("load_case", "name", "factored", "axial", "moment", "utilisation",
                   "passed")


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class InteractionResult(_Result):
    """The axial force - bending moment interaction diagram of a section by
    the run's design code (docs/interaction.md), and the load cases' demands
    on it. The points of ``nominal`` and ``factored`` are aligned, one strain
    state each, from pure compression through pure bending to pure tension
    with positive moments, and for a section that is not symmetric on round
    the negative moments back to pure compression."""

    code: str = field(metadata=_q("", '"AASHTO", "ACI318" or "Eurocode2"'))
    standard: str = field(metadata=_q("", 'the standard applied ("ACI 318-19", "AASHTO LRFD", '
                                          '"EN 1992-1-1", "AISC 360-16", "EN 1993-1-1")'))
    method: str = field(metadata=_q("", "the assumptions, in words"))
    covered: bool = field(metadata=_q("", "False: the section has no diagram; note says why"))
    note: str = field(metadata=_q("", "why the section has no diagram"))
    transverse: str = field(metadata=_q("", '"tied" or "spiral"; "" for steel and sections '
                                            'without a diagram'))
    transverse_source: str = field(metadata=_q("", '"default" (of the section type) or '
                                                   '"input"'))
    prestressed: bool = field(metadata=_q("", "strands with their effective prestress"))
    symmetric: bool = field(metadata=_q("", "False: the points go round both bending "
                                            "directions"))
    nominal: InteractionCurve = field(metadata=_q("", "Pn, Mn (Eurocode 2: characteristic "
                                                      "strengths)"))
    factored: InteractionCurve = field(metadata=_q("", "phi Pn, phi Mn with the caps "
                                                       "(Eurocode 2: NRd, MRd)"))
    phi: Array = field(metadata=_q("", "strength reduction factor of each point (ACI 318, "
                                       "AASHTO concrete sections); empty otherwise"))
    balanced: Optional[InteractionPoint] = field(metadata=_q("", "the nominal balanced point"))
    balanced_factored: Optional[InteractionPoint] = field(metadata=_q(
        "", "the design balanced point"))
    pure_compression: float = field(metadata=_q("force", "nominal P0"))
    pure_tension: float = field(metadata=_q("force", "nominal tensile strength, negative"))
    max_compression: float = field(metadata=_q("force", "design limit of axial compression"))
    max_tension: float = field(metadata=_q("force", "design limit of axial tension, negative"))
    gamma_c: Optional[float] = field(metadata=_q("", "Eurocode 2 partial factor of concrete"))
    gamma_s: Optional[float] = field(metadata=_q("", "Eurocode 2 partial factor of steel"))
    alpha_cc: Optional[float] = field(metadata=_q("", "Eurocode 2 long-term factor"))
    demands: list[InteractionDemand] = field(metadata=_q("", "one per load case of a pile "
                                                             "analysis"))
    max_utilisation: Optional[float] = field(metadata=_q("", "the largest utilisation of the "
                                                             "demands"))
    governing_case: int = field(metadata=_q("", "its load case; 0 when none"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        if not self.covered:
            return f"{self.code}: not covered"
        used = "" if self.max_utilisation is None else \
            f", highest utilisation {_short(self.max_utilisation)}"
        return f"{self.standard}: {len(self.nominal)} points{used}"

    def frame(self) -> pandas.DataFrame:
        """The points as a DataFrame: ``nominal_axial``, ``nominal_moment``,
        ``factored_axial``, ``factored_moment`` and ``phi`` (NaN where the
        code has none); the unit of each column is in
        ``frame.attrs["units"]``."""
        n = len(self.nominal)
        phi = self.phi if len(self.phi) == n else np.full(n, np.nan)
        columns = {"nominal_axial": self.nominal.axial, "nominal_moment": self.nominal.moment,
                   "factored_axial": self.factored.axial,
                   "factored_moment": self.factored.moment, "phi": phi}
        units = {}
        if self.units is not None:
            for name in columns:
                if name != "phi":
                    units[name] = self.units.force if name.endswith("axial") else \
                        self.units.moment
        return _frame(columns, units)

    def demands_frame(self) -> pandas.DataFrame:
        """The demands as a DataFrame, one row per load case, with the
        capacity on the ray as ``capacity_axial`` and ``capacity_moment``."""
        rows = [dict({c: getattr(d, c) for c in _DEMAND_COLUMNS},
                     capacity_axial=d.capacity.axial, capacity_moment=d.capacity.moment)
                for d in self.demands]
        names = list(_DEMAND_COLUMNS) + ["capacity_axial", "capacity_moment"]
        frame = _pandas().DataFrame(rows, columns=names)
        if self.units is not None:
            frame.attrs["units"] = {"axial": self.units.force, "moment": self.units.moment,
                                    "capacity_axial": self.units.force,
                                    "capacity_moment": self.units.moment}
        return frame

    def plot(self, *, ax: Optional[Axes] = None, title: Optional[str] = None) -> Axes:
        """Draws axial force against moment, the nominal and the design
        diagram and the demands as points (those beyond the design diagram
        marked x), into ``ax`` (a new figure when None); returns the Axes."""
        if not self.covered:
            raise ValueError(f"the section has no interaction diagram: {self.note}")
        if ax is None:
            _, ax = _pyplot().subplots(figsize=(8, 6), layout="constrained")
        ax.plot(self.nominal.moment, self.nominal.axial, label="Nominal (Pn, Mn)")
        ax.plot(self.factored.moment, self.factored.axial, label="Design")
        for passed, marker, label in ((True, "o", "Demands within the design diagram"),
                                      (False, "x", "Demands beyond the design diagram")):
            chosen = [d for d in self.demands if d.passed == passed]
            if chosen:
                ax.plot([d.moment for d in chosen], [d.axial for d in chosen], marker,
                        linestyle="none", label=label)
        force = f" ({self.units.force})" if self.units else ""
        moment = f" ({self.units.moment})" if self.units else ""
        ax.set_xlabel("Bending moment" + moment)
        ax.set_ylabel("Axial force, compression positive" + force)
        ax.axhline(0.0, color="0.6", linewidth=0.8)
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        ax.set_title(title or f"{self.standard}: {self.method}", fontsize="small")
        return ax


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class SectionResult(_Result):
    """A pile section with its moment-curvature tables and interaction diagram."""

    number: int = field(metadata=_q("", "section number, from 1 at the pile head"))
    type: int = field(metadata=_q("", "section type code of the input (-3: a casing with a "
                                      "void core)"))
    type_name: str = field(metadata=_q("", 'name of the section type ("Drilled Shaft (Bored '
                                           'Pile)")'))
    top: float = field(metadata=_q("length", "top, along the pile from the head"))
    bottom: float = field(metadata=_q("length", "bottom, along the pile from the head"))
    length: float = field(metadata=_q("length", "length of the section"))
    width: float = field(metadata=_q("length", "width the soil sees, at the top"))
    area: float = field(metadata=_q("length^2", "gross area at the top; 0 when not defined"))
    inertia: float = field(metadata=_q("length^4", "gross moment of inertia at the top; 0 "
                                                   "when not defined"))
    flexural_rigidity: float = field(metadata=_q("flexural_rigidity", "gross EI at the top; "
                                                                      "0 when not defined"))
    axial_capacity: float = field(metadata=_q("section_force", "axial capacity; 0 when the "
                                                               "section has none"))
    tensile_capacity: float = field(metadata=_q("section_force", "tensile capacity "
                                                                 "(negative); 0 when none"))
    cracking_load: float = field(metadata=_q("section_force", "cracking load (negative); 0 "
                                                              "when none"))
    thrusts: list[MomentCurvature] = field(metadata=_q("", "one moment-curvature table per "
                                                           "axial thrust"))
    interaction: Optional[InteractionResult] = field(default=None, metadata=_q(
        "", "the interaction diagram; None unless the run computed them "
            "(ComputeInteraction YES)"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        u = self.units.length if self.units else ""
        tables = f"{len(self.thrusts)} moment-curvature table" + \
            ("" if len(self.thrusts) == 1 else "s")
        return (f"{self.number}: {_clip(self.type_name, 30)}, "
                f"{_short(self.top)}-{_short(self.bottom)} {u}, {tables}")


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LengthStudy(_Table):
    """Head deflection against pile length: the pile shortened 5 % of its
    full length at a time; the columns hold the converged lengths, longest
    first (the results file's ``rows``)."""

    _json_rows = "rows"
    _columns = ("length", "head_deflection", "head_shear", "max_moment", "max_shear")

    load_case: int = field(metadata=_q("", "the load case of the study"))
    full_length: float = field(metadata=_q("length", "pile length of the input"))
    lengths_analysed: int = field(metadata=_q("", "trial lengths solved, 0 to 20"))
    ended_by: str = field(metadata=_q("", 'what ended the study: "all lengths", "ground '
                                          'surface", "excess deflection", "iteration '
                                          'limit" or "loss of stability"'))
    length: Array = field(metadata=_q("length", "trial pile length"))
    head_deflection: Array = field(metadata=_q("length", "deflection at the pile head"))
    head_shear: Array = field(metadata=_q("force", "shear computed at the pile head"))
    max_moment: Array = field(metadata=_q("moment", "signed value of the largest |M|"))
    max_shear: Array = field(metadata=_q("force", "signed value of the largest |V|"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"of case {self.load_case}: {len(self)} lengths, ended by {self.ended_by}"


# The response at the nodes: the columns of a load case (the results file's
# ``nodes``), in the order of the CSV table of a case.
NODE_COLUMNS = ("depth", "deflection", "slope", "moment", "shear", "soil_reaction", "es",
                "flexural_rigidity", "stress", "distributed_load")

_AXIS_LABELS = {"depth": "Depth below pile head", "deflection": "Deflection",
                "slope": "Slope", "moment": "Bending moment", "shear": "Shear",
                "soil_reaction": "Soil reaction p", "es": "Soil modulus Es",
                "flexural_rigidity": "Bending stiffness EI", "stress": "Total stress",
                "distributed_load": "Distributed load"}

# The quantities of the two head conditions of each load type.
_CONDITIONS = {1: (("shear", "force"), ("moment", "moment")),
               2: (("shear", "force"), ("slope", "rad")),
               3: (("shear", "force"), ("rotational stiffness", "rotational_stiffness")),
               4: (("deflection", "length"), ("moment", "moment")),
               5: (("deflection", "length"), ("slope", "rad"))}


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LoadCaseResult(_Result):
    """One load case or LRFD combination: the conditions as applied, the
    response at the head, the largest moment and shear, the iteration and
    the output verification, and the response at every node as columns
    (the results file's ``nodes``), head to tip.

    ``condition1`` is a shear (force; load types 1 to 3) or a deflection
    (length; types 4 and 5); ``condition2`` a moment (types 1 and 4), a slope
    (rad; types 2 and 5) or a rotational stiffness (type 3).
    """

    _json_nested = "nodes"

    number: int = field(metadata=_q("", "load case or combination number, from 1"))
    lrfd: bool = field(metadata=_q("", "an LRFD combination"))
    combination_name: str = field(metadata=_q("", "name of the LRFD combination"))
    load_type: int = field(metadata=_q("", "pile-head load type 1 to 5 (1 for LRFD)"))
    condition1: float = field(metadata=_q(None, "shear or deflection at the head, as "
                                                "applied"))
    condition2: float = field(metadata=_q(None, "moment, slope or rotational stiffness at "
                                                "the head, as applied"))
    axial: float = field(metadata=_q("force", "axial load"))
    head_shear: float = field(metadata=_q("force", "shear computed at the pile head"))
    head_moment: float = field(metadata=_q("moment", "moment computed at the pile head"))
    head_deflection: float = field(metadata=_q("length", "deflection at the pile head"))
    head_rotation: float = field(metadata=_q("rad", "rotation (slope) at the pile head"))
    max_moment: float = field(metadata=_q("moment", "signed value of the largest |M|"))
    max_moment_depth: float = field(metadata=_q("length", "depth of max_moment"))
    max_shear: float = field(metadata=_q("force", "signed value of the largest |V|"))
    max_shear_depth: float = field(metadata=_q("length", "depth of max_shear"))
    max_stress: float = field(metadata=_q("stress", "largest total stress"))
    iterations: int = field(metadata=_q("", "iterations used"))
    final_change: float = field(metadata=_q("length", "largest change of deflection in the "
                                                      "last iteration"))
    zero_deflection_points: int = field(metadata=_q("", "sign changes of the deflection "
                                                        "along the pile"))
    status: str = field(metadata=_q("", '"converged", or "not_converged" for a case '
                                        "reported after the iteration limit"))
    moment_imbalance: float = field(metadata=_q("moment", "largest moment imbalance of the "
                                                          "increments"))
    force_imbalance: float = field(metadata=_q("force", "largest force imbalance of the "
                                                        "increments"))
    moment_imbalance_station: int = field(metadata=_q("", "station of moment_imbalance"))
    force_imbalance_station: int = field(metadata=_q("", "station of force_imbalance"))
    verified: bool = field(metadata=_q("", "both imbalances within the limit"))
    increment_length: float = field(metadata=_q("length", "length h of a pile increment"))
    section_max_moment: Array = field(metadata=_q("moment", "largest |M| in each pile "
                                                            "section"))
    section_max_shear: Array = field(metadata=_q("force", "largest |V| in each pile section"))
    depth: Array = field(metadata=_q("length", "depth of each node below the pile head"))
    deflection: Array = field(metadata=_q("length", "lateral deflection y"))
    slope: Array = field(metadata=_q("rad", "slope of the pile"))
    moment: Array = field(metadata=_q("moment", "bending moment"))
    shear: Array = field(metadata=_q("force", "shear"))
    soil_reaction: Array = field(metadata=_q("force_per_length", "soil reaction p"))
    es: Array = field(metadata=_q("stress", "secant soil modulus Es"))
    flexural_rigidity: Array = field(metadata=_q("flexural_rigidity", "bending stiffness EI"))
    stress: Array = field(metadata=_q("stress", "total stress |axial|/A + |M| c/I"))
    distributed_load: Array = field(metadata=_q("force_per_length", "distributed lateral "
                                                "load, averaged over the node's length"))
    length_study: Optional[LengthStudy] = field(default=None, metadata=_q(
        "", "the pile-length study when the case asked for it, else None"))
    units: Optional[Units] = _back_reference()

    ei = _deprecated_alias("flexural_rigidity", "ei")

    @property
    def converged(self) -> bool:
        """Deprecated: ``status == "converged"``."""
        warnings.warn('LoadCaseResult.converged is deprecated; use status == "converged" '
                      "(the name of the results file)", TarvexDeprecationWarning, stacklevel=2)
        return self.status == "converged"

    @property
    def name(self) -> str:
        """The combination's name, or "Load case n"."""
        return self.combination_name or f"Load case {self.number}"

    def condition_units(self) -> tuple[str, str]:
        """The units of ``condition1`` and ``condition2`` of this case."""
        (_, first), (_, second) = _CONDITIONS.get(self.load_type, _CONDITIONS[1])
        u = self.units or USCS_UNITS
        return u.of(first), u.of(second)

    def to_frame(self) -> pandas.DataFrame:
        """The response at the nodes, one row per node, head to tip; the unit
        of each column is in ``frame.attrs["units"]``."""
        return _frame({name: getattr(self, name) for name in NODE_COLUMNS},
                      _units_of_columns(self.units, LoadCaseResult, NODE_COLUMNS))

    def plot(self, quantity: str = "deflection", *, ax: Optional[Axes] = None,
             label: Optional[str] = None) -> Axes:
        """Draws one column of the nodes (``quantity``, one of
        ``NODE_COLUMNS``) against depth, depth downward, into ``ax`` (a new
        figure when None) and returns the Axes. The line is labelled with
        ``label`` or the case's name."""
        if quantity not in NODE_COLUMNS or quantity == "depth":
            raise ValueError(f"cannot plot {quantity!r} against depth; plot one of "
                             f"{', '.join(NODE_COLUMNS[1:])}")
        if ax is None:
            _, ax = _pyplot().subplots(figsize=(5, 6), layout="constrained")
        u = self.units or USCS_UNITS
        kind = LoadCaseResult.__dataclass_fields__[quantity].metadata["unit"]
        ax.plot(getattr(self, quantity), self.depth, label=label or self.name)
        ax.set_xlabel(f"{_AXIS_LABELS[quantity]} ({u.of(kind)})")
        ax.set_ylabel(f"{_AXIS_LABELS['depth']} ({u.length})")
        if not ax.yaxis_inverted():
            ax.invert_yaxis()
        ax.grid(True, alpha=0.3)
        return ax

    def _describe(self) -> str:
        u = self.units or USCS_UNITS
        head = f"{self.number}"
        if self.lrfd:
            head += f" {_clip(self.combination_name, 24)!r}"
        (what, kind), _ = _CONDITIONS.get(self.load_type, _CONDITIONS[1])
        applied = f"{what} {_short(self.condition1)} {u.of(kind)}"
        if kind == "length":
            response = f"head shear {_short(self.head_shear)} {u.force}"
        else:
            response = f"head deflection {_short(self.head_deflection)} {u.length}"
        status = self.status.replace("_", " ")
        if self.lrfd:
            return f"{head}: {response}, {status}"
        return f"{head}: {applied}, {response}, {status}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class PyCurveResult(_Result):
    """A printed p-y curve (load case 1), the points as printed with the
    multipliers applied."""

    number: int = field(metadata=_q("", "curve number, from 1 in printed order"))
    depth: float = field(metadata=_q("length", "depth below the pile head"))
    layer: int = field(metadata=_q("", "soil layer number"))
    criterion: int = field(metadata=_q("", "p-y criterion code"))
    short_name: str = field(metadata=_q("", "short name of the criterion"))
    y: Array = field(metadata=_q("length", "lateral deflection"))
    p: Array = field(metadata=_q("force_per_length", "soil resistance"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        u = self.units.length if self.units else ""
        return (f"{self.number} at {_short(self.depth)} {u}: {self.short_name}, "
                f"{len(self.y)} points")


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdCheckRow(_Result):
    """One combination and section of the LRFD performance check."""

    combination: int = field(metadata=_q("", "combination number"))
    section: int = field(metadata=_q("", "section number"))
    name: str = field(metadata=_q("", "combination name"))
    resistance_factor: float = field(metadata=_q("", "resistance factor for flexure"))
    factored_capacity: Optional[float] = field(metadata=_q(
        "moment", "factored moment capacity; None: no limit (an elastic section)"))
    moment_developed: float = field(metadata=_q("moment", "largest |M| in the section"))
    fraction_mobilized: Optional[float] = field(metadata=_q(
        "", "moment_developed / factored_capacity; None: not applicable"))
    verdict: str = field(metadata=_q("", '"pass", "fail" or "not_applicable"'))
    max_shear: float = field(metadata=_q("force", "largest |V| of the combination"))
    head_deflection: float = field(metadata=_q("length", "deflection at the pile head"))
    head_rotation: float = field(metadata=_q("rad", "rotation at the pile head"))

    def _describe(self) -> str:
        return f"combination {self.combination}, section {self.section}: {self.verdict}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class StiffnessStudy(_Table):
    """The pile-head stiffness study: ten shears with the head rotation
    held at 0 and ten moments with the head deflection held at 0; the
    columns hold the ten load levels when the study is complete (the
    results file's ``rows``)."""

    _json_rows = "rows"
    _columns = ("shear_level", "moment_level", "deflection", "shear_reaction_1",
                "moment_reaction_1", "rotation", "shear_reaction_2", "moment_reaction_2", "k22",
                "k23", "k32", "k33")

    reference_shear: float = field(metadata=_q("force", "reference shear"))
    reference_moment: float = field(metadata=_q("moment", "reference moment"))
    axial: float = field(metadata=_q("force", "axial thrust of every study case"))
    cases_converged: int = field(metadata=_q("", "study cases solved, 0 to 20"))
    complete: bool = field(metadata=_q("", "all 20 cases converged"))
    ended_by: str = field(metadata=_q("", '"all cases", "excess deflection", "iteration '
                                          'limit" or "loss of stability"'))
    shear_level: Array = field(metadata=_q("force", "shear of the shear case"))
    moment_level: Array = field(metadata=_q("moment", "moment of the moment case"))
    deflection: Array = field(metadata=_q("length", "head deflection of the shear case"))
    shear_reaction_1: Array = field(metadata=_q("force", "head shear of the shear case"))
    moment_reaction_1: Array = field(metadata=_q("moment", "head moment of the shear case"))
    rotation: Array = field(metadata=_q("rad", "head rotation of the moment case"))
    shear_reaction_2: Array = field(metadata=_q("force", "head shear of the moment case"))
    moment_reaction_2: Array = field(metadata=_q("moment", "head moment of the moment case"))
    k22: Array = field(metadata=_q("force/length", "shear_reaction_1 / deflection"))
    k23: Array = field(metadata=_q("force/rad", "shear_reaction_2 / rotation"))
    k32: Array = field(metadata=_q("moment/length", "-moment_reaction_1 / deflection"))
    k33: Array = field(metadata=_q("moment/rad", "-moment_reaction_2 / rotation"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"{self.cases_converged} of 20 cases, ended by {self.ended_by}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class WarningRecord(_Result):
    """A warning recorded within one load case."""

    number: int = field(metadata=_q("", "warning number (302, 3041, 400)"))
    load_case: int = field(metadata=_q("", "load case; 0: before the load cases"))
    count: int = field(metadata=_q("", "recordings within that load case"))
    text: list[str] = field(metadata=_q("", "the warning's lines, as in the report's warning "
                                            "summary"))

    def _describe(self) -> str:
        return f"{self.number} in case {self.load_case} ({self.count} times)"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class Diagnostic(_Result):
    """The error that ended a run."""

    identity: str = field(metadata=_q("", 'error identity ("INP00095", "RUN00009")'))
    code: int = field(metadata=_q("", "result code (195)"))
    number: int = field(metadata=_q("", "error number (95)"))
    kind: str = field(metadata=_q("", '"input", "runtime", "internal" or "files"'))
    message: list[str] = field(metadata=_q("", "the error's lines as in the report"))
    file: Optional[str] = field(default=None, metadata=_q(
        "", "the input file (None for a text or a model)"))
    line_number: int = field(metadata=_q("", "line of the input the error is about; 0 when "
                                             "about no line"))
    line_text: str = field(metadata=_q("", "that line as read"))
    advice: str = field(metadata=_q("", "further advice; may be empty"))

    @classmethod
    def _json_plain(cls, data: Mapping[str, Any]) -> dict[str, Any]:
        plain = dict(data)
        plain["file"] = plain.get("file") or None
        return plain

    def _describe(self) -> str:
        # The problem in words: the "Problem:" line, else the first line after
        # the heading of asterisks.
        lines = [line.strip() for line in self.message if not line.strip().startswith("*")]
        problem = next((line for line in lines if line.startswith("Problem:")),
                       lines[0] if lines else "")
        problem = problem.removeprefix("Problem:").strip()
        where = f" at line {self.line_number}" if self.line_number else ""
        return f"{self.identity}{where}: {_clip(problem, 60)}"


# The summary of a load case: one dict per case, one row of cases_frame().
CASE_SUMMARY = ("number", "combination_name", "load_type", "condition1", "condition2", "axial",
                "head_deflection", "head_rotation", "head_shear", "head_moment", "max_moment",
                "max_moment_depth", "max_shear", "max_shear_depth", "max_stress",
                "iterations", "status", "verified")
_LRFD_COLUMNS = ("combination", "section", "name", "resistance_factor", "factored_capacity",
                 "moment_developed", "fraction_mobilized", "verdict", "max_shear",
                 "head_deflection", "head_rotation")
# Results classes of earlier releases, by their old names.
_OLD_NAMES = {"LoadCase": "LoadCaseResult", "Section": "SectionResult",
              "SoilLayer": "LayerResult", "PyCurve": "PyCurveResult",
              "LrfdCheck": "LrfdCheckRow"}


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class Results(_Result):
    """The results of one analysis.

    ``tarvex.run`` returns them; ``Results.from_json`` reads the results
    file of the command line into the same objects. Two results are equal
    when every value is; the texts of the report, plot and message files,
    which name the date, time and folder of the run, are not compared.
    """

    format_version: int = field(metadata=_q("", "format of the results file (1)"))
    engine_version: str = field(metadata=_q("", 'version of the engine ("6.0.28")'))
    result_code: int = field(metadata=_q("", "what the engine returns: 0 normal end, a "
                                             "negative warning number, 101-199 input "
                                             "error, 200-299 runtime error"))
    outcome: str = field(metadata=_q("", '"normal", "warnings", "input_error", '
                                         '"runtime_error", "files_unusable" or '
                                         '"internal_error"'))
    title: list[str] = field(metadata=_q("", "the title lines that are not blank"))
    units: Units = field(metadata=_q("", "the units of the run"))
    run_kind: int = field(metadata=_q("", "2 bending stiffness only, 3 pile analysis, 0 "
                                          "input not read"))
    lrfd: bool = field(metadata=_q("", "an LRFD run: the cases are factored combinations"))
    pile_length: float = field(metadata=_q("length", "pile length"))
    ground_depth: float = field(metadata=_q("length", "depth of the ground surface below "
                                                      "the pile head"))
    layers: list[LayerResult] = field(metadata=_q("", "the soil layers"))
    sections: list[SectionResult] = field(metadata=_q("", "the pile sections"))
    py_curves: list[PyCurveResult] = field(metadata=_q("", "the printed p-y curves"))
    cases: list[LoadCaseResult] = field(metadata=_q("", "every load case or combination "
                                                        "solved"))
    lrfd_check: list[LrfdCheckRow] = field(metadata=_q("", "the LRFD performance check"))
    stiffness: Optional[StiffnessStudy] = field(default=None, metadata=_q(
        "", "the pile-head stiffness study; None unless it ran"))
    warnings: list[WarningRecord] = field(metadata=_q("", "the warnings by load case"))
    error: Optional[Diagnostic] = field(default=None, metadata=_q(
        "", "the error that ended the run; None after a normal end"))
    report_text: Optional[str] = field(default=None, compare=False, metadata=_q(
        "", "the report file of the run (None when read from a results file)"))
    plot_text: Optional[str] = field(default=None, compare=False, metadata=_q(
        "", "the plot file of the run (None when read from a results file)"))
    message_text: Optional[str] = field(default=None, compare=False, metadata=_q(
        "", "the message file of the run (None when read from a results file)"))

    # -- making --------------------------------------------------------------

    @classmethod
    def _build(cls: type[_R], data: Mapping[str, Any], units: Optional[Units],
               from_json: bool) -> _R:
        # The units first: every part of the results refers to them, and the
        # results hold the same object.
        units = Units._build(data["units"], None, from_json)
        results = super()._build(data, units, from_json)
        results.units = units  # type: ignore[attr-defined]
        return results

    @classmethod
    def _from_engine(cls, data: Mapping[str, Any], file: Optional[str] = None) -> Results:
        """The results of the data the compiled module returns; ``file`` is the
        input file as the caller gave it (None for a text or a model).

        The error names the file, as the results file does, when it is about
        one of its lines (the engine names the file it read: the caller's
        file by its absolute path, or a name of its own for a text); the
        exception of the run names the file in any case, so the results keep
        it aside.
        """
        if data["error"] is not None:
            error = data["error"]
            data = dict(data, error=dict(error, file=file if error["file"] else None))
        results = cls._build(data, None, False)
        setattr(results, "_input_file", file)
        return results

    @classmethod
    def from_json(cls, path: Union[str, os.PathLike[str]]) -> Results:
        """Reads the results file that the command line writes
        (``tarvex INPUT --json`` writes INPUT.json) into the objects that
        ``tarvex.run`` returns for the same input. The file does not hold
        the texts of the report, plot and message files: ``report_text``,
        ``plot_text`` and ``message_text`` are None.

        Raises ``ValueError`` for a file that is not a results file of a
        format this package reads, and ``OSError`` for one it cannot open.
        """
        name = os.fspath(path)
        with open(name, encoding="utf-8") as f:
            try:
                data = json.load(f)
            except json.JSONDecodeError as e:
                raise ValueError(f"{name}: not a results file: {e}") from None
        if not isinstance(data, dict) or "format_version" not in data:
            raise ValueError(f"{name}: not a results file of tarvex (no format_version)")
        version = data["format_version"]
        if version != FORMAT_VERSION:
            raise ValueError(f"{name}: a results file of format {version!r}; this version of "
                             f"tarvex reads format {FORMAT_VERSION}")
        try:
            return cls._build(data, None, True)
        except (KeyError, TypeError, AttributeError) as e:
            raise ValueError(f"{name}: not a results file of tarvex ({type(e).__name__}: "
                             f"{e})") from None

    # -- values --------------------------------------------------------------

    @property
    def ok(self) -> bool:
        """True when the run ended normally or with warnings only."""
        return self.error is None

    def _describe(self) -> str:
        title = f"{_clip(self.title[0], 36)!r}: " if self.title else ""
        count = f"{len(self.cases)} load case" + ("" if len(self.cases) == 1 else "s")
        end = self.outcome if self.error is None else f"{self.outcome} {self.error.identity}"
        return title + ", ".join(p for p in (self.units.system, count, end) if p)

    def summary(self) -> list[dict[str, Any]]:
        """One dict per load case: its conditions and the response at the
        head, the largest moment and shear, iterations and status (the keys
        of ``CASE_SUMMARY``, in the units of the run)."""
        return [{name: getattr(case, name) for name in CASE_SUMMARY} for case in self.cases]

    def cases_frame(self) -> pandas.DataFrame:
        """The summary of the load cases as a DataFrame, one row per case;
        the unit of each column is in ``frame.attrs["units"]``."""
        frame = _pandas().DataFrame(self.summary(), columns=list(CASE_SUMMARY))
        frame.attrs["units"] = _units_of_columns(self.units, LoadCaseResult, CASE_SUMMARY)
        return frame

    def frame(self) -> pandas.DataFrame:
        """The response at the nodes of every load case in one DataFrame of
        long format: one row per case and node, with the columns ``case``
        (the case number), ``node`` (from 1 at the head) and the node
        columns of ``NODE_COLUMNS``; the unit of each column is in
        ``frame.attrs["units"]``. ``frame.groupby("case")`` gives the
        cases one by one."""
        columns: dict[str, Any] = {
            "case": np.concatenate([np.full(len(c.depth), c.number, dtype=np.int64)
                                    for c in self.cases] or [np.zeros(0, np.int64)]),
            "node": np.concatenate([np.arange(1, len(c.depth) + 1, dtype=np.int64)
                                    for c in self.cases] or [np.zeros(0, np.int64)]),
        }
        for name in NODE_COLUMNS:
            columns[name] = np.concatenate([getattr(c, name) for c in self.cases]
                                           or [np.zeros(0)])
        return _frame(columns, _units_of_columns(self.units, LoadCaseResult, NODE_COLUMNS))

    def lrfd_frame(self) -> pandas.DataFrame:
        """The LRFD performance check as a DataFrame, one row per combination
        and section; the unit of each column is in ``frame.attrs["units"]``."""
        rows = [{c: getattr(row, c) for c in _LRFD_COLUMNS} for row in self.lrfd_check]
        frame = _pandas().DataFrame(rows, columns=list(_LRFD_COLUMNS))
        frame.attrs["units"] = _units_of_columns(self.units, LrfdCheckRow, _LRFD_COLUMNS)
        return frame

    # -- plots ---------------------------------------------------------------

    def _cases(self, cases: Optional[Iterable[int]]) -> list[LoadCaseResult]:
        wanted = None if cases is None else set(cases)
        chosen = [c for c in self.cases if wanted is None or c.number in wanted]
        if not chosen:
            raise ValueError("no load case to plot: the run has "
                             f"{len(self.cases)} case(s) and {cases!r} were asked for")
        return chosen

    @overload
    def plot(self, quantity: str, *, cases: Optional[Iterable[int]] = None,
             ax: Optional[Axes] = None) -> Axes:
        ...

    @overload
    def plot(self, quantity: None = None, *, cases: Optional[Iterable[int]] = None,
             ax: Optional[Sequence[Axes]] = None) -> list[Axes]:
        ...

    def plot(self, quantity: Optional[str] = None, *, cases: Optional[Iterable[int]] = None,
             ax: Any = None) -> Any:
        """Draws the response against depth (depth downward), one line per
        load case (every case, or those numbered in ``cases``).

        With a ``quantity`` (one of ``NODE_COLUMNS``: "deflection",
        "moment", "shear", "soil_reaction", ...) it draws that column into
        ``ax`` (a new figure when None) and returns the Axes. Without one it
        draws deflection, moment, shear and soil reaction side by side into
        the four Axes of ``ax`` (a new figure when None) and returns the list
        of the four Axes; ``axes[0].figure`` is the figure.
        """
        if quantity is not None and not isinstance(quantity, str):
            raise TypeError("plot(quantity) takes the name of a column; give the load cases "
                            f"as plot(cases={quantity!r})")
        chosen = self._cases(cases)
        if quantity is not None:
            if ax is None:
                _, ax = _pyplot().subplots(figsize=(5, 6), layout="constrained")
            for case in chosen:
                case.plot(quantity, ax=ax)
            ax.axvline(0.0, color="0.6", linewidth=0.8)
            ax.legend(fontsize="small")
            return ax
        panels = ("deflection", "moment", "shear", "soil_reaction")
        if ax is None:
            fig, made = _pyplot().subplots(1, 4, sharey=True, figsize=(13, 6),
                                           layout="constrained")
            axes = list(made)
            if self.title:
                fig.suptitle(self.title[0])
        else:
            axes = list(ax)
            if len(axes) != len(panels):
                raise ValueError(f"plot() without a quantity draws {len(panels)} panels; ax "
                                 f"holds {len(axes)} Axes")
        for panel, name in zip(axes, panels):
            for case in chosen:
                case.plot(name, ax=panel)
            panel.axvline(0.0, color="0.6", linewidth=0.8)
        for panel in axes[1:]:
            panel.set_ylabel("")
        axes[-1].legend(fontsize="small")
        return axes

    def plot_py_curves(self, ax: Optional[Axes] = None) -> Axes:
        """Draws the printed p-y curves, p against y, one line per depth,
        into ``ax`` (a new figure when None) and returns the Axes."""
        if not self.py_curves:
            raise ValueError("the run printed no p-y curves (set print_py_curves in the options "
                             "and give the depths)")
        if ax is None:
            _, ax = _pyplot().subplots(figsize=(8, 6), layout="constrained")
        u = self.units
        for curve in self.py_curves:
            ax.plot(curve.y, curve.p, marker=".",
                    label=f"{_short(curve.depth)} {u.length}, {curve.short_name}")
        ax.set_xlabel(f"Deflection y ({u.length})")
        ax.set_ylabel(f"Soil resistance p ({u.force_per_length})")
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        return ax

    @overload
    def plot_moment_curvature(self, quantity: str, *, ax: Optional[Axes] = None) -> Axes:
        ...

    @overload
    def plot_moment_curvature(self, quantity: None = None, *,
                              ax: Optional[Sequence[Axes]] = None) -> list[Axes]:
        ...

    def plot_moment_curvature(self, quantity: Optional[str] = None, *, ax: Any = None) -> Any:
        """Draws the moment-curvature tables, one line per section and axial
        thrust: "moment" is moment against curvature, "ei" bending stiffness
        against moment, each into ``ax`` (a new figure when None),
        returning the Axes; without a quantity both side by side, returning
        the list of the two Axes."""
        tables = [(s, t) for s in self.sections for t in s.thrusts if len(t)]
        if not tables:
            raise ValueError("the run has no moment-curvature table")
        if quantity not in (None, "moment", "ei"):
            raise ValueError(f'plot_moment_curvature draws "moment" or "ei", not {quantity!r}')
        u = self.units
        plt = _pyplot()
        if quantity is None:
            if ax is None:
                _, made = plt.subplots(1, 2, figsize=(12, 5), layout="constrained")
                ax = list(made)
            axes = list(ax)
            if len(axes) != 2:
                raise ValueError(f"plot_moment_curvature() draws 2 panels; ax holds "
                                 f"{len(axes)} Axes")
            self.plot_moment_curvature("moment", ax=axes[0])
            self.plot_moment_curvature("ei", ax=axes[1])
            axes[1].get_legend().remove()
            return axes
        if ax is None:
            _, ax = plt.subplots(figsize=(6.5, 5), layout="constrained")
        for section, table in tables:
            label = f"Section {section.number}, P = {_short(table.thrust)} {u.section_force}"
            if quantity == "moment":
                ax.plot(table.curvature, table.moment, label=label)
            else:
                ax.plot(table.moment, table.ei, label=label)
        if quantity == "moment":
            ax.set_xlabel(f"Curvature ({u.curvature})")
            ax.set_ylabel(f"Bending moment ({u.section_moment})")
        else:
            ax.set_xlabel(f"Bending moment ({u.section_moment})")
            ax.set_ylabel(f"Bending stiffness EI ({u.section_rigidity})")
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        return ax

    def plot_interaction(self, sections: Optional[Iterable[int]] = None, *,
                         ax: Optional[Sequence[Axes]] = None) -> list[Axes]:
        """Draws the interaction diagram of every section that has one (or of
        those numbered in ``sections``), one panel each, with the load
        cases' demands, into the Axes of ``ax`` (a new figure when None);
        returns the list of the Axes."""
        wanted = None if sections is None else set(sections)
        chosen = [s for s in self.sections
                  if s.interaction is not None and s.interaction.covered
                  and (wanted is None or s.number in wanted)]
        if not chosen:
            raise ValueError("the run has no interaction diagram to plot (set "
                             "compute_interaction and interaction_code in the options)")
        if ax is None:
            _, made = _pyplot().subplots(1, len(chosen), figsize=(7 * len(chosen), 5.5),
                                         layout="constrained", squeeze=False)
            axes = list(made[0])
        else:
            axes = list(ax)
            if len(axes) != len(chosen):
                raise ValueError(f"plot_interaction() draws {len(chosen)} panels; ax holds "
                                 f"{len(axes)} Axes")
        for panel, section in zip(axes, chosen):
            assert section.interaction is not None
            section.interaction.plot(ax=panel, title=f"Section {section.number}: "
                                                     f"{section.type_name}")
        return axes


def __getattr__(name: str) -> Any:
    """The results classes of earlier releases by their old names, with a
    DeprecationWarning."""
    if name in _OLD_NAMES:
        new = _OLD_NAMES[name]
        warnings.warn(f"tarvex.results.{name} is deprecated; use tarvex.{new}",
                      TarvexDeprecationWarning, stacklevel=2)
        return globals()[new]
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")


__all__ = ["Array", "CASE_SUMMARY", "Diagnostic", "InteractionCurve", "InteractionDemand",
           "InteractionPoint", "InteractionResult", "LayerResult", "LengthStudy",
           "LoadCaseResult", "LrfdCheckRow", "MomentCurvature", "NODE_COLUMNS",
           "PyCurveResult", "Results", "SI_UNITS", "SectionResult", "StiffnessStudy", "USCS_UNITS",
           "Units", "WarningRecord"]
