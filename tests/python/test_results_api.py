"""The results as Python objects: the names of the results file, the units of
every field, frames of long format, short reprs, the deprecated names of
earlier releases and the version."""

import dataclasses
import json
import os
import re
import subprocess

import numpy as np
import pytest

import tarvex
from tarvex import results as R
from conftest import EXAMPLES, ROOT, engine_path

SCHEMA = json.loads((ROOT / "docs" / "results.schema.json").read_text())
QUICKSTART = ROOT / "examples" / "quickstart.tv6"
SI_EXAMPLE = ROOT / "examples" / "steel_pipe_sand_si.tv6"

# Each class, the object of the schema that it holds, and where the schema
# keeps rows (held as columns) or a nested object (held as fields).
CLASSES = [
    (tarvex.Results, "#", None),
    (tarvex.Units, "units", None),
    (tarvex.LayerResult, "layer", None),
    (tarvex.LayerValue, "layer_value", None),
    (tarvex.SectionResult, "section", None),
    (tarvex.MomentCurvature, "thrust_curve", ("points", "moment_curvature_point")),
    (tarvex.SectionDimensions, "section_dimensions", None),
    (tarvex.SectionBar, "section_bar", None),
    (tarvex.ListedBar, "section_listed_bar", None),
    (tarvex.SectionPrestress, "section_prestress", None),
    (tarvex.SectionConcrete, "section_concrete", None),
    (tarvex.LoadCaseResult, "load_case", ("nodes", "nodes")),
    (tarvex.LengthStudy, "length_study", ("rows", "length_study_row")),
    (tarvex.IterationRecord, "iteration_record", None),
    (tarvex.RunFiles, "run_files", None),
    (tarvex.DateTime, "date_time", None),
    (tarvex.HeadStiffness, "head_stiffness", None),
    (tarvex.LoadCurve, "load_curve", ("points", "load_curve_point")),
    (tarvex.PyCurveResult, "py_curve", None),
    (tarvex.CurveParameter, "curve_parameter", None),
    (tarvex.CurveText, "curve_text", None),
    (tarvex.CurveNote, "curve_note", None),
    (tarvex.LrfdCheckRow, "lrfd_check_row", None),
    (tarvex.LrfdLoading, "lrfd_loading", None),
    (tarvex.LrfdLoadGroup, "lrfd_group", None),
    (tarvex.LrfdTypeTotal, "lrfd_type_total", None),
    (tarvex.LrfdCombinationLoads, "lrfd_combination", None),
    (tarvex.LrfdLoadPoint, "lrfd_load_point", None),
    (tarvex.LrfdDistributedLoads, "lrfd_distributed_loads", None),
    (tarvex.LrfdBatterTransform, "lrfd_batter", None),
    (tarvex.StiffnessStudy, "stiffness_study", ("rows", "stiffness_row")),
    (tarvex.WarningRecord, "warning", None),
    (tarvex.Diagnostic, "diagnostic", None),
]


def _keys(name):
    definition = SCHEMA if name == "#" else SCHEMA["$defs"][name]
    return set(definition["properties"])


def _fields(cls):
    return {f.name for f in dataclasses.fields(cls) if not f.metadata.get("context")}


@pytest.mark.parametrize("cls, name, inner", CLASSES, ids=[c[0].__name__ for c in CLASSES])
def test_the_fields_are_the_keys_of_the_results_file(cls, name, inner):
    """One name per quantity: a field of each class for every key of the
    results file (the rows of its tables as columns), and no other."""
    keys = _keys(name)
    if inner is not None:
        outer, row = inner
        keys = (keys - {outer}) | _keys(row)
    texts = {"report_text", "plot_text", "message_text"} if cls is tarvex.Results else set()
    assert _fields(cls) == keys | texts


@pytest.mark.parametrize("cls", [c[0] for c in CLASSES], ids=lambda c: c.__name__)
def test_every_field_is_documented_with_its_unit(cls):
    doc = cls.__doc__
    for f in dataclasses.fields(cls):
        assert f.metadata.get("doc"), f"{cls.__name__}.{f.name} has no description"
        assert f"\n{f.name} : " in doc, f"{cls.__name__}.{f.name} is not in the docstring"
        unit = f.metadata.get("unit")
        if unit:  # the unit is one the units know, and the docstring shows it
            assert f"{R.USCS_UNITS.of(unit)} | {R.SI_UNITS.of(unit)}" in doc or \
                R.USCS_UNITS.of(unit) == R.SI_UNITS.of(unit) == unit


def test_docstrings_show_units_in_words_of_the_engine():
    doc = tarvex.LoadCaseResult.__doc__
    assert "head_deflection : float, in | m\n    deflection at the pile head" in doc
    assert "moment : ndarray, lb-in | kN-m" in doc
    assert "es : ndarray, psi | kPa" in doc
    assert "head_rotation : float, rad\n" in doc
    assert "length_study : None or LengthStudy\n" in doc
    assert "max_concrete_stress : ndarray, kip/in^2 | kN/m^2" in tarvex.MomentCurvature.__doc__
    assert "unit_weight_top : float, lb/in^3 | kN/m^3" in tarvex.LayerResult.__doc__


@pytest.fixture(scope="module")
def quickstart(analyses):
    return tarvex.run(QUICKSTART)


@pytest.fixture(scope="module")
def si(analyses):
    return tarvex.run(SI_EXAMPLE)


def test_the_documented_units_are_the_engines(quickstart, si):
    assert quickstart.units == R.USCS_UNITS
    assert si.units == R.SI_UNITS


@pytest.mark.parametrize("kind, uscs, si_unit", [
    ("length", "in", "m"),
    ("moment", "lb-in", "kN-m"),
    ("force/length^3", "lb/in^3", "kN/m^3"),
    ("length^4", "in^4", "m^4"),
    ("section_length", "in", "m"),
    ("section_force/section_length^2", "kip/in^2", "kN/m^2"),
    ("moment/rad", "lb-in/rad", "kN-m/rad"),
    ("rad", "rad", "rad"),
    ("", "", ""),
])
def test_units_of_each_kind_of_value(kind, uscs, si_unit):
    assert (R.USCS_UNITS.of(kind), R.SI_UNITS.of(kind)) == (uscs, si_unit)


def test_unknown_kind_of_unit():
    with pytest.raises(ValueError, match="no kind of unit"):
        R.USCS_UNITS.of("speed")


def test_frames_carry_their_units(quickstart, si):
    import pandas  # noqa: F401
    nodes = si.cases[0].to_frame(units=None)
    assert list(nodes.columns) == list(R.NODE_COLUMNS)
    assert nodes.attrs["units"] == {
        "depth": "m", "deflection": "m", "slope": "rad", "moment": "kN-m", "shear": "kN",
        "soil_reaction": "kN/m", "es": "kPa", "flexural_rigidity": "kN-m^2", "stress": "kPa",
        "distributed_load": "kN/m"}
    cases = quickstart.cases_frame(units=None)
    assert list(cases["status"]) == ["converged"] * 3
    # The head conditions have no one unit: they are left out.
    assert cases.attrs["units"]["head_deflection"] == "in"
    assert "condition1" not in cases.attrs["units"] and cases.attrs["units"]["number"] == ""
    table = quickstart.sections[0].thrusts[0].to_frame(units=None)
    assert table.attrs["units"]["moment"] == "kip-in"
    assert table.attrs["units"]["max_steel_stress"] == "kip/in^2"


def test_frames_in_engineering_and_computing_units(quickstart, si):
    """By default a frame shows the engine's engineering units, named in the
    columns as the CSV tables name them; "computing" keeps the run's own."""
    import pandas  # noqa: F401
    nodes = si.cases[0].to_frame()
    assert list(nodes.columns) == [
        "depth [m]", "deflection [mm]", "slope [rad]", "moment [kN-m]", "shear [kN]",
        "soil_reaction [kN/m]", "es [kN/m^2]", "flexural_rigidity [kN-m^2]", "stress [MPa]",
        "distributed_load [kN/m]"]
    assert nodes.attrs["units"]["deflection [mm]"] == "mm"
    assert np.allclose(nodes["deflection [mm]"], 1000.0 * si.cases[0].deflection, rtol=1e-15)
    assert np.allclose(nodes["stress [MPa]"], si.cases[0].stress / 1000.0, rtol=1e-15)
    frame = quickstart.frame()
    assert list(frame.columns[:5]) == ["case", "node", "depth [ft]", "deflection [in]",
                                       "slope [rad]"]
    assert frame["depth [ft]"].iloc[-1] == 40.0  # 480 in, divided: exactly 40 ft
    assert np.allclose(frame["moment [kip-ft]"], frame_moment := np.concatenate(
        [c.moment for c in quickstart.cases]) / 12000.0)
    assert len(frame_moment) == len(frame)
    cases = quickstart.cases_frame()
    assert cases["max_moment [kip-ft]"].tolist() == pytest.approx(
        [c.max_moment / 12000.0 for c in quickstart.cases])
    # Each case's head conditions in the units of its load type: shears in
    # kip, the moment in kip-ft, the imposed deflection in in.
    assert cases["condition1"].tolist() == pytest.approx([10.0, 10.0, 0.25])
    assert cases["condition2"].tolist() == pytest.approx([20.0, 0.0, 0.0])
    assert cases["k22 [kip/in]"].tolist() == pytest.approx(
        [c.head_stiffness.k22 / 1000.0 for c in quickstart.cases])
    computing = quickstart.cases[0].to_frame(units="computing")
    assert computing.columns[0] == "depth [in]"
    assert np.array_equal(computing["moment [lb-in]"], quickstart.cases[0].moment)
    table = quickstart.sections[0].thrusts[0].to_frame()
    assert "moment [kip-ft]" in table.columns and "max_steel_stress [ksi]" in table.columns
    with pytest.raises(ValueError, match="units= takes"):
        quickstart.frame(units="SI")
    assert quickstart.display_units.unit("depth") == "ft"
    assert quickstart.display_units == quickstart.units.display


def test_frame_of_long_format_holds_every_case_and_node(quickstart):
    import pandas  # noqa: F401
    frame = quickstart.frame(units=None)
    assert list(frame.columns) == ["case", "node", *R.NODE_COLUMNS]
    assert len(frame) == sum(len(c.depth) for c in quickstart.cases) == 3 * 101
    assert frame.attrs["units"]["moment"] == "lb-in"
    for number, rows in frame.groupby("case"):
        case = quickstart.cases[number - 1]
        assert list(rows["node"]) == list(range(1, 102))
        expected = case.to_frame(units=None)
        for column in R.NODE_COLUMNS:
            assert np.array_equal(rows[column].to_numpy(), expected[column].to_numpy())
    # The largest moment of every case, from the long frame.
    peaks = frame.loc[frame["moment"].abs().groupby(frame["case"]).idxmax()]
    assert list(peaks["moment"]) == [c.max_moment for c in quickstart.cases]
    # A run without load cases gives the columns and no row.
    stiffness_only = tarvex.run(ROOT / "examples" / "prestressed_pile_sections_ei_only_uscs.tv6")
    assert list(stiffness_only.frame(units=None).columns) == ["case", "node", *R.NODE_COLUMNS]
    assert len(stiffness_only.frame()) == 0


@pytest.mark.parametrize("path", EXAMPLES, ids=lambda p: p.stem)
def test_reprs_are_one_short_line_that_says_what_it_is(path, analyses):
    results = tarvex.run(path, check=False)
    parts = [results, results.units, *results.layers, *results.sections,
             *[t for s in results.sections for t in s.thrusts], *results.cases,
             *[c.length_study for c in results.cases if c.length_study], *results.py_curves,
             *results.lrfd_check, *results.warnings,
             *([results.stiffness] if results.stiffness else []),
             *([results.error] if results.error else [])]
    for part in parts:
        text = repr(part)
        assert text.startswith(f"<{type(part).__name__} ") and text.endswith(">"), text
        assert len(text) < 100 and "\n" not in text, text


def test_reprs_show_the_values_that_matter(quickstart):
    assert repr(quickstart) == ("<Results 'Quickstart: 36-in reinforced conc...': USCS, 3 load "
                                "cases, normal>")
    first, _, third = quickstart.cases
    assert re.fullmatch(r"<LoadCaseResult 1: shear 10000 lb, head deflection 0\.0\d+ in, "
                        r"converged>", repr(first)), repr(first)
    assert re.fullmatch(r"<LoadCaseResult 3: deflection 0\.25 in, head shear \d+ lb, "
                        r"converged>", repr(third)), repr(third)
    assert repr(quickstart.sections[0]) == ("<SectionResult 1: Drilled Shaft (Bored Pile), "
                                            "0-480 in, 1 moment-curvature table>")
    error = tarvex.run(text="TARVEX6\nOPTIONS\nUnits FURLONGS\nEND\n", check=False)
    assert repr(error).startswith("<Results 0 load cases, input_error INP")
    assert repr(error.error) == (f"<Diagnostic {error.error.identity} at line 3: The following "
                                 "line is unrecognized or is out-of-order>")
    # The value at fault, as data.
    (value,) = error.error.values
    assert (value.name, value.value, value.unit) == ("line", "Units FURLONGS", "")
    assert repr(value) == "<DiagnosticValue line = Units FURLONGS>"
    error = tarvex.run(text=QUICKSTART.read_text().replace("Increments 100", "Increments 600"),
                       check=False)
    assert error.error.identity == "INP00056"
    (value,) = error.error.values
    assert (value.name, value.value, value.unit) == ("pile increments", 600.0, "")


def test_equality_compares_values_and_not_the_files_texts(quickstart):
    again = tarvex.run(text=QUICKSTART.read_text())
    assert again == quickstart and again.report_text != quickstart.report_text
    again.cases[1].moment[50] += 1e-9
    assert again != quickstart
    assert again.cases[0] == quickstart.cases[0] and again.cases[1] != quickstart.cases[1]
    with pytest.raises(TypeError):
        hash(again)


def test_files_time_and_iterations_near_the_limit_are_those_the_report_prints(analyses,
                                                                              tmp_path):
    """The deflection-and-moment case of the quickstart alone, solved to a
    tolerance it cannot reach in 30 iterations (a runtime error
    follows it): its last five iterations are
    the report's "Iteration N, Y(top) = ..., dYmax = ..." lines (E12.4), and
    the files and time are the header's; the results file keeps them all."""
    text = QUICKSTART.read_text()
    text = text.replace("MaxIterations 100", "MaxIterations 30")
    text = text.replace("Tolerance 1.0E-5", "Tolerance 1.0E-20")
    start = text.index("3                          number of load cases")
    text = text[:start] + "1                          number of load cases\n1" + \
        text[text.index("3  4      0.25") + 1:]
    path = tmp_path / "limit.tv6"
    path.write_text(text)
    results = tarvex.run(path, check=False)
    (case,) = results.cases
    assert case.status == "not_converged"
    printed = re.findall(r"^Iteration (\d+), +Y\(top\) = +(\S+), dYmax = +(\S+)$",
                         results.report_text, re.M)
    assert [r.iteration for r in case.last_iterations] == [int(p[0]) for p in printed] == \
        [26, 27, 28, 29, 30]
    for record, (_, y, dy) in zip(case.last_iterations, printed):
        for value, shown in ((record.head_deflection, y), (record.max_change, dy)):
            half_unit = 0.50001e-4 * 10.0 ** int(shown.split("E")[1])
            assert abs(value - float(shown)) <= half_unit, (record, shown)
    assert results.files.input == os.path.abspath(path)
    assert results.files.report.endswith("limit.out")
    at = results.analysed_at
    assert f"Time:  {at.hour:2d}:{at.minute:02d}:{at.second:02d}" in results.report_text
    assert at.to_datetime().year == at.year
    assert repr(case.last_iterations[0]).startswith("<IterationRecord 26: Y(top) 0.25, dYmax ")

    # The results file holds the same; files and time are not compared.
    engine = engine_path()
    done = subprocess.run([engine, str(path), "--json"], capture_output=True, timeout=300)
    assert done.returncode == 2, done.stderr
    again = tarvex.Results.from_json(tmp_path / "limit.json")
    assert again == results
    assert again.cases[0].last_iterations == case.last_iterations
    assert again.files.plot.endswith("limit.plt")
    # A results file written before these keys reads with their defaults.
    data = json.loads((tmp_path / "limit.json").read_text())
    for key in ("files", "analysed_at", "py_curve_layers"):
        del data[key]
    del data["cases"][0]["last_iterations"]
    (tmp_path / "old.json").write_text(json.dumps(data))
    old = tarvex.Results.from_json(tmp_path / "old.json")
    assert (old.files, old.analysed_at, old.py_curve_layers, old.cases[0].last_iterations) == \
        (None, None, [], [])


def test_printed_curves_layers_are_those_of_their_depths(analyses):
    """The layers whose depths hold the printed p-y curves, top down: every
    printed curve's layer among them."""
    printing = 0
    for path in EXAMPLES:
        results = tarvex.run(path, check=False)
        layers = results.py_curve_layers
        assert layers == sorted(set(layers)), path.stem
        assert {c.layer for c in results.py_curves} <= set(layers), path.stem
        assert set(layers) <= {layer.number for layer in results.layers}, path.stem
        printing += bool(results.py_curves)
    assert printing >= 3


def test_old_names_still_work_with_a_warning(quickstart):
    case = quickstart.cases[0]
    with pytest.warns(DeprecationWarning, match="ei is deprecated; use flexural_rigidity"):
        assert case.ei is case.flexural_rigidity
    with pytest.warns(DeprecationWarning, match='use status == "converged"'):
        assert case.converged is True
    for old, new in (("LoadCase", tarvex.LoadCaseResult), ("Section", tarvex.SectionResult),
                     ("SoilLayer", tarvex.LayerResult), ("PyCurve", tarvex.PyCurveResult),
                     ("LrfdCheck", tarvex.LrfdCheckRow)):
        with pytest.warns(DeprecationWarning, match=f"results.{old} is deprecated"):
            assert getattr(R, old) is new
    with pytest.warns(DeprecationWarning, match="line= is deprecated"):
        error = tarvex.InputError("bad", file="a.tv6", line=4)
    assert error.line_number == 4 and str(error) == "a.tv6, line 4: bad"
    with pytest.raises(AttributeError):
        R.NoSuchThing  # noqa: B018


def test_version_is_the_engines(quickstart):
    project = re.search(r"project\(tarvex VERSION ([0-9.]+)",
                        (ROOT / "CMakeLists.txt").read_text()).group(1)
    assert tarvex.__version__ == project == quickstart.engine_version


def test_every_value_of_the_model_is_documented_with_its_unit():
    """Every number of the input model (a float field, a soil value, a point)
    has its unit in USCS and SI files in its class's docstring."""
    import typing

    from tarvex import layout, model
    for name in model.__all__:
        cls = getattr(model, name)
        if not isinstance(cls, type):
            continue
        assert not (cls.__doc__ or "").startswith(f"{name}("), f"{name} has no docstring"
        hints = typing.get_type_hints(cls)
        numbers = [f for f, hint in hints.items() if typing.get_origin(hint) is not typing.ClassVar
                   and "float" in str(hint)]
        documented = layout.quantities(cls)
        for field_name in numbers:
            assert field_name in documented, f"{name}.{field_name} has no unit"
            assert f"\n    {field_name}: " in cls.__doc__, f"{name}.{field_name}"
    assert "    cohesion: psf | kPa\n" in model.SoftClay.__doc__
    assert "    diameter: in | mm\n" in model.DrilledShaft.__doc__
    assert "    stiffness: in-lb/rad | kN-m/rad\n" in model.ShearRotationalStiffness.__doc__


def test_the_section_blocks_values_are_those_the_report_prints(quickstart, analyses):
    """The values of the report's section blocks, as data: the numbers the
    report prints for the quickstart's shaft and the prestressed piles."""
    shaft = quickstart.sections[0]
    assert shaft.curves == "computed"
    d = shaft.dimensions
    assert (d.depth, d.cover, d.bar_count) == (36.0, 3.0, 12)
    assert f"{d.gross_area:.8f}" == "1017.87601976"  # Gross Area of Shaft
    assert f"{d.edge_spacing:.8f}" == "6.34462347"  # Edge-to-Edge Bar Spacing
    assert f"{d.steel_ratio_percent:.2f}" == "1.18"
    assert len(d.bars) == 12 and f"{d.bars[1].x:.5f}" == "12.50194"
    assert d.listed_bars == [] and shaft.prestress is None
    assert f"{shaft.concrete.elastic_modulus:.7f}" == "3604.9965326"
    assert f"{shaft.concrete.rupture_modulus:.7f}" == "-0.4743416"
    assert f"{shaft.cracking_load:.3f}" == "-458.502"
    assert list(shaft.analysed_thrusts) == [100.0] and not shaft.thrusts_dropped
    assert not shaft.thrusts[0].full_curve

    piles = tarvex.run(ROOT / "examples" / "prestressed_pile_sections_ei_only_uscs.tv6")
    p = piles.sections[0].prestress
    assert p.strand_type == 1  # PCI 270
    assert f"{p.effective_force:.3f}" == "277.600"
    assert p.pci_moment_factor == 0.32
    assert f"{p.pci_moment_capacity:.3f}" == "3807.130"
    assert piles.sections[0].dimensions.pipe_area == 0.0  # not a pipe

    elastic = tarvex.run(ROOT / "examples" / "elastic_pipe_clay_uscs.tv6")
    assert elastic.sections[0].curves == "elastic"
    assert elastic.sections[0].dimensions is None and elastic.sections[0].concrete is None
