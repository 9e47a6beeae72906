"""The Python guide (docs/python.md) runs as written, prints what it says it
prints, and makes every figure it shows."""

import re

import pytest

import guide
from conftest import engine_path


def test_the_model_blocks_of_the_python_guide_run(tmp_path):
    """The blocks that build inputs run without the compiled module."""
    guide.run(tmp_path, None, model_part_only=True)
    names = sorted(p.name for p in tmp_path.glob("*.tv6"))
    assert names == ["shaft_30.tv6", "shaft_36.tv6", "shaft_42.tv6"]


@pytest.mark.usefixtures("analyses")
def test_the_python_guide_runs_and_makes_its_figures(tmp_path, capsys):
    engine = engine_path()
    namespace = guide.run(tmp_path, engine)
    printed = capsys.readouterr().out

    # The reprs the guide shows in its comments are the ones printed.
    shown = re.findall(r"# (<[A-Z]\w+ [^\n]*>)", "".join(guide.blocks()))
    assert len(shown) >= 5
    for text in shown:
        assert text in printed, text

    figures = guide.figures()
    assert len(figures) >= 4
    for name in figures:
        data = (tmp_path / name).read_bytes()
        assert data.startswith(b"\x89PNG\r\n\x1a\n") and len(data) > 10000, name
    assert namespace["from_file"] == namespace["results"]
    curve = namespace["curve"]
    assert len(curve) == 20 and not curve["failed"].any()
    assert namespace["deflection"] == sorted(namespace["deflection"])
    assert sorted(p.name for p in tmp_path.glob("shaft_*.tv6")) == [
        "shaft_30.tv6", "shaft_36.tv6", "shaft_42.tv6"]
    assert "42.0                       diameter, in" in (tmp_path / "shaft_42.tv6").read_text()
