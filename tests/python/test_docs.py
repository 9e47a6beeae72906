"""The Python examples of docs/python.md run as written."""

import re

from conftest import ROOT


def test_examples_of_the_python_guide_run(tmp_path, monkeypatch):
    guide = (ROOT / "docs" / "python.md").read_text()
    blocks = re.findall(r"```python\n(.*?)```", guide, re.S)
    assert len(blocks) == 2
    monkeypatch.chdir(tmp_path)
    namespace = {}
    for block in blocks:
        exec(compile(block, "docs/python.md", "exec"), namespace)
    assert sorted(p.name for p in tmp_path.iterdir()) == [
        "shaft_30.tv6", "shaft_36.tv6", "shaft_42.tv6"]
    assert "42.0                       diameter, in" in (tmp_path / "shaft_42.tv6").read_text()
