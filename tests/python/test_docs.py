"""The Python examples of docs/python.md run as written."""

import re

import pytest

from conftest import ROOT


def guide_blocks():
    """The guide's Python blocks: those that build models, and those that
    run analyses with tarvex.run."""
    guide = (ROOT / "docs" / "python.md").read_text()
    blocks = re.findall(r"```python\n(.*?)```", guide, re.S)
    running = [b for b in blocks if "tarvex.run" in b]
    assert len(blocks) == 6 and len(running) == 4
    return [b for b in blocks if b not in running], blocks


def run_blocks(blocks, tmp_path, monkeypatch):
    (tmp_path / "examples").symlink_to(ROOT / "examples")
    monkeypatch.chdir(tmp_path)
    namespace = {}
    for block in blocks:
        exec(compile(block, "docs/python.md", "exec"), namespace)
    assert sorted(p.name for p in tmp_path.glob("*.tv6")) == [
        "shaft_30.tv6", "shaft_36.tv6", "shaft_42.tv6"]
    assert "42.0                       diameter, in" in (tmp_path / "shaft_42.tv6").read_text()
    return namespace


def test_model_examples_of_the_python_guide_run(tmp_path, monkeypatch):
    models, _ = guide_blocks()
    run_blocks(models, tmp_path, monkeypatch)


@pytest.mark.usefixtures("analyses")
def test_every_example_of_the_python_guide_runs(tmp_path, monkeypatch):
    _, blocks = guide_blocks()
    namespace = run_blocks(blocks, tmp_path, monkeypatch)
    assert [len(r.cases) for r in namespace["runs"]] == [1] * 20
    assert namespace["deflection"] == sorted(namespace["deflection"])
