"""Load-deflection curves: tarvex.load_deflection up to the first level that
fails, each point the single run of its load; the command line's curves
(--load-steps) read back from its results file; the pile-head stiffness of
every load case."""

import dataclasses
import json
import subprocess

import numpy as np
import pytest

import tarvex
from conftest import ROOT, engine_path

QUICKSTART = ROOT / "examples" / "quickstart.tv6"


@pytest.fixture(scope="module")
def shaft(analyses):
    return tarvex.read_input(QUICKSTART)


def single_run(model, case):
    """The model with ``case`` as its only load case, as load_deflection runs it."""
    options = dataclasses.replace(model.options, compute_kmatrix=False, print_py_curves=False)
    return tarvex.run(dataclasses.replace(model, load_cases=[case], options=options,
                                          py_print_depths=[]), check=False)


def test_up_to_failure_each_point_is_the_single_run(shaft):
    """The quick-start shaft (free head, 20 ft-kips, 100 kips axial) under
    head shears of 5 to 60 kips: the curve stops at the first shear the shaft
    does not take, with its error, and every earlier point is the run of
    that shear alone."""
    import pandas  # noqa: F401
    shears = [5000.0 * k for k in range(1, 13)]  # lb, the input's unit
    frame = tarvex.load_deflection(shaft, shears=shears, workers=2, units=None)
    failed = frame.index[frame["failed"]].tolist()
    assert len(failed) == 1 and failed[0] == len(frame) - 1, frame
    assert 2 <= len(frame) < len(shears)
    last = frame.iloc[-1]
    assert last["error"] == "RUN00010"
    assert "failed to converge" in last["message"]
    assert np.isnan(last["head_deflection"])
    assert list(frame["shear"]) == shears[:len(frame)]
    assert list(frame["moment"]) == [240000.0] * len(frame)  # the case's own moment
    for i, row in frame.iloc[:-1].iterrows():
        alone = single_run(shaft, tarvex.ShearMoment(shear=row["shear"], moment=240000.0,
                                                      axial=100000.0))
        case = alone.cases[0]
        assert alone.ok and not row["failed"] and row["error"] == ""
        for key in ("head_deflection", "head_rotation", "head_shear", "max_moment",
                    "max_moment_depth", "iterations"):
            assert row[key] == getattr(case, key), (i, key)
    # The failing shear alone fails the same way.
    alone = single_run(shaft, tarvex.ShearMoment(shear=last["shear"], moment=240000.0,
                                                  axial=100000.0))
    assert alone.error is not None and alone.error.identity == last["error"]
    # Softening: each further 5 kips moves the head further than the last.
    steps = np.diff(frame["head_deflection"].to_numpy()[:-1])
    assert np.all(np.diff(steps) > 0)


def test_imposed_deflections_and_engineering_units(shaft):
    """Case 3 (an imposed head deflection) at four deflections, in the
    default engineering units: the columns named with their units, the head
    shear in kip."""
    import pandas  # noqa: F401
    frame = tarvex.load_deflection(shaft, deflections=[0.05, 0.1, 0.15, 0.25], case=3)
    assert list(frame.columns[:4]) == ["level", "deflection [in]", "moment [kip-ft]",
                                       "head_shear [kip]"]
    assert frame.attrs["units"]["head_shear [kip]"] == "kip"
    assert not frame["failed"].any()
    alone = single_run(shaft, tarvex.DeflectionMoment(deflection=0.25, moment=0.0,
                                                      axial=100000.0))
    assert frame["head_shear [kip]"].iloc[-1] == pytest.approx(alone.cases[0].head_shear / 1000,
                                                               rel=1e-15)
    assert np.all(np.diff(frame["head_shear [kip]"]) > 0)
    # The path of an input file does as its model does.
    by_path = tarvex.load_deflection(QUICKSTART, deflections=[0.25], case=3)
    assert by_path["head_shear [kip]"].iloc[0] == frame["head_shear [kip]"].iloc[-1]
    # A fixed head (case 2) given deflections keeps its zero slope.
    fixed = tarvex.load_deflection(shaft, deflections=[0.01], case=2, units=None)
    assert "moment" not in fixed.columns
    assert fixed["head_rotation"].iloc[0] == pytest.approx(0.0, abs=1e-15)


@pytest.mark.parametrize("call, error", [
    (dict(shears=[1.0], deflections=[0.1]), TypeError),
    (dict(), TypeError),
    (dict(shears=[1.0], case=4), ValueError),
    (dict(shears=[1.0, 2.0], moments=[0.0]), ValueError),
    (dict(shears=[1.0], moments=[0.0], case=2), ValueError),
    (dict(shears=[]), ValueError),
    (dict(shears=[1.0], units="SI"), ValueError),
])
def test_what_it_refuses(shaft, call, error):
    with pytest.raises(error):
        tarvex.load_deflection(shaft, **call)


def test_an_lrfd_model_has_no_load_cases(analyses):
    model = tarvex.read_input(ROOT / "examples" / "lrfd_hpile_clays_si.tv6")
    with pytest.raises(ValueError, match="LRFD"):
        tarvex.load_deflection(model, shears=[10.0])


def test_command_line_curves_and_stiffness_read_back(analyses, tmp_path):
    """--load-steps writes each case's curve into the results file; Python
    reads it back into LoadCurve objects whose last level is the case, and
    the head stiffness equals that of tarvex.run."""
    cli = engine_path()
    done = subprocess.run([cli, str(QUICKSTART), "-o", str(tmp_path), "--json",
                           "--load-steps", "4"], capture_output=True, text=True, timeout=300)
    assert done.returncode == 0, done.stdout + done.stderr
    results = tarvex.Results.from_json(tmp_path / "quickstart.json")
    direct = tarvex.run(path=QUICKSTART)
    for case, same in zip(results.cases, direct.cases):
        curve = case.load_curve
        assert curve is not None and same.load_curve is None
        assert (curve.steps, len(curve), curve.failed_level, curve.failure) == (4, 4, 0, None)
        assert curve.level == [1, 2, 3, 4]
        assert curve.head_deflection[-1] == case.head_deflection
        assert np.all(curve.factor == [0.25, 0.5, 0.75, 1.0])
        assert case.head_stiffness == same.head_stiffness
        assert case.head_stiffness.k23 == pytest.approx(case.head_stiffness.k32, rel=1e-9)
    frame = results.load_curves_frame()
    assert len(frame) == 12 and list(frame["case"]) == [1] * 4 + [2] * 4 + [3] * 4
    assert frame["head_deflection [in]"].iloc[3] == results.cases[0].head_deflection
    data = json.loads((tmp_path / "quickstart.json").read_text())
    assert data["cases"][0]["head_stiffness"]["tangent"][0][0] == \
        results.cases[0].head_stiffness.k22
