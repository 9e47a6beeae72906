"""The plots of the results: a matplotlib figure with the expected axes."""

import numpy as np
import pytest

import tarvex
from conftest import ROOT

import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

pytestmark = pytest.mark.usefixtures("analyses")


@pytest.fixture(autouse=True)
def close_figures():
    yield
    plt.close("all")


def test_response_against_depth_with_depth_downward():
    results = tarvex.run(ROOT / "examples" / "quickstart.tv6")
    # Engineering units by default: depth in ft, moment in kip-ft.
    axes = results.plot()
    assert [ax.get_xlabel() for ax in axes] == [
        "Deflection (in)", "Bending moment (kip-ft)", "Shear (kip)", "Soil reaction p (lb/in)"]
    assert axes[0].get_ylabel() == "Depth below pile head (ft)"
    moment = axes[1].get_lines()[0]
    assert np.allclose(moment.get_xdata(), results.cases[0].moment / 12000.0, rtol=1e-15)
    assert moment.get_ydata()[-1] == 40.0
    axes = results.plot(units="computing")
    assert len(axes) == 4 and axes[0].figure.get_axes() == axes
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
    assert len(results.plot(cases=[2], units="computing")[1].get_lines()) == 2
    with pytest.raises(ValueError):
        results.plot(cases=[7])
    with pytest.raises(TypeError, match="cases="):
        results.plot([2])


def test_plots_draw_into_the_axes_given_and_return_them():
    results = tarvex.run(ROOT / "examples" / "quickstart.tv6")
    fig, (left, right) = plt.subplots(1, 2)
    assert results.plot("moment", ax=left, units="computing") is left
    assert results.cases[2].plot("flexural_rigidity", ax=right, label="EI",
                                 units="computing") is right
    assert len(left.get_lines()) == 4  # the cases and the zero line
    assert [line.get_label() for line in left.get_lines()[:3]] == [
        "Load case 1", "Load case 2", "Load case 3"]
    assert left.get_xlabel() == "Bending moment (lb-in)" and left.yaxis_inverted()
    assert np.array_equal(right.get_lines()[0].get_xdata(), results.cases[2].flexural_rigidity)
    assert right.get_xlabel() == "Bending stiffness EI (lb-in^2)"
    # A second case drawn into the same axes keeps depth downward.
    results.cases[0].plot("flexural_rigidity", ax=right)
    assert right.yaxis_inverted() and len(right.get_lines()) == 2
    # Four panels into four axes of the caller's figure.
    fig, grid = plt.subplots(2, 2)
    assert results.plot(ax=grid.ravel()) == list(grid.ravel())
    with pytest.raises(ValueError, match="holds 2 Axes"):
        results.plot(ax=[left, right])
    with pytest.raises(ValueError, match="cannot plot 'depth'"):
        results.cases[0].plot("depth")


def test_py_curves_and_moment_curvature():
    results = tarvex.run(ROOT / "examples" / "elastic_pipe_clay_uscs.tv6")
    assert results.py_curves
    ax = results.plot_py_curves(units="computing")
    assert len(ax.get_lines()) == len(results.py_curves)
    assert ax.get_xlabel() == "Deflection y (in)"
    assert ax.get_ylabel() == "Soil resistance p (lb/in)"
    first = ax.get_lines()[0]
    assert np.array_equal(first.get_xdata(), results.py_curves[0].y)
    _, given = plt.subplots()
    assert results.plot_py_curves(ax=given) is given

    shaft = tarvex.run(ROOT / "examples" / "quickstart.tv6")
    left, right = shaft.plot_moment_curvature()
    assert left.get_xlabel() == "Curvature (rad/in)"
    assert left.get_ylabel() == "Bending moment (kip-ft)"
    assert right.get_ylabel() == "Bending stiffness EI (kip-in^2)"
    table = shaft.sections[0].thrusts[0]
    assert np.allclose(left.get_lines()[0].get_ydata(), table.moment / 12.0, rtol=1e-15)
    left, right = shaft.plot_moment_curvature(units="computing")
    assert left.get_ylabel() == "Bending moment (kip-in)"
    assert np.array_equal(left.get_lines()[0].get_ydata(), table.moment)
    _, given = plt.subplots()
    assert shaft.plot_moment_curvature("ei", ax=given) is given
    assert np.array_equal(given.get_lines()[0].get_ydata(), table.ei)

    with pytest.raises(ValueError, match="no p-y curves"):
        shaft.plot_py_curves()
