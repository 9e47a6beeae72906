"""Model.validate (and so to_input) refuses what the engine would refuse or
misread, naming each field at fault; the package imports without the
compiled engine module."""

import dataclasses

import pytest

import tarvex as tv
from test_built_models import CASES, shaft_in_soft_clay


def changed(change):
    model = shaft_in_soft_clay()
    model = dataclasses.replace(model, options=dataclasses.replace(model.options))
    change(model)
    return model


def set_options(**values):
    return lambda m: [setattr(m.options, k, v) for k, v in values.items()]


def section(**values):
    def change(m):
        m.sections = [dataclasses.replace(m.sections[0], **values)]
    return change


def layer(**values):
    def change(m):
        m.soil_layers = [dataclasses.replace(m.soil_layers[0], **values)]
    return change


def fields(**values):
    return lambda m: [setattr(m, k, v) for k, v in values.items()]


BAD_MODELS = [
    (set_options(units="si"), "options.units: 'si' is not one of 'USCS', 'SI', 'GENERAL'"),
    (set_options(use_lrfd="NO"), "options.use_lrfd: must be True or False"),
    (set_options(loading="Cyclic"), "options.loading: 'Cyclic' is not one of"),
    (set_options(loading="CYCLIC"), "options.cycles: cyclic loading needs 2 to 5000 cycles"),
    (set_options(cycles=1234567), "options.cycles: 1234567 does not fit the six columns"),
    (set_options(max_iterations=29), "options.max_iterations: must be from 30 to 1000, not 29"),
    (set_options(max_iterations=100.5), "options.max_iterations: must be an integer"),
    (set_options(increments=501), "options.increments: must be from 40 to 500"),
    (set_options(print_increment=0), "options.print_increment: must be 1 or more"),
    (set_options(units="SI", tolerance=0.01), "options.tolerance: must be from 2.54e-22 to "
                                              "0.00254 in SI units"),
    (set_options(tolerance=0.2), "options.tolerance: must be from 1e-20 to"),
    (set_options(max_deflection=-1.0), "options.max_deflection: must not be negative"),
    (set_options(units="GENERAL"), "options.max_deflection: must be given in GENERAL units\n"
                                   "options.tolerance: must be given in GENERAL units"),
    (set_options(compute_interaction=True), "options.interaction_code: None is not one of"),
    (fields(title=["a"] * 6), "title: holds 6 lines; give at most 5"),
    (fields(title=["two\nlines"]), "title[0]: must be a single line"),
    (fields(title=["x" * 257]), "title[0]: is longer than 256 characters"),
    (fields(sections=[]), "sections: holds 0 sections; give 1 to 10"),
    (fields(sections=["pipe"]), "sections[0]: must be a section type of tarvex, not str"),
    (section(length=0.0), "sections[0].length: must be positive, not 0.0"),
    (section(diameter=float("nan")), "sections[0].diameter: must be a number, not nan"),
    (section(concrete=tv.Concrete(0.0, -1.0)),
     "sections[0].concrete.fc: must be positive, not 0.0\n"
     "sections[0].concrete.aggregate: must not be negative, not -1.0"),
    (section(concrete=tv.Concrete(4000.0, 0.75, curve=[(0.001, 2000.0, 3)])),
     "sections[0].concrete.curve[0]: must be a point (strain, stress)"),
    (section(bars=tv.BarCircle(60000.0, 29e6, 150, 1.0, 0.79, 3.0, per_group=3)),
     "sections[0].bars: holds 450 bars; give at most 300"),
    (section(bars=tv.BarCircle(60000.0, 29e6, 12, 1.0, 0.0, 3.0)),
     "sections[0].bars.area: must be positive"),
    (section(bars=tv.BarPattern(60000.0, 29e6, [])), "sections[0].bars.bars: holds 0 bars"),
    (section(bars=tv.BarPattern(60000.0, 29e6, [(8.5, 1.0, 0.79, 0.0, 5.0)])),
     "sections[0].bars.bars[0].size: must be an integer, not 8.5"),
    (fields(sections=[tv.PrestressedCircular(40.0, 24.0, tv.Concrete(6000.0, 0.75),
                                             tv.AutoStrands(2, 5, 12, 1e5, 1.2, 3.0, 3))]),
     "sections[0].strands.loss: must be from 0 to 1, not 1.2\n"
     "sections[0].strands.size: must be from 0 to 4, not 5\n"
     "sections[0].strands.arrangement: must be from 0 to 2, not 3"),
    (fields(sections=[tv.PrestressedOctagonal(40.0, 24.0, tv.Concrete(6000.0, 0.75),
                                              tv.ManualStrands(6, 1e5, 0.2, [tv.Strand(1, 0.0, 5.0)]))]),
     "sections[0].strands.type: must be from 0 to 5, not 6"),
    (fields(sections=[tv.ElasticSection(40.0, tv.HPileShape(14.7, 14.7, 14.7, 0.0, 0.6, 0.6,
                                                            axis="minor"), 29e6)]),
     "sections[0].shape.axis: 'minor' is not one of 'strong', 'weak'\n"
     "sections[0].shape.depth: must be positive, not 0.0"),
    (fields(sections=[tv.ElasticSection(40.0, None, 29e6)]), "sections[0].shape: must be a "),
    (fields(sections=[tv.UserEISection(40.0, 10.0, [tv.EICurve(0.0, [(0.0, 0.0)])])]),
     "sections[0].curves[0].points[0].ei: must be positive, not 0.0"),
    (fields(soil_layers=[]), "soil_layers: holds 0 soil layers; give 1 to 40"),
    (layer(bottom=0.0), "soil_layers[0].bottom: 0.0 must lie below the top, 0.0"),
    (lambda m: m.soil_layers.append(tv.SoftClay(60.0, 50.0, unit_weight=60, cohesion=800)),
     "soil_layers[1].bottom: 50.0 must lie below the top, 60.0"),
    (lambda m: m.soil_layers.append(tv.SoftClay(50.0, 55.0, unit_weight=60, cohesion=800)),
     "soil_layers[1].bottom: 55.0 must lie below the bottom of the layer above, 60.0"),
    (layer(cohesion=(500.0, -1.0)), "soil_layers[0].cohesion at the bottom: must not be "
                                    "negative, not -1.0"),
    (layer(cohesion=(1, 2, 3)), "soil_layers[0].cohesion: must be a number or a pair"),
    (fields(soil_layers=[tv.APISand(0.0, 60.0, unit_weight=115.0, friction=90.0)]),
     "soil_layers[0].friction at the top: must be from 0 to less than 90 degrees, not 90.0\n"
     "soil_layers[0].friction at the bottom: must be from 0 to less than 90 degrees"),
    (fields(soil_layers=[tv.WeakRock(0.0, 60.0, unit_weight=130, qu=500, rock_modulus=7e4,
                                     rqd=(101, 50), krm=2e-4)]),
     "soil_layers[0].rqd at the top: must be from 0 to 100 percent"),
    (fields(soil_layers=[tv.Piedmont(0.0, 60.0, unit_weight=110, test="SPTX")]),
     "soil_layers[0].test: must be a number or a pair (top, bottom), not 'SPTX'"),
    (fields(soil_layers=[tv.Piedmont(0.0, 60.0, unit_weight=110, test=("SPT", "XX"))]),
     "soil_layers[0].test at the bottom: must be a number, not 'XX'"),
    (fields(soil_layers=[tv.UserPY(0, 60, top_curve=tv.PYCurve(110, [(0, 0)] * 31),
                                   bottom_curve=tv.PYCurve(110, [(0, 0)]))]),
     "soil_layers[0].top_curve.points: holds 31 points; give 1 to 30"),
    (fields(load_cases=[]), "load_cases: a pile analysis without LRFD needs at least one"),
    (fields(load_cases=[tv.LoadCase()]), "load_cases[0]: must be a load case type of tarvex"),
    (fields(axial_thrusts=[100.0]), "axial_thrusts: give load_cases or axial_thrusts, not both"),
    (fields(distributed_loads=[(0.0, 1.0)] * 51), "distributed_loads: holds 51 points"),
    (set_options(use_lrfd=True), "lrfd_groups: holds 0 load groups; give 1 to 100\n"
                                 "lrfd_combinations: holds 0 combinations; give 1 to 100"),
    (fields(lrfd_groups=[tv.LrfdGroup("XX")]), "lrfd_groups[0].type: 'XX' is not one of"),
    (fields(lrfd_groups=[tv.LrfdGroup(1, points=[(0.0, 1.0)])]),
     "lrfd_groups[0].points: holds 1 point; give none, or 2 to 50"),
    (fields(lrfd_combinations=[tv.LrfdCombination("S", {"D": 1.0}, 0.9, 0.9)]),
     "lrfd_combinations[0].factors: names unknown load types ['D']"),
    (fields(lrfd_combinations=[tv.LrfdCombination("S", [1.0] * 12, 0.9, 0.9)]),
     "lrfd_combinations[0].factors: must hold 13 load factors"),
    (fields(batter=90.0), "batter: must lie between -90 and 90 degrees, not 90.0"),
    (fields(py_multipliers=[(0.0, -0.5, 0.0)]),
     "py_multipliers[0].pm: must not be negative, not -0.5\n"
     "py_multipliers[0].ym: must be positive, not 0.0"),
    (fields(soil_movements=[(0.0, 1.0), (9.0, 0.0)]),
     "soil_movements: are given but options.use_soil_movement is False"),
    (set_options(use_soil_movement=True), "soil_movements: holds 0 points; give 2 to 100"),
    (fields(py_print_depths=[3.0]), "py_print_depths: are given but options.print_py_curves "
                                    "is False"),
    (fields(section_order=["SECTIONS", "OPTIONS"]),
     "section_order: must put OPTIONS before every section but TITLE"),
]


@pytest.mark.parametrize("change, problems", BAD_MODELS,
                         ids=[p.split(":")[0] for _, p in BAD_MODELS])
def test_model_errors_name_every_field_at_fault(change, problems):
    model = changed(change)
    with pytest.raises(tv.ModelError) as error:
        model.to_input()
    # Every problem, in order; each expected text begins the message.
    expected = problems.split("\n")
    assert len(error.value.problems) == len(expected), error.value.problems
    for got, want in zip(error.value.problems, expected):
        assert got.startswith(want), got


def test_a_good_model_passes():
    for model in CASES.values():
        model.validate()


def test_unset_limits_take_the_usual_values_of_the_units():
    text = shaft_in_soft_clay(options=tv.Options(units="SI")).to_input()
    assert "MaxDeflection 0.25\nTolerance 2.54e-07\n" in text
    text = shaft_in_soft_clay().to_input()
    assert "MaxDeflection 10.0\nTolerance 1e-05\n" in text


def test_running_without_the_engine_module_says_how_to_install_it(monkeypatch):
    import tarvex.engine
    monkeypatch.setattr(tarvex.engine, "_tarvex", None)
    for call in (lambda: tv.run("examples/quickstart.tv6"),
                 lambda: tv.run_many(["examples/quickstart.tv6"])):
        with pytest.raises(ImportError, match="tarvex._tarvex.*pip install"):
            call()


@pytest.mark.parametrize("values", [
    dict(max_iterations=30, increments=40, print_increment=1, tolerance=1e-15),
    dict(max_iterations=1000, increments=500, tolerance=0.1, loading="CYCLIC", cycles=5000),
    dict(loading="CYCLIC", cycles=2, max_deflection=0.0),
    dict(units="SI", tolerance=0.00254, cycles=2.5),
    dict(units="GENERAL", max_deflection=1.0, tolerance=1e-30),
], ids=["lowest", "highest", "fewest cycles", "SI tolerance", "GENERAL"])
def test_option_limits_are_inclusive(values):
    model = changed(set_options(**values))
    if model.options.units == "GENERAL":
        model.sections = CASES["GENERAL units"].sections
    assert tv.read_input(text=model.to_input()).options.cycles == model.options.cycles
