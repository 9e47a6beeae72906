"""Interaction diagrams from Python: the transverse reinforcement of a
section written and read as the engine reads it, and the diagrams and
demands of a run as dataclasses, a DataFrame and a plot, the same numbers
as the results file of the command line."""

import dataclasses
import json
import subprocess

import numpy as np
import pytest

import tarvex as tv
from conftest import ROOT, engine_path

QUICKSTART = (ROOT / "examples" / "quickstart.tv6").read_text()


def with_diagrams(text):
    return text.replace("ComputeInteraction NO\n", "ComputeInteraction YES\nCode ACI318\n", 1)


def test_transverse_reinforcement_is_written_after_sections_and_read_back():
    old = tv.read_input(text=QUICKSTART)
    assert old.sections[0].transverse is None
    assert "TRANSVERSE REINFORCEMENT" not in old.to_input()

    model = tv.read_input(text=with_diagrams(QUICKSTART))
    model.sections[0].transverse = "SPIRAL"
    text = model.to_input()
    lines = text.splitlines()
    at = lines.index("TRANSVERSE REINFORCEMENT")
    assert lines.index("SECTIONS") < at < lines.index("SOIL LAYERS")
    assert lines[at + 1].split()[0] == "1" and lines[at + 2].split()[:2] == ["1", "SPIRAL"]
    back = tv.read_input(text=text)
    assert back == model
    assert back.sections[0].transverse == "SPIRAL"


@pytest.mark.parametrize("edit, message", [
    (lambda t: t.replace("SECTIONS\n", "TRANSVERSE REINFORCEMENT\n1\n1 TIED\nSECTIONS\n", 1),
     "opens TRANSVERSE REINFORCEMENT before SECTIONS"),
    (lambda t: t.replace("SOIL LAYERS\n", "TRANSVERSE REINFORCEMENT\n1\n1 spiral\nSOIL LAYERS\n",
                         1),
     'gives "spiral" as the transverse reinforcement of section 1'),
    (lambda t: t.replace("SOIL LAYERS\n", "TRANSVERSE REINFORCEMENT\n1\n2 TIED\nSOIL LAYERS\n", 1),
     "gives 2 as a section number, which must be from 1 to 1"),
])
def test_transverse_reinforcement_it_cannot_read(edit, message):
    with pytest.raises(tv.InputError, match=message):
        tv.read_input(text=edit(QUICKSTART))


def test_checks_name_a_transverse_reinforcement_that_is_no_choice():
    model = tv.read_input(text=QUICKSTART)
    model.sections[0].transverse = "hoops"
    with pytest.raises(tv.ModelError, match=r"sections\[0\].transverse: 'hoops' is not one of"):
        model.validate()


@pytest.mark.usefixtures("analyses")
def test_diagrams_and_demands_of_a_run(tmp_path):
    model = tv.read_input(text=with_diagrams(QUICKSTART))
    results = tv.run(model)
    it = results.sections[0].interaction
    assert isinstance(it, tv.InteractionResult) and dataclasses.is_dataclass(it)
    assert it.covered
    assert (it.code, it.standard, it.transverse, it.transverse_source) == (
        "ACI318", "ACI 318-19", "tied", "default")
    # 36 in shaft, 12 #9, f'c 4 ksi, fy 60 ksi: P0 = 4140.0 kips, in pounds.
    assert it.pure_compression == pytest.approx(4139978.47, abs=0.01)
    frame = it.frame(units=None)
    assert list(frame.columns) == ["nominal_axial", "nominal_moment", "factored_axial",
                                   "factored_moment", "phi"]
    assert frame.attrs["units"]["nominal_axial"] == "lb"
    assert frame.attrs["units"]["factored_moment"] == "lb-in"
    # In engineering units, P0 is 4140 kips.
    assert it.frame()["nominal_axial [kip]"].iloc[0] == pytest.approx(4139.97847, abs=1e-5)
    assert len(frame) >= 40
    assert frame["phi"].between(0.65, 0.90).all()
    assert [d.load_case for d in it.demands] == [1, 2, 3]
    assert it.max_utilisation == max(d.utilisation for d in it.demands)
    assert all(d.passed for d in it.demands)
    assert list(it.demands_frame()["load_case"]) == [1, 2, 3]
    assert repr(it).startswith("<InteractionResult ACI 318-19: ")

    # The command line's results file holds the same numbers, and reads back
    # into equal objects.
    cli = engine_path()
    path = tmp_path / "shaft.tv6"
    path.write_text(model.to_input())
    subprocess.run([cli, str(path), "--json"], check=True, capture_output=True, timeout=300)
    data = json.loads(path.with_suffix(".json").read_text())["sections"][0]["interaction"]
    assert np.array_equal(it.nominal.axial, [p["axial"] for p in data["nominal"]])
    assert np.array_equal(it.factored.moment, [p["moment"] for p in data["factored"]])
    assert np.array_equal(it.phi, data["phi"])
    assert (it.balanced.axial, it.balanced.moment) == (data["balanced"]["axial"],
                                                       data["balanced"]["moment"])
    assert [d.utilisation for d in it.demands] == [d["utilisation"] for d in data["demands"]]
    assert [d.capacity.moment for d in it.demands] == [
        d["capacity"]["moment"] for d in data["demands"]]
    assert tv.Results.from_json(path.with_suffix(".json")).sections[0].interaction == it

    assert results.plot_interaction()[0].get_xlabel() == "Bending moment (kip-ft)"
    (ax,) = results.plot_interaction(units="computing")
    assert ax.get_xlabel() == "Bending moment (lb-in)"
    assert ax.get_ylabel() == "Axial force, compression positive (lb)"
    nominal, design, demands = ax.get_lines()[:3]
    assert np.array_equal(nominal.get_ydata(), it.nominal.axial)
    assert len(demands.get_xdata()) == 3


@pytest.mark.usefixtures("analyses")
def test_without_diagrams_and_sections_without_one():
    assert tv.run(ROOT / "examples" / "quickstart.tv6").sections[0].interaction is None
    hpile = tv.run(text=(ROOT / "examples" / "hpile_loess_cyclic_uscs.tv6").read_text().replace(
        "ComputeInteraction NO\n", "ComputeInteraction YES\nCode AASHTO\n", 1))
    it = hpile.sections[0].interaction
    assert not it.covered and it.note.startswith("Not covered: an elastic-plastic section")
    assert len(it.nominal) == 0 and it.demands == []
    with pytest.raises(ValueError, match="no interaction diagram to plot"):
        hpile.plot_interaction()
