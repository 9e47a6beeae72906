"""Writing a Model as a TARVEX6 input text."""

from __future__ import annotations

from typing import Callable, Iterable, Optional, Sequence, Union

from . import layout as L
from . import model as m
from .checks import check_model, cycles_text

SECTION_NAMES = {
    0: "rectangular concrete pile", 1: "drilled shaft", 2: "drilled shaft with permanent casing",
    3: "drilled shaft with casing and concrete-filled core",
    -3: "drilled shaft with casing and void core", 4: "steel pipe pile",
    5: "circular solid prestressed pile", 6: "circular hollow prestressed pile",
    7: "square solid prestressed pile", 8: "square hollow prestressed pile",
    9: "octagonal solid prestressed pile", 10: "octagonal hollow prestressed pile",
    11: "elastic pile", 12: "elastic pile with specified moment capacity",
    13: "pile with user-defined nonlinear EI", 14: "micropile",
}
SHAPE_NAMES = {0: "rectangular", 1: "circular", 2: "circular pipe", 3: "H-pile, strong axis",
               4: "H-pile, weak axis", 5: "embedded circular pole"}
CRITERION_NAMES = {
    1: "soft clay (Matlock)", 2: "stiff clay with free water", 3: "stiff clay without free water",
    4: "stiff clay without free water, with k", 5: "sand (Reese)", 6: "sand (API)",
    7: "liquefied sand", 8: "weak rock", 9: "vuggy limestone", 10: "Piedmont residual soil",
    11: "cemented silt", 12: "loess", 13: "elastic subgrade", 14: "user-input p-y curves",
    15: "soft clay with J", 16: "massive rock", 17: "frozen soil",
}
LOAD_NAMES = {1: "shear and moment", 2: "shear and slope", 3: "shear and rotational stiffness",
              4: "deflection and moment", 5: "deflection and slope"}

# The usual maximum allowable deflection and convergence tolerance of each
# unit system, written when the options leave them None.
DEFAULT_MAX_DEFLECTION = {"USCS": 10.0, "SI": 0.25}
DEFAULT_TOLERANCE = {"USCS": 1.0e-5, "SI": 2.54e-7}

REMARK_COLUMN = 27


def real(v: Union[float, str]) -> str:
    """A number as the shortest text that the engine reads back as the same value."""
    return repr(float(v))


def integer(v: Union[float, str]) -> str:
    """A whole number as the engine reads it."""
    return str(int(v))


class _Writer:
    def __init__(self, units: str, remarks: bool) -> None:
        self.lines: list[str] = []
        self.unit_names = L.UNIT_NAMES.get(units) if remarks else None
        self.remarks = remarks

    def line(self, text: str) -> None:
        self.lines.append(text)

    def row(self, values: Sequence[str], remark: str = "") -> None:
        """A free-format row; the engine ignores what follows its values, so a
        remark may follow them, from column 28 where the values leave room."""
        text = "  ".join(values)
        if self.remarks and remark:
            text = text.ljust(REMARK_COLUMN - 2) + "  " + remark
        self.lines.append(text)

    def unit(self, quantity: str) -> str:
        return self.unit_names.get(quantity, "") if self.unit_names else ""

    def note(self, label: str, quantity: str) -> str:
        """A remark naming a value and its unit: "length, ft"."""
        unit = self.unit(quantity)
        return f"{label}, {unit}" if unit else label

    def notes(self, items: Iterable[tuple[str, str]]) -> str:
        """A remark naming the values of a row: "depth ft, load lb/in"."""
        return ", ".join(f"{label} {self.unit(q)}".rstrip() for label, q in items)


def write_input(model: m.Model, remarks: bool = True) -> str:
    """The model as a TARVEX6 input text, checked first (ModelError)."""
    check_model(model)
    o = model.options
    w = _Writer(o.units, remarks)
    writers: dict[str, Optional[Callable[[_Writer, m.Model], None]]] = {
        "TITLE": _write_title if model.title else None,
        "OPTIONS": _write_options,
        "SECTIONS": _write_sections,
        "TRANSVERSE REINFORCEMENT": _write_transverse
        if any(getattr(s, "transverse", None) for s in model.sections) else None,
        "SOIL LAYERS": _write_layers if model.soil_layers else None,
        "PILE BATTER AND SLOPE": _write_batter if model.ground_slope or model.batter else None,
        "LOADING": _write_loading if model.load_cases or model.distributed_loads else None,
        "AXIAL THRUST LOADS": _write_thrusts if model.axial_thrusts else None,
        "LRFD LOADS": _write_lrfd_groups if model.lrfd_groups else None,
        "LRFD FACTORS AND CASES": _write_lrfd_combinations if model.lrfd_combinations else None,
        "TIP SHEAR": _write_tip_shear if model.tip_shear or o.use_tip_shear else None,
        "GROUPEFF": _write_group_effects if model.py_multipliers or o.use_py_modifiers
        else None,
        "SOIL MOVEMENTS": _write_soil_movements if model.soil_movements else None,
        "DEPTHS OF PRINTED P-Y CURVES": _write_py_depths if o.print_py_curves else None,
    }
    w.line("TARVEX6")
    for keyword in L.section_order(model):
        write = writers[L.KEYWORD_ALIASES.get(keyword, keyword)]
        if write is not None:
            w.line(keyword)
            write(w, model)
    w.line("END")
    return "\n".join(w.lines) + "\n"


def _write_title(w: _Writer, model: m.Model) -> None:
    for line in list(model.title) + [""] * (5 - len(model.title)):
        w.line(line)


def _write_batter(w: _Writer, model: m.Model) -> None:
    w.row([real(model.ground_slope)], w.note("ground slope", "angle"))
    w.row([real(model.batter)], w.note("pile batter", "angle"))


def _write_thrusts(w: _Writer, model: m.Model) -> None:
    w.row([integer(len(model.axial_thrusts))], "number of axial thrusts")
    for k, thrust in enumerate(model.axial_thrusts, 1):
        w.row([integer(k), real(thrust)], w.note("axial thrust", "force") if k == 1 else "")


def _write_tip_shear(w: _Writer, model: m.Model) -> None:
    _write_points(w, model.tip_shear, "number of points",
                  w.notes([("displacement", "deflection"), ("tip shear", "force")]))


def _write_group_effects(w: _Writer, model: m.Model) -> None:
    _write_points(w, model.py_multipliers, "number of points",
                  w.notes([("depth", "length"), ("p-multiplier", "none"),
                           ("y-multiplier", "none")]))


def _write_soil_movements(w: _Writer, model: m.Model) -> None:
    _write_points(w, model.soil_movements, "number of points",
                  w.notes([("depth", "length"), ("soil movement", "movement")]))


def _write_py_depths(w: _Writer, model: m.Model) -> None:
    _write_points(w, [(d,) for d in model.py_print_depths], "number of depths",
                  w.note("depth below the pile head", "length"))


def _yes_no(flag: bool) -> str:
    return "YES" if flag else "NO"


def _write_options(w: _Writer, model: m.Model) -> None:
    o = model.options
    w.line(f"Units {o.units}")
    w.line(f"UseLRFD {_yes_no(o.use_lrfd)}")
    w.line(f"ComputeKmatrix {_yes_no(o.compute_kmatrix)}")
    w.line(f"UseTipShear {_yes_no(o.use_tip_shear)}")
    w.line(f"UseSoilMovement {_yes_no(o.use_soil_movement)}")
    w.line(f"UsePYModifiers {_yes_no(o.use_py_modifiers)}")
    w.line(f"ComputeEIOnly {_yes_no(o.compute_ei_only)}")
    # Columns 1-8 a label, 9-14 the loading type, 15-20 the number of cycles.
    w.line(f"Loading {o.loading}{cycles_text(o.cycles).rjust(6)}")
    w.line(f"MaxIterations {integer(o.max_iterations)}")
    deflection = o.max_deflection if o.max_deflection is not None \
        else DEFAULT_MAX_DEFLECTION[o.units]
    tolerance = o.tolerance if o.tolerance is not None else DEFAULT_TOLERANCE[o.units]
    w.line(f"MaxDeflection {real(deflection)}")
    w.line(f"Tolerance {real(tolerance)}")
    w.line(f"Increments {integer(o.increments)}")
    w.line(f"PrintSummaryOnly {_yes_no(o.print_summary_only)}")
    w.line(f"PrintIncrement {integer(o.print_increment)}")
    w.line(f"PrintPYCurves {_yes_no(o.print_py_curves)}")
    w.line(f"ComputeInteraction {_yes_no(o.compute_interaction)}")
    if o.compute_interaction:
        w.line(f"Code {o.interaction_code}")


def _write_sections(w: _Writer, model: m.Model) -> None:
    sections = model.sections
    w.row([integer(len(sections))], "number of sections")
    for i, s in enumerate(sections, 1):
        w.row([integer(i)], f"section {i}")
        w.row([integer(s.code)], SECTION_NAMES[s.code])
        w.row([real(s.length)], w.note("length", "length"))
        for name, quantity, _, label in L.SECTION_ROWS[type(s)]:
            w.row([real(getattr(s, name))], w.note(label, quantity))
        if isinstance(s, L.CONCRETE_AND_BARS + L.CONCRETE_AND_STRANDS):
            _write_concrete(w, s.concrete)
        if isinstance(s, L.CONCRETE_AND_BARS):
            _write_bars(w, s.bars)
        elif isinstance(s, L.CONCRETE_AND_STRANDS):
            _write_strands(w, s.strands)
        elif isinstance(s, L.ELASTIC):
            shape = s.shape
            w.row([integer(shape.code)], f"shape: {SHAPE_NAMES[shape.code]}")
            for name, label in L.SHAPE_ROWS[shape.code][1]:
                w.row([real(getattr(shape, name))], w.note(label, "dim"))
            w.row([real(s.modulus)], w.note("elastic modulus", "stress"))
            if isinstance(s, m.ElasticPlasticSection):
                w.row([real(s.top_mp)], w.note("plastic moment at the top", "moment"))
                w.row([real(s.bottom_mp)], w.note("plastic moment at the bottom", "moment"))
        elif isinstance(s, m.UserEISection):
            w.row([integer(len(s.curves))], "number of axial thrusts")
            for curve in s.curves:
                w.row([real(curve.thrust)], w.note("axial thrust", "force"))
                w.row([integer(len(curve.points))], "number of points")
                for k, (moment, ei) in enumerate(curve.points):
                    w.row([real(moment)], w.note("moment", "ei_moment") if k == 0 else "")
                    w.row([real(ei)], w.note("bending stiffness EI", "ei") if k == 0 else "")


def _write_transverse(w: _Writer, model: m.Model) -> None:
    given = [(i, str(getattr(s, "transverse"))) for i, s in enumerate(model.sections, 1)
             if getattr(s, "transverse", None)]
    w.row([integer(len(given))], "number of sections with their transverse reinforcement")
    for i, word in given:
        w.row([integer(i), word], "section, TIED or SPIRAL")


def _write_concrete(w: _Writer, c: m.Concrete) -> None:
    w.row([real(c.fc)], w.note("concrete strength fc", "stress"))
    w.row([real(c.aggregate)], w.note("maximum coarse aggregate size", "dim"))
    if c.tensile is None:
        w.line("Use default concrete tensile strength")
    else:
        w.line("Override concrete tensile strength")
        w.row([real(c.tensile)], w.note("tensile strength", "stress"))
    if not c.curve:
        w.line("Use internal stress-strain curve for concrete")
        return
    w.line("Input stress-strain curve for concrete")
    w.row([integer(len(c.curve))], "number of points")
    for k, (strain, stress) in enumerate(c.curve, 1):
        w.row([integer(k), real(strain), real(stress)],
              w.notes([("strain", "none"), ("stress", "stress")]) if k == 1 else "")


def _write_bars(w: _Writer, b: m.Bars) -> None:
    if b is None:
        w.line("No rebar")
        return
    w.line("Rebar Arrangement Same As Section Above" if b.same_as_above
           else "Rebar Arrangement Not Same As Section Above")
    if isinstance(b, m.BarCircle):
        w.line("Rebar in circle")
        w.row([real(b.fy)], w.note("bar yield stress", "stress"))
        w.row([real(b.modulus)], w.note("bar elastic modulus", "stress"))
        w.row([integer(b.groups)], "number of bar groups")
        w.row([integer(b.per_group)], "bars per group")
        w.row([real(b.diameter)], w.note("bar diameter", "dim"))
        w.row([real(b.area)], w.note("area of one bar", "area"))
        w.row([real(b.cover)], w.note("cover", "dim"))
        w.row([real(b.offset)], w.note("offset", "dim"))
        return
    w.line("Rebar in noncircular pattern")
    w.row([real(b.fy)], w.note("bar yield stress", "stress"))
    w.row([real(b.modulus)], w.note("bar elastic modulus", "stress"))
    w.row([integer(len(b.bars))], "number of bars")
    for k, (size, diameter, area, x, y) in enumerate(b.bars):
        w.row([integer(size), real(diameter), real(area), real(x), real(y)],
              w.notes([("size", "none"), ("diameter", "dim"), ("area", "area"), ("x", "dim"),
                       ("y", "dim")]) if k == 0 else "")


def _write_strands(w: _Writer, s: m.Strands) -> None:
    if isinstance(s, m.AutoStrands):
        w.line("Autoposition strands")
        w.row([integer(s.type)], f"strand type: {m.STRAND_TYPES[int(s.type)]}")
        w.row([integer(s.size)], "strand size index")
        w.row([integer(s.count)], "number of strands")
        w.row([real(s.force)], w.note("initial prestressing force", "force"))
        w.row([real(s.loss)], "fraction of loss of prestress")
        w.row([real(s.cover)], w.note("cover", "dim"))
        w.row([integer(s.arrangement)], "arrangement: 0 circle, 1 or 2 square")
        return
    w.line("Manually-positioned strands")
    w.row([integer(len(s.strands))], "number of strands")
    w.row([integer(s.type)], f"strand type: {m.STRAND_TYPES[int(s.type)]}")
    w.row([real(s.force)], w.note("initial prestressing force", "force"))
    w.row([real(s.loss)], "fraction of loss of prestress")
    for k, (size, x, y, reserved) in enumerate(s.strands, 1):
        w.row([integer(k), integer(size), integer(reserved), real(x), real(y)],
              w.notes([("strand", "none"), ("size index", "none"), ("unused", "none"),
                       ("x", "dim"), ("y", "dim")]) if k == 1 else "")


def _write_layers(w: _Writer, model: m.Model) -> None:
    layers = model.soil_layers
    w.row([integer(len(layers))], "number of soil layers")
    for layer in layers:
        w.row([integer(layer.code), real(layer.top), real(layer.bottom)],
              w.notes([(f"{CRITERION_NAMES[layer.code]}, depths", "length")]))
        if isinstance(layer, m.UserPY):
            for end, curve in (("top", layer.top_curve), ("bottom", layer.bottom_curve)):
                w.row([real(curve.unit_weight), integer(len(curve.points))],
                      f"{end} curve: " + w.notes([("unit weight", "unit_weight"),
                                                  ("number of points", "none")]))
                for k, (y, p) in enumerate(curve.points):
                    w.row([real(y), real(p)],
                          w.notes([("y", "deflection"), ("p", "line_load")]) if k == 0 else "")
            continue
        if not layer.values:
            continue  # massive rock and frozen soil have no value rows
        remark = w.notes([(label, quantity) for quantity, _, label in
                          (L.SOIL_VALUES[name] for name in layer.values)])
        for at in (0, 1):
            w.row([real(getattr(layer, name)[at]) for name in layer.values],
                  ("top: " if at == 0 else "bottom: ") + remark)


def _write_loading(w: _Writer, model: m.Model) -> None:
    w.row([integer(len(model.load_cases))], "number of load cases")
    for k, case in enumerate(model.load_cases, 1):
        (label1, q1), (label2, q2) = L.LOAD_CONDITIONS[case.code]
        c1, c2 = case.conditions()
        w.row([integer(k), integer(case.code), real(c1), real(c2), real(case.axial),
               "0" if case.length_study else "1"],
              f"{LOAD_NAMES[case.code]}: " + w.notes([(label1, q1), (label2, q2),
                                                      ("axial", "force")]))
    _write_points(w, model.distributed_loads, "number of distributed load points",
                  w.notes([("depth", "length"), ("load", "line_load")]))


def _write_points(w: _Writer, points: Sequence[Sequence[float]], count_remark: str,
                  remark: str) -> None:
    """A count row and one numbered row per point."""
    w.row([integer(len(points))], count_remark)
    for k, point in enumerate(points, 1):
        w.row([integer(k)] + [real(v) for v in point], remark if k == 1 else "")


def _write_lrfd_groups(w: _Writer, model: m.Model) -> None:
    groups = model.lrfd_groups
    w.row([integer(len(groups))], "number of load groups")
    for k, g in enumerate(groups, 1):
        w.row([integer(k), integer(g.type), real(g.horizontal), real(g.moment), real(g.axial),
               integer(len(g.points))],
              f"{m.LRFD_LOAD_TYPES[int(g.type) - 1]}: " + w.notes(
                  [("horizontal", "force"), ("moment", "moment"), ("axial", "force"),
                   ("points", "none")]))
        for j, (depth, load) in enumerate(g.points, 1):
            w.row([integer(j), real(depth), real(load)],
                  w.notes([("depth", "length"), ("load", "line_load")]) if j == 1 else "")


def _write_lrfd_combinations(w: _Writer, model: m.Model) -> None:
    combinations = model.lrfd_combinations
    w.row([integer(len(combinations))], "number of combinations")
    for k, c in enumerate(combinations, 1):
        w.row([integer(k)] + [real(f) for f in c.factors] + [real(c.phi_flexure),
                                                             real(c.phi_shear)])
        w.line(c.name)
