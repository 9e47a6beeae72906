"""The results of an analysis as Python objects.

``tarvex.run`` returns a ``Results``. Every value is in the run's computing
units, which ``Results.units`` names: USCS runs in pounds and inches (depth
in in, moment in lb-in, p in lb/in, Es in lb/in^2, EI in lb-in^2), SI runs in
kN and m; the moment-curvature tables in the units of section analysis
(USCS kip and in, SI kN and m). Columns of numbers are NumPy arrays, one
entry per node (head to tip) or per point of a table.
"""

_NODE_COLUMNS = ("depth", "deflection", "slope", "moment", "shear", "soil_reaction", "es", "ei",
                 "stress", "distributed_load")
_CASE_SUMMARY = ("number", "combination_name", "load_type", "condition1", "condition2", "axial",
                 "head_deflection", "head_rotation", "head_shear", "head_moment", "max_moment",
                 "max_moment_depth", "max_shear", "max_shear_depth", "max_stress", "iterations",
                 "converged", "verified")


def _pandas():
    try:
        import pandas
    except ImportError as e:
        raise ImportError("this needs pandas (Debian: python3-pandas)") from e
    return pandas


def _pyplot():
    try:
        import matplotlib.pyplot as plt
    except ImportError as e:
        raise ImportError("plotting needs matplotlib (Debian: python3-matplotlib)") from e
    return plt


class _Record:
    """A plain record made from the engine's data: one attribute per key."""

    def __init__(self, data):
        self.__dict__.update(data)

    def __repr__(self):
        shown = []
        for key, value in self.__dict__.items():
            if hasattr(value, "shape"):
                value = f"<{value.size} values>"
            elif isinstance(value, list):
                value = f"<{len(value)} items>"
            elif isinstance(value, str) and len(value) > 60:
                value = f"<{len(value)} characters>"
            shown.append(f"{key}={value!r}")
        return f"{type(self).__name__}({', '.join(shown)})"


class _Table(_Record):
    """Columns of equal length; ``to_frame()`` gives them as a DataFrame."""

    _columns = ()

    def __len__(self):
        return len(getattr(self, self._columns[0]))

    def to_frame(self):
        return _pandas().DataFrame({name: getattr(self, name) for name in self._columns})


class Units(_Record):
    """The unit of every kind of value: ``system`` ("USCS", "SI", "GENERAL"),
    ``length``, ``force``, ``moment``, ``force_per_length`` (p, distributed
    load), ``stress`` (also Es), ``flexural_rigidity``,
    ``rotational_stiffness``; for the moment-curvature tables
    ``section_force``, ``section_moment``, ``section_rigidity``,
    ``curvature``."""


class SoilLayer(_Record):
    """A soil layer: ``number``, ``criterion`` (p-y criterion code),
    ``short_name``, ``description``, ``top``, ``bottom``,
    ``unit_weight_top``, ``unit_weight_bottom``,
    ``default_k_above_water_table`` (SI: a sand's default k took the formula
    for sand above the water table)."""


class MomentCurvature(_Table):
    """The moment-curvature table of a section at one axial ``thrust``, with
    its ``nominal_moment_capacity``. Columns: ``curvature``, ``moment``,
    ``ei``, ``neutral_axis``, ``max_compressive_strain``,
    ``max_tensile_strain``, ``max_concrete_stress``, ``max_steel_stress``,
    ``max_casing_stress``, ``max_core_stress``; ``flags`` lists the run
    message columns of each point ("C" cracked, "Y" yield, "T"
    tension-controlled)."""

    _columns = ("curvature", "moment", "ei", "neutral_axis", "max_compressive_strain",
                "max_tensile_strain", "max_concrete_stress", "max_steel_stress",
                "max_casing_stress", "max_core_stress", "flags")


class Section(_Record):
    """A pile section: ``number``, ``type``, ``type_name``, ``top``,
    ``bottom``, ``length``, ``width``, ``area``, ``inertia``,
    ``flexural_rigidity``, ``axial_capacity``, ``tensile_capacity``,
    ``cracking_load`` and ``thrusts``, its moment-curvature tables."""

    def __init__(self, data):
        super().__init__(data)
        self.thrusts = [MomentCurvature(t) for t in data["thrusts"]]


class LengthStudy(_Table):
    """Head deflection against pile length, the pile shortened 5 % of its
    ``full_length`` at a time: ``load_case``, ``lengths_analysed``,
    ``ended_by`` ("all lengths", "ground surface", "excess deflection",
    "iteration limit", "loss of stability"), and the columns of the
    converged lengths, longest first: ``length``, ``head_deflection``,
    ``head_shear``, ``max_moment``, ``max_shear``."""

    _columns = ("length", "head_deflection", "head_shear", "max_moment", "max_shear")


class LoadCase(_Record):
    """One load case or LRFD combination.

    The conditions as applied (``load_type`` 1 to 5, ``condition1``,
    ``condition2``, ``axial``), the response at the head (``head_shear``,
    ``head_moment``, ``head_deflection``, ``head_rotation``), the largest
    moment and shear with their depths, ``max_stress``, ``iterations``,
    ``converged``, the output verification (``verified``,
    ``moment_imbalance``, ``force_imbalance``), and the response at every
    node as arrays: ``depth``, ``deflection``, ``slope``, ``moment``,
    ``shear``, ``soil_reaction``, ``es``, ``ei``, ``stress``,
    ``distributed_load``. ``length_study`` is a ``LengthStudy`` when the case
    asked for one.
    """

    def __init__(self, data):
        super().__init__(data)
        if data["length_study"] is not None:
            self.length_study = LengthStudy(data["length_study"])

    @property
    def name(self):
        """The combination's name, or "Load case n"."""
        return self.combination_name or f"Load case {self.number}"

    def to_frame(self):
        """The response at the nodes, one row per node."""
        return _pandas().DataFrame({name: getattr(self, name) for name in _NODE_COLUMNS})


class PyCurve(_Record):
    """A printed p-y curve: ``number``, ``depth``, ``layer``, ``criterion``,
    ``short_name`` and the points ``y``, ``p`` as printed."""


class LrfdCheck(_Record):
    """One combination and section of the LRFD performance check:
    ``combination``, ``section``, ``name``, ``resistance_factor``,
    ``factored_capacity`` (None: no limit, an elastic section),
    ``moment_developed``, ``fraction_mobilized`` (None: not applicable),
    ``verdict`` ("pass", "fail", "not_applicable"), ``max_shear``,
    ``head_deflection``, ``head_rotation``."""


class StiffnessStudy(_Table):
    """The pile-head stiffness study: ``reference_shear``,
    ``reference_moment``, ``axial``, ``cases_converged`` (of 20),
    ``complete``, ``ended_by`` ("all cases", "excess deflection",
    "iteration limit", "loss of stability"); when complete, ten load levels:
    ``shear_level``, ``moment_level``; the shear cases with the head slope held at zero
    (``deflection``, ``shear_reaction_1``, ``moment_reaction_1``); the moment
    cases with the head deflection held at zero (``rotation``,
    ``shear_reaction_2``, ``moment_reaction_2``); and the stiffness terms
    ``k22``, ``k23``, ``k32``, ``k33``."""

    _columns = ("shear_level", "moment_level", "deflection", "shear_reaction_1",
                "moment_reaction_1", "rotation", "shear_reaction_2", "moment_reaction_2", "k22",
                "k23", "k32", "k33")


class WarningRecord(_Record):
    """A warning recorded within one load case (0: before the load cases):
    ``number``, ``load_case``, ``count``, ``text``."""


class Diagnostic(_Record):
    """The error that ended a run: ``identity`` ("INP00095"), ``code``
    (195), ``number``, ``kind`` ("input", "runtime", "internal", "files"),
    ``message`` (its lines), ``file`` and ``line_number`` (0 when not about
    a line), ``line_text``, ``advice``."""


class Results(_Record):
    """The results of one analysis.

    ``result_code`` is what the engine returns (0 normal end, negative
    warnings, 101-199 input error, 200-299 runtime error); ``outcome`` says
    the same in words ("normal", "warnings", "input_error",
    "runtime_error", "files_unusable", "internal_error"). ``title``,
    ``units``, ``run_kind`` (2 bending stiffness only, 3 pile analysis),
    ``lrfd``, ``pile_length``, ``ground_depth``; ``layers``, ``sections``,
    ``py_curves``, ``cases``, ``lrfd_check``, ``stiffness`` (None unless
    the study ran), ``warnings``, ``error`` (None unless the run ended with
    one); ``report_text``, ``plot_text``, ``message_text``: the three files
    of the run.
    """

    def __init__(self, data, file=None):
        super().__init__(data)
        self.units = Units(data["units"])
        self.layers = [SoilLayer(d) for d in data["layers"]]
        self.sections = [Section(d) for d in data["sections"]]
        self.py_curves = [PyCurve(d) for d in data["py_curves"]]
        self.cases = [LoadCase(d) for d in data["cases"]]
        self.lrfd_check = [LrfdCheck(d) for d in data["lrfd_check"]]
        if data["stiffness"] is not None:
            self.stiffness = StiffnessStudy(data["stiffness"])
        self.warnings = [WarningRecord(d) for d in data["warnings"]]
        if data["error"] is not None:
            self.error = Diagnostic(dict(data["error"], file=file))

    @property
    def ok(self):
        """True when the run ended normally or with warnings only."""
        return self.error is None

    def summary(self):
        """One dict per load case: its conditions and the response at the
        head, the largest moment and shear, iterations and status."""
        return [{name: getattr(case, name) for name in _CASE_SUMMARY} for case in self.cases]

    def cases_frame(self):
        """The summary of the load cases as a DataFrame, one row per case."""
        return _pandas().DataFrame(self.summary(), columns=list(_CASE_SUMMARY))

    def lrfd_frame(self):
        """The LRFD performance check as a DataFrame."""
        columns = ("combination", "section", "name", "resistance_factor", "factored_capacity",
                   "moment_developed", "fraction_mobilized", "verdict", "max_shear",
                   "head_deflection", "head_rotation")
        rows = [{c: getattr(row, c) for c in columns} for row in self.lrfd_check]
        return _pandas().DataFrame(rows, columns=list(columns))

    # Plots -------------------------------------------------------------------

    def plot(self, cases=None):
        """Deflection, moment, shear and soil reaction against depth (depth
        downward), every case or those numbered in ``cases``; returns the
        figure."""
        chosen = [c for c in self.cases if cases is None or c.number in cases]
        if not chosen:
            raise ValueError("no load case to plot: the run has "
                             f"{len(self.cases)} case(s) and {cases!r} were asked for")
        plt = _pyplot()
        u = self.units
        fig, axes = plt.subplots(1, 4, sharey=True, figsize=(13, 6), layout="constrained")
        panels = (("deflection", f"Deflection ({u.length})"),
                  ("moment", f"Bending moment ({u.moment})"),
                  ("shear", f"Shear ({u.force})"),
                  ("soil_reaction", f"Soil reaction p ({u.force_per_length})"))
        for ax, (column, label) in zip(axes, panels):
            for case in chosen:
                ax.plot(getattr(case, column), case.depth, label=case.name)
            ax.axvline(0.0, color="0.6", linewidth=0.8)
            ax.set_xlabel(label)
            ax.grid(True, alpha=0.3)
        axes[0].set_ylabel(f"Depth below pile head ({u.length})")
        axes[0].invert_yaxis()
        axes[-1].legend(fontsize="small")
        if self.title:
            fig.suptitle(self.title[0])
        return fig

    def plot_py_curves(self):
        """The printed p-y curves, p against y, one line per depth; returns
        the figure."""
        if not self.py_curves:
            raise ValueError("the run printed no p-y curves (set print_py_curves in the options "
                             "and give the depths)")
        plt = _pyplot()
        u = self.units
        fig, ax = plt.subplots(figsize=(8, 6), layout="constrained")
        for curve in self.py_curves:
            ax.plot(curve.y, curve.p, marker=".",
                    label=f"{curve.depth:g} {u.length}, {curve.short_name}")
        ax.set_xlabel(f"Deflection y ({u.length})")
        ax.set_ylabel(f"Soil resistance p ({u.force_per_length})")
        ax.grid(True, alpha=0.3)
        ax.legend(fontsize="small")
        return fig

    def plot_moment_curvature(self):
        """Moment against curvature and bending stiffness against moment,
        one line per section and axial thrust; returns the figure."""
        tables = [(s, t) for s in self.sections for t in s.thrusts if len(t)]
        if not tables:
            raise ValueError("the run has no moment-curvature table")
        plt = _pyplot()
        u = self.units
        fig, (left, right) = plt.subplots(1, 2, figsize=(12, 5), layout="constrained")
        for section, table in tables:
            label = f"Section {section.number}, P = {table.thrust:g} {u.section_force}"
            left.plot(table.curvature, table.moment, label=label)
            right.plot(table.moment, table.ei, label=label)
        left.set_xlabel(f"Curvature ({u.curvature})")
        left.set_ylabel(f"Bending moment ({u.section_moment})")
        right.set_xlabel(f"Bending moment ({u.section_moment})")
        right.set_ylabel(f"Bending stiffness EI ({u.section_rigidity})")
        for ax in (left, right):
            ax.grid(True, alpha=0.3)
        left.legend(fontsize="small")
        return fig
