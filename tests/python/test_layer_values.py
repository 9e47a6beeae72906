"""The input values of each soil layer in the results: the values of the
input file, as the package's own reader reads them, after the engine's unit
conversion (USCS unit weights from pcf to pci, strengths of soil from psf to
psi); and the values of the printed p-y curves by name."""

import math

import pytest

import tarvex
from conftest import EXAMPLES

def _computing(name, value, units):
    """A value of the input in the engine's computing units: the
    compressive strength of rock is read in psi already."""
    if units != "USCS":
        return value
    if name == "unit weight":
        return value / 1728.0
    if name == "cohesion":
        return value / 144.0
    return value


@pytest.mark.parametrize("path", EXAMPLES, ids=[p.stem for p in EXAMPLES])
def test_each_layer_holds_its_input_values_in_computing_units(path, analyses):
    model = tarvex.read_input(path=path)
    results = tarvex.run(path=path)
    system = model.options.units
    assert len(results.layers) == len(model.soil_layers)
    for given, layer in zip(model.soil_layers, results.layers):
        assert layer.criterion == given.code
        if isinstance(given, tarvex.UserPY):  # each curve's row gives its unit weight
            pairs = [(given.top_curve.unit_weight, given.bottom_curve.unit_weight)]
        else:
            pairs = [getattr(given, name) for name in type(given).values]
        assert len(layer.values) == len(pairs), (path.stem, layer.number)
        for (top, bottom), value in zip(pairs, layer.values):
            where = f"{path.stem}, layer {layer.number}, {value.name}"
            assert math.isclose(value.top, _computing(value.name, top, system),
                                rel_tol=1e-15, abs_tol=1e-300), where
            assert math.isclose(value.bottom,
                                _computing(value.name, bottom, system),
                                rel_tol=1e-15, abs_tol=1e-300), where
        # The unit weight the profile draws is the first value (massive rock
        # and frozen soil have none).
        if layer.values:
            assert layer.values[0].name == "unit weight"
            assert layer.values[0].top == layer.unit_weight_top


def test_values_and_parameters_by_name_with_their_units(analyses):
    results = tarvex.run(path=[p for p in EXAMPLES if p.stem == "elastic_pipe_clay_uscs"][0])
    clay = results.layers[0]
    assert clay.short_name == "SoftClay"
    assert [v.name for v in clay.values] == ["unit weight", "cohesion", "epsilon-50"]
    assert clay.value("cohesion").unit == "psi"
    assert clay.value("unit weight").unit == "lb/in^3"
    with pytest.raises(KeyError):
        clay.value("friction angle")
    curve = next(c for c in results.py_curves if c.short_name == "SoftClay")
    assert curve.parameter("Depth below pile head").unit == "ft"
    assert curve.parameter("Depth below pile head").value * 12.0 == pytest.approx(curve.depth)
    assert curve.parameter("Cohesion, c").unit == "psi"
    assert curve.parameter("Y50").unit == "in"
    assert curve.parameter("pu_s").unit == "lb/in"
    # The block of the first curve as the golden report prints it.
    assert curve.title == ["p-y Curve Computed Using the Soft Clay Criteria for Static Loading "
                           "Conditions"]
    y50 = curve.parameter("Y50")
    assert (y50.value, y50.form, y50.width, y50.decimals) == (pytest.approx(1.2), "fixed", 12, 5)
    layer = curve.parameter("Soil Layer Number")
    assert (layer.value, layer.form, layer.width) == (1.0, "integer", 12)
    assert curve.parameter("pu_s").value == pytest.approx(308.750, abs=5e-4)
    assert curve.texts == []
    with pytest.raises(KeyError):
        curve.parameter("no such label")


# The display unit each kind of layer value is shown in, by system.
_INPUT_UNITS = {"USCS": {"unit weight": "pcf", "cohesion": "psf", "k": "pci",
                         "elastic subgrade modulus": "pci"},
                "SI": {"unit weight": "kN/m^3", "cohesion": "kPa", "k": "kN/m^3",
                       "elastic subgrade modulus": "kN/m^3"}}


@pytest.mark.parametrize("path", EXAMPLES, ids=[p.stem for p in EXAMPLES])
def test_layers_frame_gives_the_numbers_typed_in_the_units_of_the_input(path, analyses):
    model = tarvex.read_input(path=path)
    results = tarvex.run(path=path)
    frame = results.layers_frame()
    depth = "ft" if model.options.units == "USCS" else "m"
    assert list(frame.columns) == ["layer", "criterion", "description", f"top [{depth}]",
                                   f"bottom [{depth}]", "value", "unit", "at_top", "at_bottom"]
    assert len(frame) == sum(len(layer.values) for layer in results.layers)
    rows = iter(frame.itertuples(index=False))
    for given, layer in zip(model.soil_layers, results.layers):
        if isinstance(given, tarvex.UserPY):
            pairs = [(given.top_curve.unit_weight, given.bottom_curve.unit_weight)]
        else:
            pairs = [getattr(given, name) for name in type(given).values]
        for (top, bottom), value in zip(pairs, layer.values):
            row = next(rows)
            where = f"{path.stem}, layer {layer.number}, {value.name}"
            assert (row.layer, row.value) == (layer.number, value.name), where
            if value.quantity:
                # Converted back to the number typed, in the unit it was typed in.
                assert row.unit == _INPUT_UNITS[model.options.units][value.name], where
                assert math.isclose(row.at_top, top, rel_tol=1e-12, abs_tol=1e-300), where
                assert math.isclose(row.at_bottom, bottom, rel_tol=1e-12, abs_tol=1e-300), where
            else:
                assert (row.unit, row.at_top, row.at_bottom) == \
                    (value.unit, value.top, value.bottom), where
    computing = results.layers_frame(units="computing")
    assert list(computing["at_top"]) == [v.top for layer in results.layers for v in layer.values]


def test_lrfd_forms_and_layers_of_an_lrfd_run(analyses):
    path = [p for p in EXAMPLES if p.stem == "lrfd_hpile_clays_si"][0]
    results = tarvex.run(path=path)
    loading = results.lrfd_loading
    assert [g.type_code for g in loading.groups] == ["DL", "LL", "W"]
    totals = {t.type: t for t in loading.type_totals}
    for c in loading.combinations:
        # The factored loads are the load types' totals times the factors.
        assert c.horizontal == pytest.approx(
            sum(f * totals[k + 1].horizontal for k, f in enumerate(c.factors)))
        assert c.vertical == pytest.approx(
            sum(f * totals[k + 1].axial for k, f in enumerate(c.factors)))
    # The wind is distributed: its loads by type, unfactored, in every case.
    wind = [[t.type_code for t in case.lrfd_distributed_loads] for case in results.cases]
    assert wind == [["W"], ["W"], ["W"]]
    frame = results.layers_frame()
    cohesion = frame[frame["value"] == "cohesion"]
    assert list(cohesion["unit"]) == ["kPa", "kPa"]
    assert list(cohesion["at_top"]) == [20.0, 80.0]
