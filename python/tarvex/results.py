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
docstring of each class gives the unit of every field as "USCS | SI". The
frames and plots show them in the engineering units of the engine's table
(``Results.display_units``: ft, in, kip, kip-ft; m, mm, kN, kN-m) unless
``units="computing"`` asks for the run's own.
"""

from __future__ import annotations

import dataclasses
import datetime
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


# The kind of value of the engine's table of engineering units
# (``DisplayUnits``) that a field of each computing unit shows as; a length
# is a depth unless its field says it is a deflection or a dimension.
_SHOWN_AS = {"length": "depth", "force": "force", "moment": "moment",
             "force_per_length": "force_per_length", "stress": "stress",
             "flexural_rigidity": "flexural_rigidity",
             "rotational_stiffness": "rotational_stiffness", "rad": "rotation",
             "section_force": "section_force", "section_moment": "section_moment",
             "section_rigidity": "section_rigidity", "curvature": "curvature",
             "section_force/section_length^2": "section_stress", "section_length": "dimension",
             "force/length^3": "unit_weight", "length^2": "area", "length^4": "inertia",
             "force/length": "lateral_stiffness", "force/rad": "force_per_rotation",
             "moment/length": "moment_per_length", "moment/rad": "rotational_stiffness"}


def _q(unit: Optional[str], doc: str, shown: Optional[str] = None) -> dict[str, Any]:
    """The metadata of a field: its unit, how it is shown and what it holds.

    ``unit`` is a field of ``Units`` ("length", "moment"), an expression of
    them ("force/length^3", "section_force/section_length^2"), "rad", "" for
    a value without unit (a count, a code, a text, a ratio) or None for a
    value whose unit depends on another (the head conditions of a case).
    ``shown`` is its kind in the engine's table of engineering units
    ("depth", "deflection", "modulus"), by default the one of its unit.
    """
    return {"unit": unit, "doc": doc,
            "shown": shown if shown is not None else _SHOWN_AS.get(unit or "", "")}


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
                if convert is _as_array or convert is _as_texts or convert is _as_ints:
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


def _as_ints(value: Any, units: Optional[Units], from_json: bool) -> list[int]:
    return [int(v) for v in value]


def _or_none(convert: _Convert) -> _Convert:
    def optional(value: Any, units: Optional[Units], from_json: bool) -> Any:
        return None if value is None else convert(value, units, from_json)
    return optional


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
                convert = _or_none(_as_array) if optional else _as_array
            elif origin is list and args == (str,):
                convert = _as_texts
            elif origin is list and args == (int,):
                convert = _as_ints
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


#: The units of a DataFrame: "engineering" (the engine's table of
#: engineering units: ft, in, kip, kip-ft; m, mm, kN, kN-m), "computing" (the
#: run's own units, as the results hold them) or None (the results' values
#: under their plain field names, the units in ``attrs`` only).
FrameUnits = Optional[str]

_FRAME_UNITS = ("engineering", "computing", None)


def _check_frame_units(units: FrameUnits) -> None:
    if units not in _FRAME_UNITS:
        raise ValueError(f'units= takes "engineering", "computing" or None, not {units!r}')


def _shown_values(units: Optional[Units], kind: str, quantity: str, values: Any,
                  shown: FrameUnits) -> tuple[Any, str]:
    """(values, unit) of a column in the units asked for: converted to the
    engineering unit of ``quantity`` by the engine's table ("engineering",
    when the run has one), else as they are in the computing unit of
    ``kind``."""
    _check_frame_units(shown)
    u = units or USCS_UNITS
    display = u.display if shown == "engineering" else None
    if display is not None and quantity in display.quantities:
        entry = display.quantities[quantity]
        return entry.convert(values), entry.unit
    return values, u.of(kind)


def _kinds_of_columns(cls: type, names: Iterable[str]) -> dict[str, tuple[str, str]]:
    """{column: (computing kind, shown kind)} of the columns of a frame that
    have one unit (the fields of ``cls`` of these names)."""
    fields = {f.name: f for f in dataclasses.fields(cls)}
    kinds = {}
    for name in names:
        meta = fields[name].metadata if name in fields else {}
        unit = meta.get("unit")
        if unit is not None:
            kinds[name] = (unit, meta.get("shown", ""))
    return kinds


def _shown_frame(columns: Mapping[str, Any], kinds: Mapping[str, tuple[str, str]],
                 units: Optional[Units], shown: FrameUnits) -> pandas.DataFrame:
    """A DataFrame of ``columns`` in the units asked for.

    ``kinds`` gives the computing kind and the shown kind of every column
    that has one unit. With ``shown`` None the values and names are the
    results' own and ``attrs["units"]`` names each column's unit; otherwise
    the values are converted ("engineering", by the engine's table of the
    run) or kept ("computing"), each column with a unit is named "name
    [unit]" as in the CSV tables, and ``attrs["units"]`` maps those names to
    their units.
    """
    _check_frame_units(shown)
    if shown is None:
        return _frame(columns, {name: units.of(kind) for name, (kind, _) in kinds.items()}
                      if units is not None else {})
    display = units.display if units is not None else None
    out: dict[str, Any] = {}
    attrs: dict[str, str] = {}
    for name, values in columns.items():
        if name not in kinds or units is None:
            out[name] = values
            continue
        kind, quantity = kinds[name]
        unit = units.of(kind)
        if shown == "engineering" and display is not None and quantity in display.quantities:
            entry = display.quantities[quantity]
            unit = entry.unit
            values = entry.convert(values)
        label = f"{name} [{unit}]" if unit else name
        out[label] = values
        attrs[label] = unit
    return _frame(out, attrs)


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
    display: Optional[DisplayUnits] = field(default=None, repr=False, compare=False, metadata={
        "context": True, "unit": "", "doc": (
            "the engine's engineering units of the run's system, the results' display_units "
            "(not part of the results file's units; None for a results file written before "
            "they were)")})

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


@dataclass(frozen=True)
class DisplayUnit:
    """How a kind of value is shown: its engineering unit and the
    conversion from the computing unit (times ``factor``, divided by
    ``divisor``)."""

    unit: str
    factor: float
    divisor: float
    computing: str

    def convert(self, values: Any) -> Any:
        """A value or an array of them in this unit (from the computing unit)."""
        if isinstance(values, (list, tuple)):
            values = np.asarray(values, dtype=np.float64)
        return values * self.factor / self.divisor


@dataclass(eq=False, repr=False)
class DisplayUnits:
    """The engine's table of engineering units of a run's unit system: each
    kind of value ("depth", "deflection", "force", "moment", ...) with its
    unit and conversion (docs/results.md). The results stay in computing
    units; ``to_frame()`` and ``frame()`` show them in these."""

    system: str
    round_off: float
    quantities: dict[str, DisplayUnit]

    @classmethod
    def _from_data(cls, data: Mapping[str, Any]) -> DisplayUnits:
        return cls(system=data["system"], round_off=float(data["round_off"]),
                   quantities={name: DisplayUnit(unit=q["unit"], factor=float(q["factor"]),
                                                 divisor=float(q["divisor"]),
                                                 computing=q["computing"])
                               for name, q in data["quantities"].items()})

    def unit(self, quantity: str) -> str:
        """The engineering unit of a kind of value ("depth" -> "ft")."""
        return self.quantities[quantity].unit

    def convert(self, quantity: str, values: Any) -> Any:
        """A value or an array of them of a kind, from the computing unit to
        the engineering one."""
        return self.quantities[quantity].convert(values)

    def __eq__(self, other: object) -> bool:
        if not isinstance(other, DisplayUnits):
            return NotImplemented
        return (self.system, self.round_off, self.quantities) == \
            (other.system, other.round_off, other.quantities)

    __hash__ = None  # type: ignore[assignment]

    def __repr__(self) -> str:
        shown = ", ".join(self.quantities[q].unit for q in ("depth", "deflection", "force",
                                                            "moment") if q in self.quantities)
        return f"<DisplayUnits {self.system}: {shown}>"


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
class LayerValue(_Result):
    """An input value of a soil layer, at its top and at its bottom, in the
    run's computing units as ``unit`` names them."""

    name: str = field(metadata=_q("", 'as the input names it ("unit weight", "cohesion", '
                                      '"epsilon-50", "k")'))
    top: float = field(metadata=_q("", "the value at the top of the layer, in ``unit``"))
    bottom: float = field(metadata=_q("", "the value at the bottom of the layer, in ``unit``"))
    unit: str = field(metadata=_q("", 'the computing unit ("lb/in^3", "psi", "degrees"); '
                                      "empty for pure numbers"))
    quantity: str = field(default="", metadata=_q(
        "", 'the entry of ``Results.display_units`` it is shown by in engineering units '
            '("unit_weight", "soil_stress", "subgrade_modulus"); empty: shown as held'))

    def _describe(self) -> str:
        unit = f" {self.unit}" if self.unit else ""
        return f"{self.name} {_short(self.top)}-{_short(self.bottom)}{unit}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LayerResult(_Result):
    """A soil layer of the run, for drawing the profile."""

    number: int = field(metadata=_q("", "layer number, from 1"))
    criterion: int = field(metadata=_q("", "p-y criterion code, 1 to 20"))
    short_name: str = field(metadata=_q("", 'short name of the criterion ("SoftClay")'))
    description: str = field(metadata=_q("", 'what the criterion stands for ("soft clay, '
                                             'Matlock")'))
    family: str = field(default="other", metadata=_q(
        "", "kind of soil of the criterion: clay, sand, rock, silt, elastic, user, frozen "
            "or other"))
    top: float = field(metadata=_q("length", "depth of the top below the pile head"))
    bottom: float = field(metadata=_q("length", "depth of the bottom below the pile head"))
    unit_weight_top: float = field(metadata=_q("force/length^3",
                                               "effective unit weight at the top"))
    unit_weight_bottom: float = field(metadata=_q("force/length^3",
                                                  "effective unit weight at the bottom"))
    default_k_above_water_table: bool = field(default=False, metadata=_q(
        "", "SI: a sand's default k took the formula for sand above the water table"))
    values: list[LayerValue] = field(default_factory=list, metadata=_q(
        "", "the layer's input values in the order of its criterion's fields"))
    units: Optional[Units] = _back_reference()

    def value(self, name: str) -> LayerValue:
        """The input value called ``name`` ("cohesion"); KeyError when the
        layer's criterion has none."""
        for v in self.values:
            if v.name == name:
                return v
        raise KeyError(name)

    def _describe(self) -> str:
        u = self.units.length if self.units else ""
        return f"{self.number}: {self.short_name}, {_short(self.top)}-{_short(self.bottom)} {u}"


class _Table(_Result):
    """Columns of equal length; ``to_frame()`` gives them as a DataFrame."""

    _columns: ClassVar[tuple[str, ...]] = ()
    units: Optional[Units]

    def __len__(self) -> int:
        return len(getattr(self, self._columns[0]))

    def to_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The columns as a DataFrame, one row per point, in engineering
        units (or ``units="computing"``: the run's own; None: the values and
        plain names of the fields). Each column with a unit is named with it
        ("depth [ft]"), and ``frame.attrs["units"]`` maps the columns to their
        units."""
        return _shown_frame({name: getattr(self, name) for name in self._columns},
                            _kinds_of_columns(type(self), self._columns), self.units, units)


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
    full_curve: bool = field(default=False, metadata=_q(
        "", "the curve took all its points without reaching the capacity strain: the report "
            "warns that the section may be under-reinforced"))
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

    def frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The points as a DataFrame: ``nominal_axial``, ``nominal_moment``,
        ``factored_axial``, ``factored_moment`` and ``phi`` (NaN where the
        code has none), in engineering units (``units="computing"``: the
        run's own; None: plain names); ``frame.attrs["units"]`` maps the
        columns to their units."""
        n = len(self.nominal)
        phi = self.phi if len(self.phi) == n else np.full(n, np.nan)
        columns = {"nominal_axial": self.nominal.axial, "nominal_moment": self.nominal.moment,
                   "factored_axial": self.factored.axial,
                   "factored_moment": self.factored.moment, "phi": phi}
        kinds = {name: ("force", "force") if name.endswith("axial") else ("moment", "moment")
                 for name in columns if name != "phi"}
        return _shown_frame(columns, kinds, self.units, units)

    def demands_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The demands as a DataFrame, one row per load case, with the
        capacity on the ray as ``capacity_axial`` and ``capacity_moment``, in
        engineering units (``units="computing"``: the run's own; None: plain
        names)."""
        names = list(_DEMAND_COLUMNS) + ["capacity_axial", "capacity_moment"]
        columns: dict[str, Any] = {c: [getattr(d, c) for d in self.demands]
                                   for c in _DEMAND_COLUMNS}
        columns["capacity_axial"] = [d.capacity.axial for d in self.demands]
        columns["capacity_moment"] = [d.capacity.moment for d in self.demands]
        for c in ("axial", "moment", "capacity_axial", "capacity_moment"):
            columns[c] = np.asarray(columns[c], dtype=np.float64)
        kinds = {"axial": ("force", "force"), "moment": ("moment", "moment"),
                 "capacity_axial": ("force", "force"), "capacity_moment": ("moment", "moment")}
        return _shown_frame({n: columns[n] for n in names}, kinds, self.units, units)

    def plot(self, *, ax: Optional[Axes] = None, title: Optional[str] = None,
             units: FrameUnits = "engineering") -> Axes:
        """Draws axial force against moment, the nominal and the design
        diagram and the demands as points (those beyond the design diagram
        marked x), into ``ax`` (a new figure when None), in engineering
        units (``units="computing"``: the run's own); returns the Axes."""
        if not self.covered:
            raise ValueError(f"the section has no interaction diagram: {self.note}")
        if ax is None:
            _, ax = _pyplot().subplots(figsize=(8, 6), layout="constrained")

        def axial(values: Any) -> Any:
            return _shown_values(self.units, "force", "force", np.asarray(values, np.float64),
                                 units)

        def moment(values: Any) -> Any:
            return _shown_values(self.units, "moment", "moment", np.asarray(values, np.float64),
                                 units)

        (p, force), (m, moment_unit) = axial(self.nominal.axial), moment(self.nominal.moment)
        ax.plot(m, p, label="Nominal (Pn, Mn)")
        ax.plot(moment(self.factored.moment)[0], axial(self.factored.axial)[0], label="Design")
        for passed, marker, label in ((True, "o", "Demands within the design diagram"),
                                      (False, "x", "Demands beyond the design diagram")):
            chosen = [d for d in self.demands if d.passed == passed]
            if chosen:
                ax.plot(moment([d.moment for d in chosen])[0], axial([d.axial for d in chosen])[0],
                        marker, linestyle="none", label=label)
        ax.set_xlabel(f"Bending moment ({moment_unit})" if self.units else "Bending moment")
        ax.set_ylabel(f"Axial force, compression positive ({force})" if self.units else
                      "Axial force, compression positive")
        ax.axhline(0.0, color="0.6", linewidth=0.8)
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        ax.set_title(title or f"{self.standard}: {self.method}", fontsize="small")
        return ax


# ---- Section analysis: the values of the section's report blocks ----

_AREA = "section_length^2"
_STRESS = "section_force/section_length^2"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class SectionBar(_Result):
    """A bar or strand of a section as placed for the moment-curvature
    computation."""

    diameter: float = field(metadata=_q("section_length", "bar diameter"))
    area: float = field(metadata=_q(_AREA, "bar area"))
    x: float = field(metadata=_q("section_length", "centre across the section"))
    y: float = field(metadata=_q("section_length", "centre from mid-depth towards the "
                                                   "compression face"))

    def _describe(self) -> str:
        return f"({_short(self.x)}, {_short(self.y)}), d {_short(self.diameter)}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class ListedBar(_Result):
    """A bar of a rectangular section's bar list, as input."""

    index: int = field(metadata=_q("", "bar size index, as input"))
    diameter: float = field(metadata=_q("section_length", "bar diameter"))
    area: float = field(metadata=_q(_AREA, "bar area"))
    x: float = field(metadata=_q("section_length", "centre across the section"))
    y: float = field(metadata=_q("section_length", "centre from mid-depth"))

    def _describe(self) -> str:
        return f"index {self.index} at ({_short(self.x)}, {_short(self.y)})"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class SectionDimensions(_Result):
    """The dimensions, materials and derived properties of a section cut
    into strips, as the report prints them; values a section type has not
    are 0 (None for those of bars on a circle)."""

    depth: float = field(metadata=_q("section_length", "outer size: depth of a rectangle, "
                                                       "diameter of a round section, casing "
                                                       "or pipe, width of a square or "
                                                       "octagonal pile"))
    width: float = field(metadata=_q("section_length", "width of a rectangular section"))
    void_diameter: float = field(metadata=_q("section_length", "void of a hollow prestressed "
                                                               "pile"))
    chamfer: float = field(metadata=_q("section_length", "corner chamfer of a square "
                                                         "prestressed pile"))
    cover: float = field(metadata=_q("section_length", "concrete cover over the bars"))
    casing_thickness: float = field(metadata=_q("section_length", "casing wall; the pipe's "
                                                                  "wall"))
    core_diameter: float = field(metadata=_q("section_length", "outside diameter of the core"))
    core_thickness: float = field(metadata=_q("section_length", "core wall"))
    core_filled: bool = field(metadata=_q("", "the core is filled with concrete"))
    casing_inertia: float = field(metadata=_q("section_length^4", "moment of inertia of the "
                                                                  "casing (with a core)"))
    core_inertia: float = field(metadata=_q("section_length^4", "moment of inertia of the "
                                                                "core"))
    bar_count: int = field(metadata=_q("", "bars, or strands of a prestressed pile"))
    bar_yield_stress: float = field(metadata=_q(_STRESS, "fy of the bars; fpu of the strands"))
    bar_modulus: float = field(metadata=_q(_STRESS, "elastic modulus of the bars"))
    casing_yield_stress: float = field(metadata=_q(_STRESS, "yield stress of the casing (and "
                                                            "core) or pipe"))
    casing_modulus: float = field(metadata=_q(_STRESS, "elastic modulus of the casing (and "
                                                       "core) or pipe"))
    gross_area: float = field(metadata=_q(_AREA, "area of the outline"))
    bar_area: float = field(metadata=_q(_AREA, "all bars or strands"))
    casing_area: float = field(metadata=_q(_AREA, "casing wall"))
    core_area: float = field(metadata=_q(_AREA, "core wall"))
    concrete_area: float = field(metadata=_q(_AREA, "concrete of a cased section"))
    steel_area: float = field(metadata=_q(_AREA, "all steel of a cased section"))
    steel_ratio_percent: float = field(metadata=_q("", "bars, or all steel of a cased "
                                                       "section, over the gross area, percent"))
    rupture_modulus: float = field(metadata=_q(_STRESS, "modulus of rupture of a rectangular "
                                                        "section for its cracking load "
                                                        "(negative)"))
    single_bar_area: Optional[float] = field(default=None, metadata=_q(
        _AREA, "area of one bar; None unless the bars are on a circle"))
    edge_spacing: Optional[float] = field(default=None, metadata=_q(
        "section_length", "edge-to-edge spacing of neighbouring bars; None unless the bars "
                          "are on a circle"))
    rebar_offset: Optional[float] = field(default=None, metadata=_q(
        "section_length", "rebar offset; None unless the bars are on a circle"))
    pipe_area: float = field(metadata=_q(_AREA, "steel pipe: cross-sectional area"))
    pipe_inertia: float = field(metadata=_q("section_length^4", "steel pipe: moment of "
                                                                "inertia"))
    pipe_bending_stiffness: float = field(metadata=_q("flexural_rigidity", "steel pipe: E I"))
    plastic_modulus: float = field(metadata=_q("section_length^3", "steel pipe: plastic "
                                                                   "modulus Z"))
    plastic_moment: float = field(metadata=_q("section_moment", "steel pipe: Fy Z"))
    listed_bars: list[ListedBar] = field(metadata=_q("", "the bar list of a rectangular "
                                                         "section, as input"))
    bars: list[SectionBar] = field(metadata=_q("", "the bars or strands as placed"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"D {_short(self.depth)}, {self.bar_count} bars"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class SectionPrestress(_Result):
    """The strands and prestress of a prestressed pile and its capacities by
    the PCI equations."""

    strand_type: int = field(metadata=_q("", "0 PCI 250, 1 PCI 270, 2 Grade 300, 3 smooth "
                                             "145 ksi bars, 4 smooth 160 ksi bars, 5 deformed "
                                             "bars"))
    strand_area: float = field(metadata=_q(_AREA, "one strand"))
    strand_cover: float = field(metadata=_q("section_length", "cover over the strands; 0 for "
                                                              "strands placed by position"))
    initial_force: float = field(metadata=_q("section_force", "initial prestressing force"))
    loss_fraction: float = field(metadata=_q("", "fraction of loss of prestress"))
    effective_force: float = field(metadata=_q("section_force", "prestressing force after "
                                                                "losses"))
    concrete_area: float = field(metadata=_q(_AREA, "concrete, net of strands and voids"))
    steel_area: float = field(metadata=_q(_AREA, "strands"))
    concrete_stress: float = field(metadata=_q(_STRESS, "f_pc after losses"))
    steel_stress: float = field(metadata=_q(_STRESS, "strand stress after losses (negative)"))
    concrete_strain: float = field(metadata=_q("", "compressive strain of the concrete"))
    steel_strain: float = field(metadata=_q("", "strain of the strands (negative)"))
    pci_axial_capacity: float = field(metadata=_q("section_force", "Pn = (0.85 f'c - 0.60 "
                                                                   "f_pc) Ag"))
    pci_axial_load: float = field(metadata=_q("section_force", "N = (0.33 f'c - 0.27 f_pc) Ag"))
    pci_tensile_capacity: float = field(metadata=_q("section_force", "Nt = As fpu (negative)"))
    pci_moment_factor: float = field(metadata=_q("", "k of Mn = k D As fpu"))
    pci_moment_capacity: float = field(metadata=_q("section_moment", "Mn"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"strand type {self.strand_type}, Pe {_short(self.effective_force)}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class SectionConcrete(_Result):
    """The concrete of a section cut into strips."""

    compressive_strength: float = field(metadata=_q(_STRESS, "f'c"))
    elastic_modulus: float = field(metadata=_q(_STRESS, "elastic modulus"))
    rupture_modulus: float = field(metadata=_q(_STRESS, "modulus of rupture (negative)"))
    peak_strain: float = field(metadata=_q("", "compression strain at peak stress"))
    cracking_strain: float = field(metadata=_q("", "tensile strain at fracture (negative)"))
    aggregate_size: float = field(metadata=_q("section_length", "maximum coarse aggregate "
                                                                "size"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"f'c {_short(self.compressive_strength)}"


# ---- end of the section analysis's values ----


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
    width: float = field(metadata=_q("length", "width the soil sees, at the top",
                                      shown="dimension"))
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
    curves: str = field(default="computed", metadata=_q(
        "", 'how the moment-curvature tables were obtained: "computed", "elastic", '
            '"elastic-plastic" or "user-defined"'))
    dimensions: Optional[SectionDimensions] = field(default=None, metadata=_q(
        "", "dimensions and properties; None unless the section is cut into strips"))
    prestress: Optional[SectionPrestress] = field(default=None, metadata=_q(
        "", "strands and prestress; None unless a prestressed pile"))
    concrete: Optional[SectionConcrete] = field(default=None, metadata=_q(
        "", "the concrete; None unless a section cut into strips other than the pipe"))
    analysed_thrusts: Array = field(default_factory=lambda: np.zeros(0), metadata=_q(
        "section_force", "the axial thrusts the section is analysed for"))
    thrusts_dropped: bool = field(default=False, metadata=_q(
        "", "a stiffness-only run left out thrusts beyond the axial capacities"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        u = self.units.length if self.units else ""
        tables = f"{len(self.thrusts)} moment-curvature table" + \
            ("" if len(self.thrusts) == 1 else "s")
        return (f"{self.number}: {_clip(self.type_name, 30)}, "
                f"{_short(self.top)}-{_short(self.bottom)} {u}, {tables}")


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class IterationRecord(_Result):
    """One iteration of a solution among the last five before the iteration
    limit, as the report lists it ("Iteration 96, Y(top) = ..., dYmax =
    ...")."""

    iteration: int = field(metadata=_q("", "iteration number, from 1"))
    head_deflection: float = field(metadata=_q("length", "Y(top): the deflection at the pile "
                                                         "head after the iteration",
                                               shown="deflection"))
    max_change: float = field(metadata=_q("length", "dYmax: the largest change of deflection "
                                                    "in the iteration", shown="deflection"))

    def _describe(self) -> str:
        return f"{self.iteration}: Y(top) {_short(self.head_deflection)}, dYmax " \
            f"{_short(self.max_change)}"


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
    head_deflection: Array = field(metadata=_q("length", "deflection at the pile head",
                                                shown="deflection"))
    head_shear: Array = field(metadata=_q("force", "shear computed at the pile head"))
    max_moment: Array = field(metadata=_q("moment", "signed value of the largest |M|"))
    max_shear: Array = field(metadata=_q("force", "signed value of the largest |V|"))
    last_iterations: list[IterationRecord] = field(default_factory=list, metadata=_q(
        "", "the iterations of the trial lengths among the last five before the iteration "
            "limit, in the order solved (empty in a results file written before they were)"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"of case {self.load_case}: {len(self)} lengths, ended by {self.ended_by}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class SecantStiffness(_Result):
    """The secant stiffness of the pile head at a load case: its own head
    load over its head movement."""

    lateral: Optional[float] = field(metadata=_q("force/length", "head_shear / "
                                                 "head_deflection; None where the head does "
                                                 "not move"))
    rotational: Optional[float] = field(metadata=_q("moment/rad", "-head_moment / "
                                                    "head_rotation; None where the head does "
                                                    "not turn, and under a rotational "
                                                    "restraint (its moment is the "
                                                    "restraint's reaction)"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        return f"lateral {_short_or_none(self.lateral)}, rotational " \
            f"{_short_or_none(self.rotational)}"


def _short_or_none(value: Optional[float]) -> str:
    return "-" if value is None else _short(value)


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class HeadStiffness(_Result):
    """The stiffness of the pile head at a load case's converged state
    (docs/accuracy.md): the secant terms of the case's own head loads, and
    the tangent matrix [[K22, K23], [K32, K33]] of the converged system under
    unit head loads (a shear with the head held from turning, a moment with
    the head held from moving), with the signs of the stiffness study."""

    secant: SecantStiffness = field(metadata=_q("", "head load over head movement"))
    tangent: Optional[Array] = field(metadata=_q(
        "", "[[K22, K23], [K32, K33]] (2x2; force/length, force/rad, moment/length, "
            "moment/rad); None when it could not be solved"))
    units: Optional[Units] = _back_reference()

    def _term(self, i: int, j: int) -> Optional[float]:
        return None if self.tangent is None else float(self.tangent[i][j])

    @property
    def secant_lateral(self) -> Optional[float]:
        """``secant.lateral`` (force/length)."""
        return self.secant.lateral

    @property
    def secant_rotational(self) -> Optional[float]:
        """``secant.rotational`` (moment/rad)."""
        return self.secant.rotational

    @property
    def k22(self) -> Optional[float]:
        """Head shear per unit head deflection, rotation held (force/length)."""
        return self._term(0, 0)

    @property
    def k23(self) -> Optional[float]:
        """Head shear per unit head rotation, deflection held (force/rad)."""
        return self._term(0, 1)

    @property
    def k32(self) -> Optional[float]:
        """Head moment per unit head deflection, rotation held (moment/length)."""
        return self._term(1, 0)

    @property
    def k33(self) -> Optional[float]:
        """Head moment per unit head rotation, deflection held (moment/rad)."""
        return self._term(1, 1)

    def _describe(self) -> str:
        if self.tangent is None:
            return f"secant {self.secant._describe()}, no tangent"
        return (f"K22 {_short_or_none(self.k22)}, K23 {_short_or_none(self.k23)}, "
                f"K33 {_short_or_none(self.k33)}")


# The pile-head stiffness columns of cases_frame() and their kinds of value.
_STIFFNESS_COLUMNS = [("secant_lateral", ("force/length", "lateral_stiffness")),
                      ("secant_rotational", ("moment/rad", "rotational_stiffness")),
                      ("k22", ("force/length", "lateral_stiffness")),
                      ("k23", ("force/rad", "force_per_rotation")),
                      ("k32", ("moment/length", "moment_per_length")),
                      ("k33", ("moment/rad", "rotational_stiffness"))]


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LoadCurve(_Table):
    """A load case solved again at ``steps`` levels of its head loads (the
    command line's --load-steps): the columns hold the levels that
    converged, lowest first (the results file's ``points``); ``failure`` is
    the error of the level that ended the curve, if one did."""

    _json_rows = "points"
    # The columns of to_frame(); condition1 and condition2, whose units
    # follow the load type of the case, are fields only.
    _columns = ("level", "factor", "head_shear", "head_moment", "head_deflection",
                "head_rotation", "max_moment", "max_moment_depth", "max_shear", "iterations")

    steps: int = field(metadata=_q("", "load levels asked for"))
    level: list[int] = field(metadata=_q("", "level, 1 to steps"))
    factor: Array = field(metadata=_q("", "level / steps: the fraction of the case's head "
                                          "loads"))
    condition1: Array = field(metadata=_q(None, "shear or deflection as applied"))
    condition2: Array = field(metadata=_q(None, "moment, slope or rotational stiffness as "
                                                "applied"))
    head_shear: Array = field(metadata=_q("force", "shear at the pile head"))
    head_moment: Array = field(metadata=_q("moment", "moment at the pile head"))
    head_deflection: Array = field(metadata=_q("length", "deflection at the pile head",
                                               shown="deflection"))
    head_rotation: Array = field(metadata=_q("rad", "rotation at the pile head"))
    max_moment: Array = field(metadata=_q("moment", "signed value of the largest |M|"))
    max_moment_depth: Array = field(metadata=_q("length", "depth of max_moment"))
    max_shear: Array = field(metadata=_q("force", "signed value of the largest |V|"))
    iterations: list[int] = field(metadata=_q("", "iterations used"))
    failed_level: int = field(metadata=_q("", "the level that ended the curve with an error; "
                                              "0 when every level converged"))
    failure: Optional[Diagnostic] = field(default=None, metadata=_q(
        "", "the error of that level, as a run of the case at its loads reports it"))
    units: Optional[Units] = _back_reference()

    def _describe(self) -> str:
        end = f", level {self.failed_level} failed" if self.failed_level else ""
        return f"{len(self)} of {self.steps} levels{end}"


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
class LrfdDistributedLoads(_Result):
    """The distributed lateral loads of one load type at the nodes of an LRFD
    combination, before the factors: the nodes where they are not zero."""

    type: int = field(metadata=_q("", "load type, 1 to 13"))
    type_code: str = field(metadata=_q("", 'code of the load type ("W")'))
    depth: Array = field(metadata=_q("length", "depth of each loaded node below the pile "
                                               "head"))
    load: Array = field(metadata=_q("force_per_length", "distributed load, averaged over the "
                                                        "node's length"))

    def _describe(self) -> str:
        return f"{self.type_code}: {len(self.depth)} nodes"


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
    head_deflection: float = field(metadata=_q("length", "deflection at the pile head",
                                                shown="deflection"))
    head_rotation: float = field(metadata=_q("rad", "rotation (slope) at the pile head"))
    max_moment: float = field(metadata=_q("moment", "signed value of the largest |M|"))
    max_moment_depth: float = field(metadata=_q("length", "depth of max_moment"))
    max_shear: float = field(metadata=_q("force", "signed value of the largest |V|"))
    max_shear_depth: float = field(metadata=_q("length", "depth of max_shear"))
    max_stress: float = field(metadata=_q("stress", "largest total stress"))
    iterations: int = field(metadata=_q("", "iterations used"))
    final_change: float = field(metadata=_q("length", "largest change of deflection in the "
                                                      "last iteration", shown="deflection"))
    last_iterations: list[IterationRecord] = field(default_factory=list, metadata=_q(
        "", "the case's iterations among the last five before the iteration limit, as the "
            "report lists them; empty when it converged sooner (and in a results file written "
            "before they were)"))
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
    deflection: Array = field(metadata=_q("length", "lateral deflection y", shown="deflection"))
    slope: Array = field(metadata=_q("rad", "slope of the pile"))
    moment: Array = field(metadata=_q("moment", "bending moment"))
    shear: Array = field(metadata=_q("force", "shear"))
    soil_reaction: Array = field(metadata=_q("force_per_length", "soil reaction p"))
    es: Array = field(metadata=_q("stress", "secant soil modulus Es", shown="modulus"))
    flexural_rigidity: Array = field(metadata=_q("flexural_rigidity", "bending stiffness EI"))
    stress: Array = field(metadata=_q("stress", "total stress |axial|/A + |M| c/I"))
    distributed_load: Array = field(metadata=_q("force_per_length", "distributed lateral "
                                                "load, averaged over the node's length"))
    length_study: Optional[LengthStudy] = field(default=None, metadata=_q(
        "", "the pile-length study when the case asked for it, else None"))
    head_stiffness: Optional[HeadStiffness] = field(default=None, metadata=_q(
        "", "the pile-head stiffness at the converged state (None in a results file "
            "written before it was)"))
    load_curve: Optional[LoadCurve] = field(default=None, metadata=_q(
        "", "the case at its load levels (--load-steps), else None"))
    lrfd_distributed_loads: list[LrfdDistributedLoads] = field(default_factory=list, metadata=_q(
        "", "an LRFD combination's distributed loads of each load type that has any"))
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

    def to_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The response at the nodes, one row per node, head to tip, in
        engineering units ("depth [ft]", "moment [kip-ft]"; ``units=
        "computing"``: the run's own; None: the plain names and values of
        the fields); ``frame.attrs["units"]`` maps the columns to their
        units."""
        return _shown_frame({name: getattr(self, name) for name in NODE_COLUMNS},
                            _kinds_of_columns(LoadCaseResult, NODE_COLUMNS), self.units, units)

    def plot(self, quantity: str = "deflection", *, ax: Optional[Axes] = None,
             label: Optional[str] = None, units: FrameUnits = "engineering") -> Axes:
        """Draws one column of the nodes (``quantity``, one of
        ``NODE_COLUMNS``) against depth, depth downward, into ``ax`` (a new
        figure when None), in engineering units (``units="computing"``: the
        run's own), and returns the Axes. The line is labelled with
        ``label`` or the case's name."""
        if quantity not in NODE_COLUMNS or quantity == "depth":
            raise ValueError(f"cannot plot {quantity!r} against depth; plot one of "
                             f"{', '.join(NODE_COLUMNS[1:])}")
        if ax is None:
            _, ax = _pyplot().subplots(figsize=(5, 6), layout="constrained")
        meta = LoadCaseResult.__dataclass_fields__[quantity].metadata
        values, unit = _shown_values(self.units, meta["unit"], meta["shown"],
                                     getattr(self, quantity), units)
        depth, depth_unit = _shown_values(self.units, "length", "depth", self.depth, units)
        ax.plot(values, depth, label=label or self.name)
        ax.set_xlabel(f"{_AXIS_LABELS[quantity]} ({unit})")
        ax.set_ylabel(f"{_AXIS_LABELS['depth']} ({depth_unit})")
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
class CurveParameter(_Result):
    """A value of a printed p-y curve's report block: the number printed and
    the unit it is printed in."""

    name: str = field(metadata=_q("", 'the label as printed ("pu_s", "Y50", "Equivalent Depth")'))
    value: float = field(metadata=_q("", "the value, in ``unit``"))
    unit: str = field(metadata=_q("", 'the unit it is printed in: the computing unit ("in", '
                                      '"lb/in", "psi", "lb/in^3") but for the depths of USCS '
                                      'runs ("ft"), angles ("degrees") and a few others; empty '
                                      "for pure numbers"))
    form: str = field(metadata=_q("", 'how the report prints it: "integer" (``width`` '
                                      'columns), "fixed" (``decimals`` decimals) or "exponent" '
                                      "(``decimals`` digits)"))
    width: int = field(metadata=_q("", "the columns of the printed number"))
    decimals: int = field(metadata=_q("", "the decimals (fixed) or digits (exponent) printed"))

    def _describe(self) -> str:
        unit = f" {self.unit}" if self.unit else ""
        return f"{self.name} = {_short(self.value)}{unit}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class CurveText(_Result):
    """A value of a printed p-y curve's report block printed in words."""

    name: str = field(metadata=_q("", 'the label as printed ("Type of Field Test")'))
    text: str = field(metadata=_q("", 'the value ("Standard Penetration Test")'))

    def _describe(self) -> str:
        return f"{self.name} = {self.text}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class CurveNote(_Result):
    """A note printed with a p-y curve."""

    code: str = field(metadata=_q("", 'stable code of the note\'s kind ("equivalent_depth", '
                                      '"default_k")'))
    text: str = field(metadata=_q("", "the note's lines joined by blanks"))
    lines: list[str] = field(default_factory=list, metadata=_q("", "the note's lines as printed"))

    def _describe(self) -> str:
        return self.code


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
    y: Array = field(metadata=_q("length", "lateral deflection", shown="deflection"))
    p: Array = field(metadata=_q("force_per_length", "soil resistance"))
    title: list[str] = field(default_factory=list, metadata=_q(
        "", "the title of the report block: one line, or two"))
    parameters: list[CurveParameter] = field(default_factory=list, metadata=_q(
        "", "the values of the report block as printed, in printed order"))
    texts: list[CurveText] = field(default_factory=list, metadata=_q(
        "", "the values the report block prints in words, in printed order"))
    notes: list[CurveNote] = field(default_factory=list, metadata=_q(
        "", "the notes printed with the curve"))
    units: Optional[Units] = _back_reference()

    def parameter(self, name: str) -> CurveParameter:
        """The first value of the block labelled ``name`` ("pu_s"); KeyError
        when the block prints none."""
        for v in self.parameters:
            if v.name == name:
                return v
        raise KeyError(name)

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
    head_deflection: float = field(metadata=_q("length", "deflection at the pile head",
                                                shown="deflection"))
    head_rotation: float = field(metadata=_q("rad", "rotation at the pile head"))

    def _describe(self) -> str:
        return f"combination {self.combination}, section {self.section}: {self.verdict}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdLoadPoint(_Result):
    """A distributed loading point of an LRFD load group, as input."""

    depth: float = field(metadata=_q("", "depth as the report prints it: ft in USCS runs, m "
                                         "in SI"))
    load: float = field(metadata=_q("force/length", "distributed load"))

    def _describe(self) -> str:
        return f"{_short(self.depth)}: {_short(self.load)}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdLoadGroup(_Result):
    """An unfactored load group of an LRFD run, as input."""

    number: int = field(metadata=_q("", "group number, from 1"))
    type: int = field(metadata=_q("", "load type, 1 to 13"))
    type_code: str = field(metadata=_q("", 'code of the load type ("DL", "LL", "EQ", ... "Sp")'))
    horizontal: float = field(metadata=_q("force", "horizontal force at the pile head"))
    moment: float = field(metadata=_q("moment", "moment at the pile head"))
    axial: float = field(metadata=_q("force", "axial force at the pile head"))
    points: list[LrfdLoadPoint] = field(default_factory=list, metadata=_q(
        "", "the distributed loading points"))

    def _describe(self) -> str:
        return f"{self.number}: {self.type_code}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdTypeTotal(_Result):
    """The unfactored pile-head loads of one load type, summed over its
    groups."""

    type: int = field(metadata=_q("", "load type, 1 to 13"))
    type_code: str = field(metadata=_q("", 'code of the load type ("DL")'))
    groups: int = field(metadata=_q("", "load groups of the type"))
    horizontal: float = field(metadata=_q("force", "sum of the horizontal forces"))
    moment: float = field(metadata=_q("moment", "sum of the moments"))
    axial: float = field(metadata=_q("force", "sum of the axial forces"))

    def _describe(self) -> str:
        return f"{self.type_code}: {self.groups} groups"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdCombinationLoads(_Result):
    """An LRFD combination: its factors and its factored pile-head loads."""

    number: int = field(metadata=_q("", "combination number, from 1"))
    name: str = field(metadata=_q("", "combination name"))
    factors: Array = field(metadata=_q("", "the load factor of each load type 1 to 13"))
    phi_flexure: float = field(metadata=_q("", "resistance factor for flexure as input; not "
                                               "positive: not given"))
    phi_shear: float = field(metadata=_q("", "resistance factor for shear as input; not "
                                             "positive: not given"))
    resistance_factor_flexure: float = field(metadata=_q(
        "", "resistance factor for flexure as used: the input value, or 0.75"))
    resistance_factor_shear: float = field(metadata=_q(
        "", "resistance factor for shear as used: the input value, or 0.75"))
    horizontal: float = field(metadata=_q("force", "factored horizontal force"))
    moment: float = field(metadata=_q("moment", "factored moment"))
    vertical: float = field(metadata=_q("force", "factored vertical force"))
    shear: float = field(metadata=_q("force", "transverse shear at the pile head, after the "
                                              "batter transform"))
    axial: float = field(metadata=_q("force", "axial force at the pile head, after the batter "
                                              "transform"))
    thrust: int = field(metadata=_q("", "1-based position of axial in the thrusts"))

    def _describe(self) -> str:
        return f"{self.number}: {self.name.strip()}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdBatterTransform(_Result):
    """The transform of the factored loads for a battered pile: shear = cos
    * horizontal + sin * vertical, axial = -sin * horizontal + cos *
    vertical."""

    batter_degrees: float = field(metadata=_q("", "batter angle, degrees"))
    cos_batter: float = field(metadata=_q("", "cosine of the batter angle"))
    sin_batter: float = field(metadata=_q("", "sine of the batter angle"))

    def _describe(self) -> str:
        return f"{_short(self.batter_degrees)} degrees"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class LrfdLoading(_Result):
    """The load groups of an LRFD run and the factored combinations formed
    from them, as the report prints them."""

    groups: list[LrfdLoadGroup] = field(metadata=_q("", "the unfactored load groups"))
    type_totals: list[LrfdTypeTotal] = field(metadata=_q("", "the totals of every load type "
                                                             "1 to 13, in order"))
    combinations: list[LrfdCombinationLoads] = field(metadata=_q("", "the combinations"))
    batter: Optional[LrfdBatterTransform] = field(default=None, metadata=_q(
        "", "the batter transform; None unless the pile is battered"))
    thrusts: Array = field(metadata=_q("force", "the distinct factored axial forces, "
                                                "ascending"))

    def _describe(self) -> str:
        return f"{len(self.groups)} groups, {len(self.combinations)} combinations"


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
    deflection: Array = field(metadata=_q("length", "head deflection of the shear case",
                                           shown="deflection"))
    shear_reaction_1: Array = field(metadata=_q("force", "head shear of the shear case"))
    moment_reaction_1: Array = field(metadata=_q("moment", "head moment of the shear case"))
    rotation: Array = field(metadata=_q("rad", "head rotation of the moment case"))
    shear_reaction_2: Array = field(metadata=_q("force", "head shear of the moment case"))
    moment_reaction_2: Array = field(metadata=_q("moment", "head moment of the moment case"))
    k22: Array = field(metadata=_q("force/length", "shear_reaction_1 / deflection"))
    k23: Array = field(metadata=_q("force/rad", "shear_reaction_2 / rotation"))
    k32: Array = field(metadata=_q("moment/length", "-moment_reaction_1 / deflection"))
    k33: Array = field(metadata=_q("moment/rad", "-moment_reaction_2 / rotation"))
    last_iterations: list[IterationRecord] = field(default_factory=list, metadata=_q(
        "", "the iterations of the study cases among the last five before the iteration "
            "limit, in the order solved (empty in a results file written before they were)"))
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
class DiagnosticValue(_Result):
    """A value an error is about, as its message names it."""

    name: str = field(metadata=_q("", 'what the value is ("pile increments")'))
    value: Optional[Union[float, str]] = field(metadata=_q(
        "", "the number in ``unit`` (None when not finite), or a text (a keyword, a path)"))
    unit: str = field(metadata=_q("", 'its unit ("in", "kN"); empty when it has none or is '
                                      "not known"))

    def _describe(self) -> str:
        return f"{self.name} = {self.value}{' ' + self.unit if self.unit else ''}"


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class Diagnostic(_Result):
    """The error that ended a run."""

    identity: str = field(metadata=_q("", 'error identity ("INP00095", "RUN00009")'))
    name: str = field(default="", metadata=_q(
        "", "the error's own name in the engine's catalogue (\"average_strength_beyond_data\"); "
            "an identity can stand for more than one"))
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
    values: list[DiagnosticValue] = field(default_factory=list, metadata=_q(
        "", "the values the error is about, in the order its message names them"))

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


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class RunFiles(_Result):
    """The four files of a run as the host named them, as the report's
    header prints them; empty for a file the run was not given."""

    input: str = field(metadata=_q("", "input data file"))
    report: str = field(metadata=_q("", "output report file"))
    plot: str = field(metadata=_q("", "plot output file"))
    message: str = field(metadata=_q("", "runtime message file"))

    def _describe(self) -> str:
        return _clip(self.input, 60)


@_documented
@dataclass(kw_only=True, eq=False, repr=False)
class DateTime(_Result):
    """A local date and time of the machine that ran the analysis, without
    a time zone, as the report's header prints it."""

    year: int = field(metadata=_q("", "year"))
    month: int = field(metadata=_q("", "month, 1 to 12"))
    day: int = field(metadata=_q("", "day of the month, 1 to 31"))
    hour: int = field(metadata=_q("", "hour, 0 to 23"))
    minute: int = field(metadata=_q("", "minute, 0 to 59"))
    second: int = field(metadata=_q("", "second, 0 to 59 (60 in a leap second)"))

    def to_datetime(self) -> datetime.datetime:
        """The same local time as a naive ``datetime.datetime`` (a leap
        second as the 59th)."""
        return datetime.datetime(self.year, self.month, self.day, self.hour, self.minute,
                                 min(self.second, 59))

    def _describe(self) -> str:
        return f"{self.year:04d}-{self.month:02d}-{self.day:02d} " \
            f"{self.hour:02d}:{self.minute:02d}:{self.second:02d}"


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
    which name the date, time and folder of the run, and ``files`` and
    ``analysed_at``, which are those names and that time, are not compared.
    """

    format_version: int = field(metadata=_q("", "format of the results file (1)"))
    engine_version: str = field(metadata=_q("", 'version of the engine ("6.0.28")'))
    files: Optional[RunFiles] = field(default=None, compare=False, metadata=_q(
        "", "the files of the run as the host named them, as the report's header prints them "
            "(None in a results file written before they were)"))
    analysed_at: Optional[DateTime] = field(default=None, compare=False, metadata=_q(
        "", "the local date and time of the analysis, as the report's header prints it (None "
            "in a results file written before it was)"))
    result_code: int = field(metadata=_q("", "what the engine returns: 0 normal end, a "
                                             "negative warning number, 101-199 input "
                                             "error, 200-299 runtime error"))
    outcome: str = field(metadata=_q("", '"normal", "warnings", "input_error", '
                                         '"runtime_error", "files_unusable" or '
                                         '"internal_error"'))
    title: list[str] = field(metadata=_q("", "the title lines that are not blank"))
    units: Units = field(metadata=_q("", "the units of the run"))
    display_units: Optional[DisplayUnits] = field(default=None, compare=False, metadata=_q(
        "", "the engine's engineering units of the run's system, in which the frames show "
            "the results; None for a run that ended before its units were known, or a results "
            "file written before they were"))
    run_kind: int = field(metadata=_q("", "2 bending stiffness only, 3 pile analysis, 0 "
                                          "input not read"))
    lrfd: bool = field(metadata=_q("", "an LRFD run: the cases are factored combinations"))
    pile_length: float = field(metadata=_q("length", "pile length"))
    ground_depth: float = field(metadata=_q("length", "depth of the ground surface below "
                                                      "the pile head"))
    layers: list[LayerResult] = field(metadata=_q("", "the soil layers"))
    sections: list[SectionResult] = field(metadata=_q("", "the pile sections"))
    py_curves: list[PyCurveResult] = field(metadata=_q("", "the printed p-y curves"))
    py_curve_layers: list[int] = field(default_factory=list, metadata=_q(
        "", "the layers, by number and top down, that hold the depths of the printed p-y "
            "curves, a layer whose criterion prints no curve among them (empty in a results "
            "file written before they were)"))
    cases: list[LoadCaseResult] = field(metadata=_q("", "every load case or combination "
                                                        "solved"))
    lrfd_check: list[LrfdCheckRow] = field(metadata=_q("", "the LRFD performance check"))
    lrfd_loading: Optional[LrfdLoading] = field(default=None, metadata=_q(
        "", "the LRFD load groups and combinations; None unless an LRFD run formed them"))
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
        # results hold the same object, with the engine's table of the
        # engineering units of the run.
        units = Units._build(data["units"], None, from_json)
        if data.get("display_units") and data["display_units"].get("quantities"):
            units.display = DisplayUnits._from_data(data["display_units"])
        results = super()._build(data, units, from_json)
        results.units = units  # type: ignore[attr-defined]
        results.display_units = units.display  # type: ignore[attr-defined]
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

    def cases_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The summary of the load cases as a DataFrame, one row per case
        (the keys of ``CASE_SUMMARY``), then the pile-head stiffness of each
        (``secant_lateral``, ``secant_rotational``, ``k22``, ``k23``,
        ``k32``, ``k33``; NaN where absent), in engineering units
        (``units="computing"``: the run's own; None: plain names and the
        results' values). ``condition1`` and ``condition2`` take the unit of
        each case's load type (``LoadCaseResult.condition_units``) and have
        none in their names. ``frame.attrs["units"]`` maps the columns to
        their units."""
        _check_frame_units(units)
        columns: dict[str, Any] = {name: [getattr(c, name) for c in self.cases]
                                   for name in CASE_SUMMARY}
        display = self.units.display if units == "engineering" else None
        if display is not None:
            # Each case's head conditions in the units of its load type.
            for i, case in enumerate(self.cases):
                for key, (_, kind) in zip(("condition1", "condition2"),
                                          _CONDITIONS.get(case.load_type, _CONDITIONS[1])):
                    quantity = _SHOWN_AS.get(kind, "")
                    if kind == "length":
                        quantity = "deflection"
                    if quantity in display.quantities:
                        columns[key][i] = display.convert(quantity, columns[key][i])
        stiffness: dict[str, list[float]] = {name: [] for name, _ in _STIFFNESS_COLUMNS}
        for case in self.cases:
            k = case.head_stiffness
            for name, _ in _STIFFNESS_COLUMNS:
                value = getattr(k, name) if k is not None else None
                stiffness[name].append(np.nan if value is None else value)
        for name, values in stiffness.items():
            columns[name] = np.asarray(values, dtype=np.float64)
        kinds = _kinds_of_columns(LoadCaseResult, CASE_SUMMARY)
        kinds.update(_STIFFNESS_COLUMNS)
        for name in CASE_SUMMARY:
            if name not in stiffness and name in kinds and kinds[name][0] != "":
                columns[name] = np.asarray(columns[name], dtype=np.float64)
        return _shown_frame(columns, kinds, self.units, units)

    def frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The response at the nodes of every load case in one DataFrame of
        long format: one row per case and node, with the columns ``case``
        (the case number), ``node`` (from 1 at the head) and the node
        columns of ``NODE_COLUMNS``, in engineering units ("depth [ft]",
        "moment [kip-ft]"; ``units="computing"``: the run's own; None: the
        plain names and values of the fields); ``frame.attrs["units"]``
        maps the columns to their units. ``frame.groupby("case")`` gives the
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
        return _shown_frame(columns, _kinds_of_columns(LoadCaseResult, NODE_COLUMNS),
                            self.units, units)

    def lrfd_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The LRFD performance check as a DataFrame, one row per combination
        and section, in engineering units (``units="computing"``: the run's
        own; None: plain names and the results' values)."""
        columns: dict[str, Any] = {c: [getattr(row, c) for row in self.lrfd_check]
                                   for c in _LRFD_COLUMNS}
        kinds = _kinds_of_columns(LrfdCheckRow, _LRFD_COLUMNS)
        for name, (kind, _) in kinds.items():
            if kind:
                columns[name] = np.asarray([np.nan if v is None else v for v in columns[name]],
                                           dtype=np.float64)
        return _shown_frame(columns, kinds, self.units, units)

    def layers_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The soil layers' input values as a DataFrame, one row per value of
        each layer (``layer``, ``criterion``, ``description``, ``top``,
        ``bottom``, ``value``, ``unit``, ``at_top``, ``at_bottom``), as the
        command line's ``<stem>.layers.csv`` has them: in engineering units
        a unit weight, cohesion or subgrade modulus in the unit of the input
        (pcf, psf, pci; kN/m^3, kPa) and the other values as held, each row
        naming its unit (``units="computing"``: the run's own units; None:
        those, under plain column names)."""
        _check_frame_units(units)
        display = (self.units.display if units == "engineering" and self.units is not None
                   else None)
        rows: dict[str, list[Any]] = {name: [] for name in (
            "layer", "criterion", "description", "top", "bottom", "value", "unit", "at_top",
            "at_bottom")}
        for layer in self.layers:
            for v in layer.values:
                entry = display.quantities.get(v.quantity) if display and v.quantity else None
                rows["layer"].append(layer.number)
                rows["criterion"].append(layer.criterion)
                rows["description"].append(layer.description)
                rows["top"].append(layer.top)
                rows["bottom"].append(layer.bottom)
                rows["value"].append(v.name)
                rows["unit"].append(entry.unit if entry else v.unit)
                rows["at_top"].append(float(entry.convert(v.top)) if entry else v.top)
                rows["at_bottom"].append(float(entry.convert(v.bottom)) if entry else v.bottom)
        columns: dict[str, Any] = dict(rows)
        for name in ("top", "bottom", "at_top", "at_bottom"):
            columns[name] = np.asarray(rows[name], dtype=np.float64)
        return _shown_frame(columns, {"top": ("length", "depth"), "bottom": ("length", "depth")},
                            self.units, units)

    def load_curves_frame(self, units: FrameUnits = "engineering") -> pandas.DataFrame:
        """The load-deflection curves of the cases that have one (the command
        line's --load-steps) in one DataFrame of long format: one row per
        case and level (``case``, then the columns of ``LoadCurve``), in
        engineering units (``units="computing"``: the run's own; None: plain
        names)."""
        curves = [c for c in self.cases if c.load_curve is not None]
        columns: dict[str, Any] = {
            "case": np.concatenate([np.full(len(c.load_curve), c.number, dtype=np.int64)
                                    for c in curves if c.load_curve is not None]
                                   or [np.zeros(0, np.int64)])}
        for name in LoadCurve._columns:
            columns[name] = np.concatenate([np.asarray(getattr(c.load_curve, name))
                                            for c in curves if c.load_curve is not None]
                                           or [np.zeros(0)])
        return _shown_frame(columns, _kinds_of_columns(LoadCurve, LoadCurve._columns),
                            self.units, units)

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
             ax: Optional[Axes] = None, units: FrameUnits = "engineering") -> Axes:
        ...

    @overload
    def plot(self, quantity: None = None, *, cases: Optional[Iterable[int]] = None,
             ax: Optional[Sequence[Axes]] = None,
             units: FrameUnits = "engineering") -> list[Axes]:
        ...

    def plot(self, quantity: Optional[str] = None, *, cases: Optional[Iterable[int]] = None,
             ax: Any = None, units: FrameUnits = "engineering") -> Any:
        """Draws the response against depth (depth downward), one line per
        load case (every case, or those numbered in ``cases``).

        With a ``quantity`` (one of ``NODE_COLUMNS``: "deflection",
        "moment", "shear", "soil_reaction", ...) it draws that column into
        ``ax`` (a new figure when None) and returns the Axes. Without one it
        draws deflection, moment, shear and soil reaction side by side into
        the four Axes of ``ax`` (a new figure when None) and returns the list
        of the four Axes; ``axes[0].figure`` is the figure. The values are in
        engineering units (``units="computing"``: the run's own).
        """
        if quantity is not None and not isinstance(quantity, str):
            raise TypeError("plot(quantity) takes the name of a column; give the load cases "
                            f"as plot(cases={quantity!r})")
        chosen = self._cases(cases)
        if quantity is not None:
            if ax is None:
                _, ax = _pyplot().subplots(figsize=(5, 6), layout="constrained")
            for case in chosen:
                case.plot(quantity, ax=ax, units=units)
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
                case.plot(name, ax=panel, units=units)
            panel.axvline(0.0, color="0.6", linewidth=0.8)
        for panel in axes[1:]:
            panel.set_ylabel("")
        axes[-1].legend(fontsize="small")
        return axes

    def plot_py_curves(self, ax: Optional[Axes] = None,
                       units: FrameUnits = "engineering") -> Axes:
        """Draws the printed p-y curves, p against y, one line per depth,
        into ``ax`` (a new figure when None), in engineering units
        (``units="computing"``: the run's own), and returns the Axes."""
        if not self.py_curves:
            raise ValueError("the run printed no p-y curves (set print_py_curves in the options "
                             "and give the depths)")
        if ax is None:
            _, ax = _pyplot().subplots(figsize=(8, 6), layout="constrained")
        u = self.units
        y_unit = p_unit = ""
        for curve in self.py_curves:
            y, y_unit = _shown_values(u, "length", "deflection", curve.y, units)
            p, p_unit = _shown_values(u, "force_per_length", "force_per_length", curve.p, units)
            depth, depth_unit = _shown_values(u, "length", "depth", curve.depth, units)
            ax.plot(y, p, marker=".",
                    label=f"{_short(depth)} {depth_unit}, {curve.short_name}")
        ax.set_xlabel(f"Deflection y ({y_unit})")
        ax.set_ylabel(f"Soil resistance p ({p_unit})")
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        return ax

    @overload
    def plot_moment_curvature(self, quantity: str, *, ax: Optional[Axes] = None,
                              units: FrameUnits = "engineering") -> Axes:
        ...

    @overload
    def plot_moment_curvature(self, quantity: None = None, *,
                              ax: Optional[Sequence[Axes]] = None,
                              units: FrameUnits = "engineering") -> list[Axes]:
        ...

    def plot_moment_curvature(self, quantity: Optional[str] = None, *, ax: Any = None,
                              units: FrameUnits = "engineering") -> Any:
        """Draws the moment-curvature tables, one line per section and axial
        thrust: "moment" is moment against curvature, "ei" bending stiffness
        against moment, each into ``ax`` (a new figure when None),
        returning the Axes; without a quantity both side by side, returning
        the list of the two Axes. The values are in engineering units
        (``units="computing"``: the run's own)."""
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
            self.plot_moment_curvature("moment", ax=axes[0], units=units)
            self.plot_moment_curvature("ei", ax=axes[1], units=units)
            axes[1].get_legend().remove()
            return axes
        if ax is None:
            _, ax = plt.subplots(figsize=(6.5, 5), layout="constrained")
        moment_unit = rigidity_unit = curvature_unit = ""
        for section, table in tables:
            thrust, force = _shown_values(u, "section_force", "section_force", table.thrust,
                                          units)
            moment, moment_unit = _shown_values(u, "section_moment", "section_moment",
                                                table.moment, units)
            label = f"Section {section.number}, P = {_short(thrust)} {force}"
            if quantity == "moment":
                curvature, curvature_unit = _shown_values(u, "curvature", "curvature",
                                                          table.curvature, units)
                ax.plot(curvature, moment, label=label)
            else:
                ei, rigidity_unit = _shown_values(u, "section_rigidity", "section_rigidity",
                                                  table.ei, units)
                ax.plot(moment, ei, label=label)
        if quantity == "moment":
            ax.set_xlabel(f"Curvature ({curvature_unit})")
            ax.set_ylabel(f"Bending moment ({moment_unit})")
        else:
            ax.set_xlabel(f"Bending moment ({moment_unit})")
            ax.set_ylabel(f"Bending stiffness EI ({rigidity_unit})")
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        return ax

    def plot_interaction(self, sections: Optional[Iterable[int]] = None, *,
                         ax: Optional[Sequence[Axes]] = None,
                         units: FrameUnits = "engineering") -> list[Axes]:
        """Draws the interaction diagram of every section that has one (or of
        those numbered in ``sections``), one panel each, with the load
        cases' demands, into the Axes of ``ax`` (a new figure when None), in
        engineering units (``units="computing"``: the run's own); returns
        the list of the Axes."""
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
            section.interaction.plot(ax=panel, units=units,
                                     title=f"Section {section.number}: {section.type_name}")
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


__all__ = ["Array", "CASE_SUMMARY", "CurveNote", "CurveParameter", "CurveText", "Diagnostic", "DiagnosticValue", "DisplayUnit",
           "DisplayUnits", "FrameUnits",
           "HeadStiffness", "LoadCurve", "SecantStiffness", "InteractionCurve", "InteractionDemand",
           "InteractionPoint", "InteractionResult", "LayerResult", "LayerValue", "LengthStudy",
           "LoadCaseResult", "LrfdBatterTransform", "LrfdCheckRow", "LrfdCombinationLoads",
           "LrfdDistributedLoads", "LrfdLoadGroup", "LrfdLoadPoint", "LrfdLoading", "LrfdTypeTotal", "MomentCurvature",
           "NODE_COLUMNS",
           "PyCurveResult", "Results", "SI_UNITS", "SectionResult", "StiffnessStudy", "USCS_UNITS",
           "Units", "WarningRecord",
           "ListedBar", "SectionBar", "SectionConcrete", "SectionDimensions", "SectionPrestress"]
