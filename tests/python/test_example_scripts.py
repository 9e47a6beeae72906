"""The example scripts of examples/python run and write their figures."""

import os
import subprocess
import sys

import pytest

from conftest import ROOT

pytestmark = pytest.mark.usefixtures("analyses")


def test_load_deflection_writes_the_two_curves(tmp_path):
    import matplotlib  # noqa: F401  (the scripts plot)
    import tarvex
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(
        [str(tarvex.__file__.rsplit(os.sep, 2)[0]), os.environ.get("PYTHONPATH", "")]))
    done = subprocess.run([sys.executable, str(ROOT / "examples/python/load_deflection.py"),
                           str(tmp_path)], capture_output=True, text=True, env=env, timeout=600)
    assert done.returncode == 0, done.stderr
    for name in ("load_deflection.png", "load_moment.png"):
        data = (tmp_path / name).read_bytes()
        assert data.startswith(b"\x89PNG\r\n\x1a\n") and len(data) > 10000, name
    rows = [line.split() for line in done.stdout.splitlines()[1:21]]
    shears = [float(r[0]) for r in rows]
    deflections = [float(r[1]) for r in rows]
    moments = [float(r[2]) for r in rows]
    assert shears == [5.0 * (i + 1) for i in range(20)]
    # More shear, more deflection and moment; a nonlinear soil softens.
    assert deflections == sorted(deflections) and moments == sorted(moments)
    assert deflections[-1] / deflections[0] > 20.0
