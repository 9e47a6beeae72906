"""Checks of a Model before it is written: allowed values, counts, the parts a
run needs and the values the engine refuses as it reads them. The checks that
need the whole input (soil below the pile tip, depths against the ground
surface) are left to the engine."""

from __future__ import annotations

import dataclasses
import math
import numbers
from typing import Any, Optional, Sequence

from . import layout as L
from . import model as m
from .errors import ModelError

# The largest convergence tolerance of USCS runs: 0.1 in single precision.
_USCS_TOLERANCE_MAX = 0.10000000149011612


def is_number(v: object) -> bool:
    """A real number that is not a bool."""
    return isinstance(v, numbers.Real) and not isinstance(v, bool)


def is_integer(v: object) -> bool:
    """An integer, or a float of whole value, that is not a bool."""
    if isinstance(v, bool):
        return False
    if isinstance(v, numbers.Integral):
        return True
    return isinstance(v, float) and v.is_integer()


def cycles_text(cycles: float) -> str:
    """The number of cycles as written in columns 15 to 20 of the loading line."""
    if is_integer(cycles):
        return str(int(cycles))
    return repr(float(cycles))


class _Checker:
    def __init__(self, units: Optional[str]) -> None:
        self.problems: list[str] = []
        self.units = units

    def fail(self, path: str, message: str) -> None:
        self.problems.append(f"{path}: {message}")

    def number(self, path: str, v: Any, rule: str = "") -> bool:
        """A finite number within the engine's magnitude limit that keeps `rule`."""
        if not is_number(v) or not math.isfinite(v):
            self.fail(path, f"must be a number, not {v!r}")
            return False
        if abs(v) > L.MAX_MAGNITUDE:
            self.fail(path, f"{v!r} is beyond 1e+30 in magnitude")
            return False
        broken = {
            "+": (v <= 0, "must be positive"),
            "0+": (v < 0, "must not be negative"),
            "angle": (not 0 <= v < 90, "must be from 0 to less than 90 degrees"),
            "percent": (not 0 <= v <= 100, "must be from 0 to 100 percent"),
            "fraction": (not 0 <= v <= 1, "must be from 0 to 1"),
            "slope": (not -90 < v < 90, "must lie between -90 and 90 degrees"),
        }.get(rule)
        if broken and broken[0]:
            self.fail(path, f"{broken[1]}, not {v!r}")
            return False
        return True

    def integer(self, path: str, v: Any, low: Optional[int] = None,
                high: Optional[int] = None) -> bool:
        if not is_integer(v):
            self.fail(path, f"must be an integer, not {v!r}")
            return False
        if (low is not None and v < low) or (high is not None and v > high):
            bounds = f"from {low} to {high}" if high is not None else f"{low} or more"
            self.fail(path, f"must be {bounds}, not {int(v)}")
            return False
        return True

    def flag(self, path: str, v: object) -> None:
        if not isinstance(v, bool):
            self.fail(path, f"must be True or False, not {v!r}")

    def choice(self, path: str, v: object, allowed: Sequence[object]) -> bool:
        if v not in allowed:
            names = ", ".join(repr(a) for a in allowed)
            self.fail(path, f"{v!r} is not one of {names}")
            return False
        return True

    def count(self, path: str, seq: object, low: int, high: int, what: str) -> bool:
        if not isinstance(seq, (list, tuple)):
            self.fail(path, f"must be a list of {what}, not {type(seq).__name__}")
            return False
        if not low <= len(seq) <= high:
            self.fail(path, f"holds {len(seq)} {what}; give {low} to {high}")
            return False
        return True

    def instance(self, path: str, v: object, cls: type | tuple[type, ...], what: str) -> bool:
        if not isinstance(v, cls):
            self.fail(path, f"must be {what}, not {type(v).__name__}")
            return False
        return True

    def text(self, path: str, s: object) -> None:
        if not isinstance(s, str):
            self.fail(path, f"must be a text, not {s!r}")
        elif "\n" in s or "\r" in s:
            self.fail(path, "must be a single line")
        elif len(s.encode("utf-8", "surrogateescape")) > L.TEXT_LENGTH:
            self.fail(path, f"is longer than {L.TEXT_LENGTH} characters")

    def row(self, path: str, row: object, fields: Sequence[str], rules: Sequence[str]) -> None:
        """A point row: a tuple of len(fields) numbers, checked by `rules`."""
        if not isinstance(row, tuple) or len(row) != len(fields):
            self.fail(path, f"must be a point ({', '.join(fields)}), not {row!r}")
            return
        for name, value, rule in zip(fields, row, rules):
            if rule == "int":
                self.integer(f"{path}.{name}", value)
            else:
                self.number(f"{path}.{name}", value, rule)


def check_model(model: m.Model) -> None:
    """Raises ModelError listing every problem of the model; returns None."""
    if not isinstance(model, m.Model):
        raise ModelError([f"must be a tarvex.Model, not {type(model).__name__}"])
    o = model.options
    units = o.units if isinstance(o, m.Options) else None
    c = _Checker(units)
    if c.instance("options", o, m.Options, "an Options"):
        _check_options(c, o)
    if c.instance("title", model.title, (list, tuple), "a list of up to five lines"):
        if len(model.title) > 5:
            c.fail("title", f"holds {len(model.title)} lines; give at most 5")
        for i, line in enumerate(model.title):
            c.text(f"title[{i}]", line)
    if not isinstance(o, m.Options):
        raise ModelError(c.problems)
    pile = not o.compute_ei_only
    _check_order(c, model.section_order)
    _check_sections(c, model.sections)
    if pile or model.soil_layers:
        _check_layers(c, model.soil_layers, required=pile)
    _check_loads(c, model, pile)
    _check_auxiliary(c, model, pile)
    if c.problems:
        raise ModelError(c.problems)


def _check_order(c: _Checker, keywords: object) -> None:
    if not isinstance(keywords, list) or not all(isinstance(k, str) for k in keywords):
        c.fail("section_order", f"must be a list of keywords, not {keywords!r}")
        return
    unknown = [k for k in keywords if L.KEYWORD_ALIASES.get(k, k) not in L.CANONICAL_ORDER]
    if unknown:
        c.fail("section_order", f"names no section keyword: {unknown}")
        return
    order = L.section_order_of(keywords)
    first = order.index("OPTIONS")
    if any(k != "TITLE" for k in order[:first]):
        c.fail("section_order", "must put OPTIONS before every section but TITLE")
    if order.index("TRANSVERSE REINFORCEMENT") < order.index("SECTIONS"):
        c.fail("section_order", "must put SECTIONS before TRANSVERSE REINFORCEMENT")


def _check_options(c: _Checker, o: m.Options) -> None:
    c.choice("options.units", o.units, m.UNITS)
    for name in ("use_lrfd", "compute_kmatrix", "use_tip_shear", "use_soil_movement",
                 "use_py_modifiers", "compute_ei_only", "print_summary_only", "print_py_curves",
                 "compute_interaction"):
        c.flag(f"options.{name}", getattr(o, name))
    c.choice("options.loading", o.loading, m.LOADINGS)
    if c.number("options.cycles", o.cycles, "0+"):
        if len(cycles_text(o.cycles)) > 6:
            c.fail("options.cycles", f"{o.cycles!r} does not fit the six columns of the "
                                     "number of cycles")
        elif o.loading == "CYCLIC" and not 2 <= o.cycles <= 5000:
            c.fail("options.cycles", f"cyclic loading needs 2 to 5000 cycles, not {o.cycles!r}")
    c.integer("options.max_iterations", o.max_iterations, 30, 1000)
    for name in ("max_deflection", "tolerance"):
        value = getattr(o, name)
        if value is None:
            if o.units == "GENERAL":
                c.fail(f"options.{name}", "must be given in GENERAL units")
        elif c.number(f"options.{name}", value, "0+" if name == "max_deflection" else ""):
            if name == "tolerance":
                low, high = {"USCS": (1e-20, _USCS_TOLERANCE_MAX),
                             "SI": (2.54e-22, 0.00254)}.get(o.units, (None, None))
                if low is not None and not low <= value <= high:
                    c.fail("options.tolerance", f"must be from {low!r} to {high!r} in {o.units} "
                                                f"units, not {value!r}")
    c.integer("options.increments", o.increments, 40, 500)
    c.integer("options.print_increment", o.print_increment, 1)
    if o.compute_interaction is True:
        c.choice("options.interaction_code", o.interaction_code, m.INTERACTION_CODES)


def _check_sections(c: _Checker, sections: Sequence[Any]) -> None:
    if not c.count("sections", sections, 1, L.MAX_SECTIONS, "sections"):
        return
    for i, s in enumerate(sections):
        p = f"sections[{i}]"
        if type(s) not in L.SECTION_ROWS:
            c.fail(p, f"must be a section type of tarvex, not {type(s).__name__}")
            continue
        c.number(f"{p}.length", s.length, "0+" if isinstance(s, m.Micropile) else "+")
        for name, _, rule, _ in L.SECTION_ROWS[type(s)]:
            c.number(f"{p}.{name}", getattr(s, name), rule)
        if isinstance(s, m.CasedShaftWithCore):
            c.flag(f"{p}.core_filled", s.core_filled)
        if isinstance(s, L.CONCRETE_AND_BARS + L.CONCRETE_AND_STRANDS):
            _check_concrete(c, f"{p}.concrete", s.concrete)
            if s.transverse is not None:
                c.choice(f"{p}.transverse", s.transverse, m.TRANSVERSE)
        if isinstance(s, L.CONCRETE_AND_BARS):
            _check_bars(c, f"{p}.bars", s.bars)
        if isinstance(s, L.CONCRETE_AND_STRANDS):
            _check_strands(c, f"{p}.strands", s.strands)
        if isinstance(s, L.ELASTIC):
            _check_shape(c, f"{p}.shape", s.shape)
            c.number(f"{p}.modulus", s.modulus, "+")
            if isinstance(s, m.ElasticPlasticSection):
                c.number(f"{p}.top_mp", s.top_mp, "+")
                c.number(f"{p}.bottom_mp", s.bottom_mp, "+")
        if isinstance(s, m.UserEISection) and c.count(
                f"{p}.curves", s.curves, 1, L.MAX_EI_THRUSTS, "axial thrusts"):
            for k, curve in enumerate(s.curves):
                q = f"{p}.curves[{k}]"
                if not c.instance(q, curve, m.EICurve, "an EICurve"):
                    continue
                c.number(f"{q}.thrust", curve.thrust)
                if c.count(f"{q}.points", curve.points, 1, L.MAX_EI_POINTS, "points"):
                    for n, point in enumerate(curve.points):
                        c.row(f"{q}.points[{n}]", point, ("moment", "ei"), ("", "+"))


def _check_concrete(c: _Checker, p: str, concrete: Any) -> None:
    if not c.instance(p, concrete, m.Concrete, "a Concrete"):
        return
    c.number(f"{p}.fc", concrete.fc, "+")
    c.number(f"{p}.aggregate", concrete.aggregate, "0+")
    if concrete.tensile is not None:
        c.number(f"{p}.tensile", concrete.tensile)
    if concrete.curve and c.count(f"{p}.curve", concrete.curve, 1, L.MAX_STRESS_STRAIN_POINTS,
                                  "points"):
        for k, point in enumerate(concrete.curve):
            c.row(f"{p}.curve[{k}]", point, ("strain", "stress"), ("", ""))


def _check_bars(c: _Checker, p: str, bars: Any) -> None:
    if bars is None:
        return
    if not c.instance(p, bars, (m.BarCircle, m.BarPattern), "a BarCircle, a BarPattern or None"):
        return
    c.flag(f"{p}.same_as_above", bars.same_as_above)
    c.number(f"{p}.fy", bars.fy, "+")
    c.number(f"{p}.modulus", bars.modulus, "+")
    if isinstance(bars, m.BarCircle):
        if (c.integer(f"{p}.groups", bars.groups, 1, L.MAX_BARS)
                and c.integer(f"{p}.per_group", bars.per_group, 1, 3)
                and bars.groups * bars.per_group > L.MAX_BARS):
            c.fail(p, f"holds {bars.groups * bars.per_group} bars; give at most {L.MAX_BARS}")
        c.number(f"{p}.diameter", bars.diameter, "0+")
        c.number(f"{p}.area", bars.area, "+")
        c.number(f"{p}.cover", bars.cover, "0+")
        c.number(f"{p}.offset", bars.offset)
    elif c.count(f"{p}.bars", bars.bars, 1, L.MAX_BARS, "bars"):
        for k, bar in enumerate(bars.bars):
            c.row(f"{p}.bars[{k}]", bar, m.Bar._fields, ("int", "0+", "+", "", ""))


def _check_strands(c: _Checker, p: str, strands: Any) -> None:
    if not c.instance(p, strands, (m.AutoStrands, m.ManualStrands),
                      "an AutoStrands or a ManualStrands"):
        return
    typed = c.integer(f"{p}.type", strands.type, 0, 5)
    sizes = _strand_sizes(strands.type) if typed else None
    c.number(f"{p}.force", strands.force, "0+")
    c.number(f"{p}.loss", strands.loss, "fraction")
    if isinstance(strands, m.AutoStrands):
        if sizes is not None:
            c.integer(f"{p}.size", strands.size, 0, sizes - 1)
        c.integer(f"{p}.count", strands.count, 1, L.MAX_STRANDS)
        c.number(f"{p}.cover", strands.cover, "0+")
        c.integer(f"{p}.arrangement", strands.arrangement, 0, 2)
    elif c.count(f"{p}.strands", strands.strands, 1, L.MAX_STRANDS, "strands"):
        for k, strand in enumerate(strands.strands):
            q = f"{p}.strands[{k}]"
            c.row(q, strand, m.Strand._fields, ("int", "", "", "int"))
            if sizes is not None and isinstance(strand, tuple) and len(strand) == 4:
                c.integer(f"{q}.size", strand[0], 0, sizes - 1)


def _strand_sizes(strand_type: int) -> int:
    return m.STRAND_SIZES[int(strand_type)]


def _check_shape(c: _Checker, p: str, shape: Any) -> None:
    if not c.instance(p, shape, tuple(cls for cls, _ in L.SHAPE_ROWS.values()),
                      "a RectangularShape, CircularShape, PipeShape, HPileShape or PoleShape"):
        return
    if isinstance(shape, m.HPileShape):
        c.choice(f"{p}.axis", shape.axis, ("strong", "weak"))
    for name, _ in L.SHAPE_ROWS[shape.code][1]:
        c.number(f"{p}.{name}", getattr(shape, name), "+")


def _check_layers(c: _Checker, layers: Sequence[Any], required: bool) -> None:
    if not c.count("soil_layers", layers, 1 if required else 0, L.MAX_LAYERS, "soil layers"):
        return
    above: Optional[float] = None
    for i, layer in enumerate(layers):
        p = f"soil_layers[{i}]"
        if type(layer) not in m.SOIL_CRITERIA.values():
            c.fail(p, f"must be a soil criterion of tarvex, not {type(layer).__name__}")
            continue
        if c.number(f"{p}.top", layer.top) and c.number(f"{p}.bottom", layer.bottom):
            if layer.bottom <= layer.top:
                c.fail(f"{p}.bottom", f"{layer.bottom!r} must lie below the top, {layer.top!r}")
            elif above is not None and layer.bottom <= above:
                c.fail(f"{p}.bottom", f"{layer.bottom!r} must lie below the bottom of the layer "
                                      f"above, {above!r}")
            above = layer.bottom if above is None else max(above, layer.bottom)
        for name in layer.values:
            value = getattr(layer, name)
            if not (isinstance(value, tuple) and len(value) == 2):
                c.fail(f"{p}.{name}", f"must be a number or a pair (top, bottom), not {value!r}")
                continue
            rule = L.SOIL_VALUES[name][1]
            for end, v in zip(("top", "bottom"), value):
                c.number(f"{p}.{name} at the {end}", v, rule)
        if isinstance(layer, m.UserPY):
            for name in ("top_curve", "bottom_curve"):
                curve = getattr(layer, name)
                q = f"{p}.{name}"
                if not c.instance(q, curve, m.PYCurve, "a PYCurve"):
                    continue
                c.number(f"{q}.unit_weight", curve.unit_weight, "0+")
                if c.count(f"{q}.points", curve.points, 1, L.MAX_PY_POINTS, "points"):
                    for k, point in enumerate(curve.points):
                        c.row(f"{q}.points[{k}]", point, ("y", "p"), ("", ""))


def _check_points(c: _Checker, path: str, points: Any, low: int, high: int, what: str,
                  fields: Sequence[str], rules: Sequence[str]) -> None:
    if c.count(path, points, low, high, what):
        for k, point in enumerate(points):
            c.row(f"{path}[{k}]", point, fields, rules)


def _check_loads(c: _Checker, model: m.Model, pile: bool) -> None:
    o = model.options
    lrfd = o.use_lrfd is True
    if c.count("load_cases", model.load_cases, 0, L.MAX_LOAD_CASES, "load cases"):
        for k, case in enumerate(model.load_cases):
            p = f"load_cases[{k}]"
            if type(case) not in m.LOAD_TYPES.values():
                c.fail(p, f"must be a load case type of tarvex, not {type(case).__name__}")
                continue
            for name in [f.name for f in dataclasses.fields(case) if f.name != "length_study"]:
                c.number(f"{p}.{name}", getattr(case, name))
            c.flag(f"{p}.length_study", case.length_study)
    _check_points(c, "distributed_loads", model.distributed_loads, 0, L.MAX_DISTRIBUTED_POINTS,
                  "points", m.DistributedLoad._fields, ("", ""))
    _check_points(c, "axial_thrusts", [(t,) for t in model.axial_thrusts]
                  if isinstance(model.axial_thrusts, (list, tuple)) else model.axial_thrusts,
                  0, L.MAX_THRUSTS, "thrusts", ("thrust",), ("",))
    if model.load_cases and model.axial_thrusts:
        c.fail("axial_thrusts", "give load_cases or axial_thrusts, not both: the engine holds "
                                "the axial thrusts as the axial loads of the load cases")
    if pile and not lrfd and not model.load_cases:
        c.fail("load_cases", "a pile analysis without LRFD needs at least one load case")
    if not pile and not model.load_cases and not model.axial_thrusts:
        c.fail("axial_thrusts", "a run with compute_ei_only needs the axial thrusts "
                                "(or load cases)")
    if lrfd or model.lrfd_groups:
        if c.count("lrfd_groups", model.lrfd_groups, 1, L.MAX_LRFD_GROUPS, "load groups"):
            for k, g in enumerate(model.lrfd_groups):
                p = f"lrfd_groups[{k}]"
                if not c.instance(p, g, m.LrfdGroup, "an LrfdGroup"):
                    continue
                if not isinstance(g.type, str):
                    c.integer(f"{p}.type", g.type, 1, len(m.LRFD_LOAD_TYPES))
                else:
                    c.choice(f"{p}.type", g.type, m.LRFD_LOAD_TYPES)
                for name in ("horizontal", "moment", "axial"):
                    c.number(f"{p}.{name}", getattr(g, name))
                if isinstance(g.points, (list, tuple)) and len(g.points) == 1:
                    c.fail(f"{p}.points", "holds 1 point; give none, or 2 to 50")
                else:
                    _check_points(c, f"{p}.points", g.points, 0, L.MAX_DISTRIBUTED_POINTS,
                                  "points", m.DistributedLoad._fields, ("", ""))
    if lrfd or model.lrfd_combinations:
        if c.count("lrfd_combinations", model.lrfd_combinations, 1, L.MAX_LRFD_COMBINATIONS,
                   "combinations"):
            for k, comb in enumerate(model.lrfd_combinations):
                p = f"lrfd_combinations[{k}]"
                if not c.instance(p, comb, m.LrfdCombination, "an LrfdCombination"):
                    continue
                c.text(f"{p}.name", comb.name)
                if isinstance(comb.factors, dict):
                    unknown = [key for key in comb.factors if key not in m.LRFD_LOAD_TYPES]
                    c.fail(f"{p}.factors", f"names unknown load types {unknown}; the types are "
                                           f"{', '.join(m.LRFD_LOAD_TYPES)}")
                elif (not isinstance(comb.factors, (list, tuple))
                      or len(comb.factors) != len(m.LRFD_LOAD_TYPES)):
                    c.fail(f"{p}.factors", "must hold 13 load factors, one per load type")
                else:
                    for t, f in zip(m.LRFD_LOAD_TYPES, comb.factors):
                        c.number(f"{p}.factors[{t}]", f)
                c.number(f"{p}.phi_flexure", comb.phi_flexure)
                c.number(f"{p}.phi_shear", comb.phi_shear)


def _check_auxiliary(c: _Checker, model: m.Model, pile: bool) -> None:
    o = model.options
    _check_points(c, "tip_shear", model.tip_shear, 0, L.MAX_TIP_SHEAR_POINTS, "points",
                  m.TipShearPoint._fields, ("", ""))
    c.number("ground_slope", model.ground_slope, "slope")
    c.number("batter", model.batter, "slope")
    _check_points(c, "py_multipliers", model.py_multipliers, 0, L.MAX_PY_MULTIPLIERS, "points",
                  m.PYMultiplier._fields, ("", "0+", "+"))
    if model.soil_movements or (o.use_soil_movement is True and pile):
        if o.use_soil_movement is not True:
            c.fail("soil_movements", "are given but options.use_soil_movement is False; the "
                                     "engine would not read them")
        else:
            _check_points(c, "soil_movements", model.soil_movements, 2, L.MAX_SOIL_MOVEMENTS,
                          "points", m.SoilMovement._fields, ("", ""))
    depths = model.py_print_depths
    if depths and o.print_py_curves is not True:
        c.fail("py_print_depths", "are given but options.print_py_curves is False; the engine "
                                  "would not read them")
    elif c.count("py_print_depths", depths, 0, L.MAX_PY_PRINT_DEPTHS, "depths"):
        for k, d in enumerate(depths):
            c.number(f"py_print_depths[{k}]", d)
