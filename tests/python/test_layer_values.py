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
