"""The plots of the results: a matplotlib figure with the expected axes."""

import matplotlib
import numpy as np
import pytest

import tarvex
from conftest import ROOT

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

pytestmark = pytest.mark.usefixtures("analyses")


@pytest.fixture(autouse=True)
def close_figures():
    yield
    plt.close("all")


def test_response_against_depth_with_depth_downward():
    results = tarvex.run(ROOT / "examples" / "quickstart.tv6")
    fig = results.plot()
    axes = fig.get_axes()
    assert [ax.get_xlabel() for ax in axes] == [
        "Deflection (in)", "Bending moment (lb-in)", "Shear (lb)", "Soil reaction p (lb/in)"]
    assert axes[0].get_ylabel() == "Depth below pile head (in)"
    assert axes[0].yaxis_inverted()
    for ax, column in zip(axes, ("deflection", "moment", "shear", "soil_reaction")):
        lines = ax.get_lines()[:3]  # one per case, then the zero line
        assert [line.get_label() for line in lines] == ["Load case 1", "Load case 2",
                                                        "Load case 3"]
        for line, case in zip(lines, results.cases):
            assert np.array_equal(line.get_xdata(), getattr(case, column))
            assert np.array_equal(line.get_ydata(), case.depth)
    assert len(results.plot(cases=[2]).get_axes()[1].get_lines()) == 2
    with pytest.raises(ValueError):
        results.plot(cases=[7])


def test_py_curves_and_moment_curvature():
    results = tarvex.run(ROOT / "examples" / "elastic_pipe_clay_uscs.tv6")
    assert results.py_curves
    (ax,) = results.plot_py_curves().get_axes()
    assert len(ax.get_lines()) == len(results.py_curves)
    assert ax.get_xlabel() == "Deflection y (in)"
    assert ax.get_ylabel() == "Soil resistance p (lb/in)"
    first = ax.get_lines()[0]
    assert np.array_equal(first.get_xdata(), results.py_curves[0].y)

    shaft = tarvex.run(ROOT / "examples" / "quickstart.tv6")
    left, right = shaft.plot_moment_curvature().get_axes()
    assert left.get_xlabel() == "Curvature (rad/in)"
    assert left.get_ylabel() == "Bending moment (kip-in)"
    assert right.get_ylabel() == "Bending stiffness EI (kip-in^2)"
    table = shaft.sections[0].thrusts[0]
    assert np.array_equal(left.get_lines()[0].get_ydata(), table.moment)

    with pytest.raises(ValueError, match="no p-y curves"):
        shaft.plot_py_curves()
