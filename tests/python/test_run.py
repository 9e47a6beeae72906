"""tarvex.run: the results of a run as Python objects, the same numbers as the
engine's files, and errors raised with their identity and line."""

import math

import numpy as np
import pytest

import tarvex
from conftest import EXAMPLES, ROOT, comparable

pytestmark = pytest.mark.usefixtures("analyses")

QUICKSTART = ROOT / "examples" / "quickstart.tv6"


@pytest.fixture(scope="module")
def quickstart():
    return tarvex.run(QUICKSTART)


def _lines(text):
    return text.splitlines()


def test_results_are_the_numbers_of_the_engines_files(quickstart, engine, tmp_path):
    """The texts the module returns are the command-line engine's files of the
    same input, and the arrays are the columns its report prints."""
    status, files = engine(QUICKSTART.read_bytes(), tmp_path, "quickstart")
    assert status == 0 and quickstart.result_code == 0 and quickstart.outcome == "normal"
    mine = {"out": _lines(quickstart.report_text), "plt": _lines(quickstart.plot_text),
            "msg": _lines(quickstart.message_text)}
    assert comparable(mine) == comparable(files)
    assert quickstart.title[0].startswith("Quickstart: 36-in reinforced concrete")


def test_node_columns_are_arrays_consistent_with_the_case_values(quickstart):
    assert [c.number for c in quickstart.cases] == [1, 2, 3]
    for case in quickstart.cases:
        assert case.status == "converged" and case.verified
        for name in tarvex.results.NODE_COLUMNS:
            column = getattr(case, name)
            assert isinstance(column, np.ndarray) and column.dtype == np.float64, name
            assert column.shape == (101,), name  # 100 increments
        assert case.depth[0] == 0.0 and case.depth[-1] == pytest.approx(480.0)  # 40 ft in in
        assert np.all(np.diff(case.depth) > 0)
        assert case.head_deflection == case.deflection[0]
        k = np.argmax(np.abs(case.moment))
        assert case.max_moment == case.moment[k] and case.max_moment_depth == case.depth[k]
        assert np.all(case.flexural_rigidity > 0)
    # Case 3 imposes a head deflection of 0.25 in; case 2 a zero head slope.
    assert quickstart.cases[2].head_deflection == pytest.approx(0.25)
    assert quickstart.cases[1].head_rotation == pytest.approx(0.0, abs=1e-12)
    assert quickstart.cases[0].head_shear == pytest.approx(10000.0)


def test_units_sections_and_layers_are_named(quickstart):
    u = quickstart.units
    assert (u.system, u.length, u.force, u.moment, u.force_per_length) == (
        "USCS", "in", "lb", "lb-in", "lb/in")
    assert (u.section_moment, u.curvature) == ("kip-in", "rad/in")
    assert [(l.number, l.short_name) for l in quickstart.layers] == [(1, "SoftClay"),
                                                                       (2, "StfClyBW")]
    assert quickstart.layers[1].top == pytest.approx(120.0)
    (section,) = quickstart.sections
    assert section.number == 1 and section.length == pytest.approx(480.0)
    assert section.thrusts, "the axial load of 100 kips asks for a moment-curvature table"
    table = section.thrusts[0]
    assert table.thrust == pytest.approx(100.0)  # kips
    assert len(table) == len(table.curvature) == len(table.flags) > 10
    assert np.all(np.diff(table.curvature) > 0)
    assert table.nominal_moment_capacity >= table.moment.max() * 0.9
    assert quickstart.stiffness is None and quickstart.error is None and quickstart.ok


def test_frames(quickstart):
    import pandas  # noqa: F401
    frame = quickstart.cases_frame(units=None)
    assert list(frame["number"]) == [1, 2, 3]
    assert list(frame["max_moment"]) == [c.max_moment for c in quickstart.cases]
    nodes = quickstart.cases[0].to_frame(units=None)
    assert len(nodes) == 101
    assert np.array_equal(nodes["moment"].to_numpy(), quickstart.cases[0].moment)
    table = quickstart.sections[0].thrusts[0].to_frame(units=None)
    assert np.array_equal(table["ei"].to_numpy(), quickstart.sections[0].thrusts[0].ei)


def test_a_model_a_text_bytes_and_a_path_run_alike(quickstart):
    text = QUICKSTART.read_text()
    runs = [tarvex.run(tarvex.read_input(QUICKSTART)), tarvex.run(text=text),
            tarvex.run(text=text.encode()), tarvex.run(text.encode()),
            tarvex.run(path=str(QUICKSTART)), tarvex.run(path=QUICKSTART)]
    for again in runs:
        assert again == quickstart
    # A str without a keyword is still taken as before, with a warning that
    # says how to name it.
    with pytest.warns(DeprecationWarning, match=r"took it as a text; .* run\(text=\.\.\.\)"):
        assert tarvex.run(text) == quickstart
    with pytest.warns(DeprecationWarning, match=r"took it as a path; .* run\(path=\.\.\.\)"):
        assert tarvex.run(str(QUICKSTART)) == quickstart
    for wrong in ({}, {"text": text, "path": QUICKSTART}, {"path": text.encode()},
                  {"text": QUICKSTART}):
        with pytest.raises(TypeError):
            tarvex.run(**wrong)


def _with_line(text, old, new):
    assert old in text
    return text.replace(old, new, 1)


QUICK = QUICKSTART.read_text()
BAD_INPUTS = [
    # (what, input, exception, identity prefix, line number or None)
    ("unknown option word", _with_line(QUICK, "Loading STATIC     1", "Loading SOMETIMES 1"),
     tarvex.InputError, "INP", QUICK.splitlines().index("Loading STATIC     1") + 1),
    ("negative section length",
     _with_line(QUICK, "40.0                       section length",
                "-40.0                      section length"),
     tarvex.InputError, "INP", None),
    ("empty input", "", tarvex.InputError, "INP", None),
    ("head deflection beyond the limit",
     _with_line(_with_line(_with_line(QUICK, "MaxDeflection 10.0", "MaxDeflection 0.01"),
                           "1  1  10000.0  240000.0", "1  1  900000.0  240000.0"),
                "3  4      0.25 ", "3  4      0.005"),
     tarvex.AnalysisError, "RUN", None),
]


@pytest.mark.parametrize("what,text,exception,prefix,line", BAD_INPUTS,
                         ids=[b[0] for b in BAD_INPUTS])
def test_errors_raise_with_identity_code_and_line(what, text, exception, prefix, line, tmp_path):
    path = tmp_path / "bad.tv6"
    path.write_text(text)
    with pytest.raises(exception) as raised:
        tarvex.run(path)
    e = raised.value
    assert e.identity.startswith(prefix) and len(e.identity) == 8
    assert e.code == int(e.identity[3:]) + (100 if prefix == "INP" else 200)
    assert e.message and e.file == str(path)
    if line is not None:
        assert e.line_number == line and f"line {line}" in str(e)
        with pytest.warns(DeprecationWarning, match="use .line_number"):
            assert e.line == line
    assert e.results.result_code == e.code and e.results.error.identity == e.identity
    # The same run without the check returns the results and its error.
    results = tarvex.run(text=text, check=False)
    assert not results.ok and results.error.identity == e.identity
    assert results.error.file is None


def test_a_missing_file_raises_file_not_found(tmp_path):
    with pytest.raises(FileNotFoundError):
        tarvex.run(tmp_path / "nothing.tv6")


def _same(a, b, where="results"):
    """Asserts two results hold the same values, naming the first that
    differs, and that their report texts are the same but for the lines
    that name the date and the files."""
    import dataclasses
    if dataclasses.is_dataclass(a):
        assert type(a) is type(b), where
        for f in dataclasses.fields(a):
            if f.compare:
                _same(getattr(a, f.name), getattr(b, f.name), f"{where}.{f.name}")
        if isinstance(a, tarvex.Results) and a.report_text is not None \
                and b.report_text is not None:
            assert a == b
            assert comparable({"out": _lines(a.report_text), "plt": None, "msg": None}) == \
                comparable({"out": _lines(b.report_text), "plt": None, "msg": None}), where
            assert (a.plot_text, a.message_text) == (b.plot_text, b.message_text), where
    elif isinstance(a, np.ndarray):
        assert np.array_equal(a, b), where
    elif isinstance(a, (list, tuple)):
        assert len(a) == len(b), where
        for i, (x, y) in enumerate(zip(a, b)):
            _same(x, y, f"{where}[{i}]")
    elif isinstance(a, float) and math.isnan(a):
        assert math.isnan(b), where
    else:
        assert a == b, where


@pytest.mark.parametrize("path", EXAMPLES, ids=lambda p: p.stem)
def test_rewritten_example_gives_the_same_results(path):
    original = tarvex.run(path.read_bytes(), check=False)
    rewritten = tarvex.run(text=tarvex.read_input(path).to_input(), check=False)
    _same(rewritten, original)


def test_run_many_equals_serial_runs():
    models = []
    base = tarvex.read_input(QUICKSTART)
    for shear in (2000.0, 5000.0, 10000.0, 15000.0, 20000.0):
        base.load_cases = [tarvex.ShearMoment(shear=shear, moment=0.0, axial=100000.0)]
        models.append(base.to_input())
    sources = [*EXAMPLES, *models, *EXAMPLES]
    serial = [tarvex.run(text=s, check=False) if isinstance(s, str) else tarvex.run(s, check=False)
              for s in sources]
    parallel = tarvex.run_many(sources, workers=4, check=False)
    assert len(parallel) == len(sources)
    for i, (a, b) in enumerate(zip(parallel, serial)):
        _same(a, b, f"run {i}")
    head = [r.cases[0].head_deflection for r in parallel[len(EXAMPLES):len(EXAMPLES) + 5]]
    assert head == sorted(head) and head[0] > 0


def test_run_many_raises_the_first_error_in_order():
    bad = BAD_INPUTS[0][1]
    for sources in ([QUICKSTART, bad, ""], [QUICKSTART] * 17 + [bad] + [QUICKSTART] * 5 + [""]):
        for workers in (1, 2):
            with pytest.raises(tarvex.InputError) as raised:
                tarvex.run_many(sources, workers=workers)
            assert raised.value.line_number == BAD_INPUTS[0][4]
    runs = tarvex.run_many([QUICKSTART] * 17 + [bad], workers=2, check=False)
    assert [r.ok for r in runs] == [True] * 17 + [False]
    with pytest.raises(ValueError):
        tarvex.run_many([QUICKSTART], workers=0)
    assert tarvex.run_many([], workers=3) == []


def test_run_many_as_the_first_call_of_an_interpreter():
    """Threads that make their first NumPy arrays at the same time must not
    wait on each other for ever."""
    import subprocess
    import sys
    code = ("import tarvex; rs = tarvex.run_many([%r] * 6, workers=3); "
            "print(sum(len(r.cases) for r in rs))" % str(QUICKSTART))
    for _ in range(3):
        done = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                              timeout=300)
        assert done.returncode == 0, done.stderr
        assert done.stdout.split() == ["18"]


def test_studies_are_tables_of_arrays():
    import pandas  # noqa: F401
    model = tarvex.read_input(QUICKSTART)
    model.options.compute_kmatrix = True
    model.load_cases = [tarvex.ShearMoment(shear=10000.0, moment=0.0, axial=100000.0,
                                           length_study=True)]
    results = tarvex.run(model)
    study = results.cases[0].length_study
    assert study.load_case == 1 and study.full_length == pytest.approx(480.0)
    assert 0 < len(study) <= study.lengths_analysed <= 20 and study.ended_by
    assert study.length[0] == pytest.approx(480.0) and np.all(np.diff(study.length) < 0)
    assert list(study.to_frame().columns) == ["length [ft]", "head_deflection [in]",
                                              "head_shear [kip]", "max_moment [kip-ft]",
                                              "max_shear [kip]"]
    k = results.stiffness
    assert k.complete and k.cases_converged == 20 and k.ended_by == "all cases"
    assert len(k) == 10 and np.all(k.k22 > 0) and np.all(k.k33 > 0)
    assert np.allclose(k.k22, k.shear_reaction_1 / k.deflection)
    assert k.to_frame().shape == (10, 12)
    assert quickstart_has_no_studies()


def quickstart_has_no_studies():
    r = tarvex.run(QUICKSTART)
    return r.stiffness is None and all(c.length_study is None for c in r.cases)


def _written_bad_inputs(folder):
    """The inputs of BAD_INPUTS that end with an error of a line or of the
    run, written to files."""
    folder.mkdir(exist_ok=True)
    paths = []
    for what, text, _, _, _ in BAD_INPUTS:
        path = folder / (what.replace(" ", "_") + ".tv6")
        path.write_text(text)
        paths.append(path)
    return paths


@pytest.mark.parametrize("which", [p.stem for p in EXAMPLES] + ["bad inputs"])
def test_results_read_from_the_json_file_equal_a_run_in_process(which, tmp_path):
    """Results.from_json of the results file the command line writes for an
    input equals tarvex.run of the same input: every value, and the error of
    a run that ends with one."""
    import subprocess

    from conftest import engine_path

    cli = engine_path()
    paths = [ROOT / "examples" / f"{which}.tv6"] if which != "bad inputs" else \
        _written_bad_inputs(tmp_path / "inputs")
    for path in paths:
        folder = tmp_path / path.stem
        subprocess.run([cli, str(path), "-o", str(folder), "--json"], capture_output=True,
                       timeout=300)
        from_file = tarvex.Results.from_json(folder / f"{path.stem}.json")
        in_process = tarvex.run(path, check=False)
        _same(from_file, in_process, path.stem)
        assert from_file == in_process
        assert from_file.report_text is None and in_process.report_text
    if which == "bad inputs":
        assert from_file.error is not None and from_file.outcome == "runtime_error"


def test_a_file_that_is_no_results_file_raises_value_error(tmp_path):
    for text, match in (("{", "not a results file"), ("[1, 2]", "no format_version"),
                        ('{"format_version": 2}', "format 2; this version of tarvex reads "
                                                  "format 1"),
                        ('{"format_version": 1, "units": {}}', "not a results file")):
        (tmp_path / "r.json").write_text(text)
        with pytest.raises(ValueError, match=match):
            tarvex.Results.from_json(tmp_path / "r.json")
    with pytest.raises(FileNotFoundError):
        tarvex.Results.from_json(tmp_path / "none.json")


def test_run_many_takes_a_list_not_one_input():
    """One input given where a list is expected: a TypeError saying so, not
    a run of each of its characters."""
    for one in (str(QUICKSTART), QUICKSTART, QUICK, QUICK.encode(), tarvex.read_input(QUICKSTART)):
        with pytest.raises(TypeError, match="run_many takes a list of inputs"):
            tarvex.run_many(one)


def _slow_input():
    """The quickstart shaft with 100 load cases of 100 axial thrusts: 100
    moment-curvature tables, about a quarter of a second of one processor."""
    head = QUICK.split("LOADING\n")[0]
    cases = [f"{k}  1  5000.0  0.0  {1000.0 * k}  1" for k in range(1, 101)]
    return head + "LOADING\n100\n" + "\n".join(cases) + "\n0\nEND\n"


def test_a_cancelled_batch_ends_after_its_current_run():
    from tarvex import _tarvex
    import threading
    import time
    text = _slow_input().encode()
    cancel = _tarvex.Cancel()
    assert _tarvex.analyse_batch([(False, text)] * 3, cancel) and not cancel.is_set()
    cancel.set()
    assert _tarvex.analyse_batch([(False, text)] * 3, cancel) == []
    # Set while the batch runs: the runs after the current one are dropped.
    cancel = _tarvex.Cancel()
    started = time.perf_counter()
    threading.Timer(0.1, cancel.set).start()
    done = _tarvex.analyse_batch([(False, text)] * 50, cancel)
    assert 1 <= len(done) < 50 and time.perf_counter() - started < 25


def test_ctrl_c_in_run_many_stops_within_one_run():
    """Ctrl-C drops the queued inputs and waits only for the runs in
    progress, not for whole batches of them."""
    import subprocess
    import sys
    code = f"""
import os, signal, threading, time, tarvex
text = {_slow_input()!r}
t0 = time.perf_counter(); tarvex.run(text, check=False); one = time.perf_counter() - t0
sent = []
def interrupt():
    sent.append(time.perf_counter())
    os.kill(os.getpid(), signal.SIGINT)
# Once the first runs of every worker's first batch of 16 are under way.
threading.Timer(1.5 * one, interrupt).start()
try:
    tarvex.run_many([text] * 128, workers=2, check=False)
except KeyboardInterrupt:
    print(one, time.perf_counter() - sent[0])
"""
    done = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                          timeout=600)
    assert done.returncode == 0, done.stderr
    one, stopped = map(float, done.stdout.split())
    # A batch holds 16 runs; waiting for it would take about 14 runs more.
    assert stopped < 6 * one, (one, stopped)


def test_a_run_that_fails_raises_without_printing(capfd):
    with pytest.raises(tarvex.AnalysisError) as raised:
        tarvex.run(path="/dev/null")
    assert raised.value.identity == "RUN00007"
    assert "it is a device" in str(raised.value)
    assert capfd.readouterr().err == ""
