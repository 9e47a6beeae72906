"""Studies (tarvex.studies): paths into the model, sweeps that are the single
runs they stand for, failures kept as rows, Monte Carlo tables that are the
same on every executor, the exceedance probability of the worked example
against its closed form, the tornado study, the plots and the command
line."""

import concurrent.futures
import math
import os
import subprocess
import sys
import threading
import time
import tomllib

import numpy as np
import pytest

import tarvex
from conftest import ROOT
from tarvex import studies

import pandas as pd
import scipy.stats as scipy_stats

QUICKSTART = ROOT / "examples" / "quickstart.tv6"
ELASTIC = ROOT / "examples" / "studies" / "elastic_shaft.tv6"


@pytest.fixture
def quickstart():
    return tarvex.read_input(path=QUICKSTART)


# -- paths --------------------------------------------------------------------

@pytest.mark.parametrize("path, value, expected", [
    ("sections[0].length", 35.0, 35.0),
    ("sections[0].concrete.fc", 5000.0, 5000.0),
    ("sections[0].bars.cover", 2.5, 2.5),
    ("soil_layers[1].cohesion[0]", 2500.0, (2500.0, 3500.0)),   # the top of the layer
    ("soil_layers[1].cohesion", 2500.0, (2500.0, 2500.0)),      # top and bottom
    ("soil_layers[-1].k[1]", np.float64(900.0), (1000.0, 900.0)),
    ("load_cases[2].deflection", 0.5, 0.5),
    ("options.increments", np.int64(120), 120),
])
def test_a_path_sets_the_value_it_names(quickstart, path, value, expected):
    studies.set_value(quickstart, path, value)
    holder = path.rsplit("[", 1)[0] if path.endswith("]") else path
    got = studies.get_value(quickstart, holder if isinstance(expected, tuple) else path)
    assert got == expected
    # The model holds Python numbers, as it does when built by hand.
    for item in got if isinstance(got, tuple) else (got,):
        assert type(item) in (int, float), type(item)
    assert tarvex.read_input(text=quickstart.to_input()) == quickstart


@pytest.mark.parametrize("path, words", [
    ("sections[1].length", "sections holds 1 item(s); there is no [1]"),
    ("sections[0].lenght", "sections[0] (DrilledShaft) has no value 'lenght'; its values are "
                           "length, diameter, concrete, bars"),
    ("soil_layers[0].cohesion[2]", "soil_layers[0].cohesion holds 2 item(s)"),
    ("soil_layers[0].code", "has no value 'code'"),
    ("options[0]", "options (Options) is not a list"),
    ("sections.0.length", "is not a path into the model"),
    ("", "is not a path into the model"),
])
def test_a_path_the_model_does_not_have_is_named_before_any_run(quickstart, path, words):
    with pytest.raises(ValueError) as e:
        tarvex.sweep(quickstart, {path: [1.0]}, executor=1)
    assert words in str(e.value)


# -- sweeps ---------------------------------------------------------------------

@pytest.mark.usefixtures("analyses")
def test_a_sweep_of_pile_length_equals_the_single_runs_bit_for_bit(quickstart):
    lengths = [30.0, 35.0, 40.0, 45.0]
    frame = tarvex.sweep(quickstart, {"sections[0].length": lengths})
    assert quickstart == tarvex.read_input(path=QUICKSTART), "the study changed its model"
    assert frame.attrs["units"]["head_deflection"] == "in"
    assert list(frame["run"]) == [0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3]
    assert list(frame["case"]) == [1, 2, 3] * 4
    for run, length in enumerate(lengths):
        single = tarvex.read_input(path=QUICKSTART)
        single.sections[0].length = length
        results = tarvex.run(single)
        rows = frame[frame["run"] == run]
        assert (rows["sections[0].length"] == length).all()
        for (_, row), case in zip(rows.iterrows(), results.cases):
            for name in studies.RESPONSES + ("iterations",):
                assert row[name] == getattr(case, name), (length, case.number, name)
            assert (row["outcome"], row["result_code"], row["status"]) == (
                "normal", 0, "converged")
            assert row["message"] is None and row["identity"] is None


@pytest.mark.usefixtures("analyses")
def test_grid_and_zip_with_paths_and_edits(quickstart):
    threads = set()

    def shear(model, value):
        threads.add(threading.get_ident())
        for case in model.load_cases[:2]:
            case.shear = value

    grid = tarvex.sweep(quickstart, {"sections[0].length": [35.0, 40.0], shear: [8e3, 12e3]},
                        executor=2, batch_size=1)
    assert len(threads) == 2 and threading.get_ident() not in threads  # two threads of a pool
    first = grid[grid["case"] == 1]
    # The last parameter varies fastest; the edit's column is the function's name.
    assert first[["sections[0].length", "shear"]].values.tolist() == [
        [35.0, 8e3], [35.0, 12e3], [40.0, 8e3], [40.0, 12e3]]
    assert first["head_shear"].tolist() == pytest.approx([8e3, 12e3, 8e3, 12e3], rel=1e-9)
    threads.clear()
    zipped = tarvex.sweep(quickstart, {"sections[0].length": [35.0, 40.0], shear: [8e3, 12e3]},
                          mode="zip", executor=1)
    assert threads == {threading.get_ident()}  # one after the other, in this thread
    assert zipped[zipped["case"] == 1][["sections[0].length", "shear"]].values.tolist() == [
        [35.0, 8e3], [40.0, 12e3]]
    assert list(grid.columns[:4]) == ["run", "sections[0].length", "shear", "case"]
    with pytest.raises(ValueError, match="lists of one length"):
        tarvex.sweep(quickstart, {"sections[0].length": [35.0], shear: [1.0, 2.0]}, mode="zip")
    with pytest.raises(ValueError, match="'grid' or 'zip'"):
        tarvex.sweep(quickstart, {"sections[0].length": [35.0]}, mode="product")


@pytest.mark.usefixtures("analyses")
def test_a_failing_run_is_a_row_with_its_message_and_the_other_runs_are_kept(quickstart):
    def broken(model, value):
        if value:
            raise RuntimeError("no such pile")

    frame = tarvex.sweep(quickstart, {
        "sections[0].length": [40.0, 70.0, -5.0, 40.0],   # 70 ft: below the soil; -5: no pile
        "load_cases[0].shear": [1e4, 1e4, 1e4, 1e8],     # 1e8 lb: the soil does not hold it
        broken: [False, False, False, False]}, mode="zip")
    runs = frame.drop_duplicates("run").set_index("run")
    assert runs["outcome"].tolist() == ["normal", "input_error", "model_error", "runtime_error"]
    assert runs.loc[1, "identity"] == "INP00018" and runs.loc[1, "result_code"] == 118
    assert "lowermost soil layer" in runs.loc[1, "message"]
    assert "sections[0].length: must be positive" in runs.loc[2, "message"]
    assert pd.isna(runs.loc[2, "result_code"]) and pd.isna(runs.loc[2, "case"])
    assert runs.loc[3, "identity"] == "RUN00009" and "excess deflection" in runs.loc[3, "message"]
    assert (frame[frame["run"] == 0]["head_deflection"] > 0).all()
    assert math.isnan(frame[frame["run"] == 1]["head_deflection"].iloc[0])

    edited = tarvex.sweep(quickstart, {broken: [False, True]})
    assert edited["outcome"].drop_duplicates().tolist() == ["normal", "model_error"]
    assert edited["message"].iloc[-1] == "broken = True: RuntimeError: no such pile"


@pytest.mark.usefixtures("analyses")
def test_an_lrfd_sweep_gives_the_check_of_each_combination():
    model = tarvex.read_input(path=ROOT / "examples" / "lrfd_cased_shaft_limestone_si.tv6")
    # The wind moment (kN-m) of the Strength III combinations, to failure.
    frame = tarvex.sweep(model, {"lrfd_groups[2].moment": [600.0, 11000.0, 12000.0]})
    assert frame["case_name"].tolist()[:2] == ["Strength I", "Strength III"]
    normal, windy = (frame[frame["run"] == run].set_index("case") for run in (0, 1))
    assert (normal["lrfd_verdict"] == "pass").all()
    assert windy["lrfd_verdict"].tolist() == ["pass", "fail", "fail", "pass", "pass", "pass"]
    assert (windy.loc[[2, 3], "lrfd_fraction_mobilized"] > 1.0).all()
    # The largest fraction of the combination's two sections.
    single = tarvex.run(model)
    for combination in (1, 2):
        fractions = [r.fraction_mobilized for r in single.lrfd_check
                     if r.combination == combination]
        assert len(fractions) == 2
        assert normal.loc[combination, "lrfd_fraction_mobilized"] == max(fractions)
    # A run that ends with an error keeps the rows of the cases it solved,
    # each with the run's error; the check, made at the end, is missing.
    ended = frame[frame["run"] == 2]
    assert ended["case"].tolist() == [1] and ended["head_deflection"].iloc[0] > 0
    assert ended["outcome"].iloc[0] == "runtime_error" and ended["identity"].iloc[0] == "RUN00009"
    assert ended["lrfd_verdict"].iloc[0] is None


def _lost_future():
    future = concurrent.futures.Future()
    future.set_exception(ConnectionError("worker lost"))
    return future


@pytest.mark.usefixtures("analyses")
def test_the_engine_lets_the_interpreter_lock_go_while_it_analyses():
    """Studies on threads rely on it: while one thread is in the engine,
    Python code of another runs. Were the lock held, the main thread would
    stand still for the whole of the engine's work (most of the worker's
    time); let go, it waits only for its share of the processor."""
    from tarvex import _tarvex
    text = QUICKSTART.read_bytes()
    span = []

    def engine():
        start = time.perf_counter()
        _tarvex.analyse_batch([(False, text)] * 40)
        span.extend((start, time.perf_counter()))

    worker = threading.Thread(target=engine)
    ticks = []
    worker.start()
    while worker.is_alive():
        ticks.append(time.perf_counter())
    worker.join()
    start, end = span
    times = np.array([start] + [t for t in ticks if start < t < end] + [end])
    assert np.diff(times).max() < 0.5 * (end - start), (np.diff(times).max(), end - start)


class _LosesOneBatch(concurrent.futures.ThreadPoolExecutor):
    """An executor whose second batch never comes back, as from a worker that
    died for good."""

    def submit(self, fn, /, *args, **kwargs):
        self.count = getattr(self, "count", 0) + 1
        if self.count == 2:
            return _lost_future()
        return super().submit(fn, *args, **kwargs)


@pytest.mark.usefixtures("analyses")
def test_a_batch_lost_by_the_executor_loses_only_its_runs(quickstart):
    with _LosesOneBatch(2) as pool:
        frame = tarvex.sweep(quickstart, {"sections[0].length": [30.0, 32.0, 34.0, 36.0, 38.0]},
                             executor=pool, batch_size=2)
    runs = frame.drop_duplicates("run").set_index("run")
    assert runs["outcome"].tolist() == ["normal", "normal", "executor_error", "executor_error",
                                        "normal"]
    assert runs.loc[2, "message"] == ("the batch of runs 2 to 3 was lost by the executor: "
                                      "ConnectionError: worker lost")
    # With every batch lost, the table still names the units of the model's system.
    with _LosesOneBatch(2) as pool:
        lost = tarvex.sweep(quickstart, {"sections[0].length": [30.0, 32.0]}, executor=pool,
                            batch_size=1)
    assert lost["outcome"].tolist() == ["normal", "normal", "normal", "executor_error"]
    with concurrent.futures.ThreadPoolExecutor(1) as pool:
        pool.submit = lambda *a, **k: _lost_future()
        nothing = tarvex.sweep(quickstart, {"sections[0].length": [30.0]}, executor=pool)
    assert nothing["outcome"].tolist() == ["executor_error"]
    assert nothing.attrs["units"]["max_moment"] == "lb-in"


# -- Monte Carlo ------------------------------------------------------------------

def test_samples_follow_their_marginals_and_the_copula():
    s, rho = 0.3, 0.6
    draws = {"soil_layers[0].cohesion": scipy_stats.lognorm(s=s, scale=800.0),
             "soil_layers[1].cohesion": scipy_stats.uniform(loc=1500.0, scale=1000.0)}
    a = tarvex.draw_samples(draws, 20000, seed=11, correlation=[[1.0, rho], [rho, 1.0]])
    b = tarvex.draw_samples(draws, 20000, seed=11, correlation=[[1.0, rho], [rho, 1.0]])
    pd.testing.assert_frame_equal(a, b)
    c = a["soil_layers[0].cohesion"].to_numpy()
    u = a["soil_layers[1].cohesion"].to_numpy()
    assert np.log(c).mean() == pytest.approx(math.log(800.0), abs=0.01)
    assert np.log(c).std() == pytest.approx(s, rel=0.02)
    assert u.min() >= 1500.0 and u.max() <= 2500.0
    scores = scipy_stats.norm.ppf((u - 1500.0) / 1000.0)
    assert np.corrcoef(np.log(c), scores)[0, 1] == pytest.approx(rho, abs=0.02)
    independent = tarvex.draw_samples(draws, 20000, seed=11)
    assert abs(np.corrcoef(independent.iloc[:, 0], independent.iloc[:, 1])[0, 1]) < 0.03
    assert (tarvex.draw_samples(draws, 5).attrs["seed"]
            != tarvex.draw_samples(draws, 5).attrs["seed"])
    # The values are the generator's normal scores made into values by the
    # inverse of each distribution, taken from the nearer tail: a standard
    # normal gives back the scores themselves, to the last digits also in
    # the upper tail (ppf of a probability rounded near 1 misses the largest
    # of these, 4.37 standard deviations, by 4e-13).
    scores = np.random.default_rng(3).standard_normal((200000, 1))[:, 0]
    same = tarvex.draw_samples({"x": scipy_stats.norm()}, 200000, seed=3)["x"].to_numpy()
    assert scores.max() > 4.3 and np.abs(same - scores).max() < 1e-14

    for bad, words in [([[1.0, 0.5]], "2 by 2"), ([[1.0, 0.5], [0.4, 1.0]], "symmetric"),
                       ([[1.0, 1.5], [1.5, 1.0]], "between -1 and 1")]:
        with pytest.raises(ValueError, match=words):
            tarvex.draw_samples(draws, 10, correlation=bad)
    three = dict(draws, x=scipy_stats.norm())
    with pytest.raises(ValueError, match="not positive definite"):
        tarvex.draw_samples(three, 10, correlation=[[1, 0.9, -0.9], [0.9, 1, 0.9],
                                                   [-0.9, 0.9, 1]])
    with pytest.raises(TypeError, match="frozen scipy.stats distribution"):
        tarvex.draw_samples({"x": 3.0}, 10)


@pytest.fixture(scope="module")
def cluster(tmp_path_factory):
    """A Dask cluster of two worker processes on this machine, whose
    workers import tarvex from where this test imports it."""
    import distributed
    import dask
    folder = os.path.dirname(os.path.dirname(tarvex.__file__))
    path = os.pathsep.join(p for p in (folder, os.environ.get("PYTHONPATH")) if p)
    old = os.environ.get("PYTHONPATH")
    os.environ["PYTHONPATH"] = path
    # forkserver: fresh interpreters, as a cluster's workers are, started
    # faster than by spawn.
    try:
        with dask.config.set({"distributed.worker.multiprocessing-method": "forkserver"}), \
                distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                         dashboard_address=None, host="127.0.0.1",
                                         local_directory=str(tmp_path_factory.mktemp("dask")),
                                         ) as local, distributed.Client(local) as client:
            yield client
    finally:
        if old is None:
            os.environ.pop("PYTHONPATH", None)
        else:
            os.environ["PYTHONPATH"] = old


@pytest.mark.usefixtures("analyses")
@pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")
def test_the_same_seed_gives_the_same_table_serially_on_threads_and_on_a_cluster(
        quickstart, cluster):
    draws = {"soil_layers[0].cohesion": scipy_stats.lognorm(s=0.3, scale=700.0),
             "load_cases[0].shear": scipy_stats.norm(loc=1e4, scale=1e3)}

    def study(executor, seed=5):
        return tarvex.monte_carlo(quickstart, draws, 16, seed=seed,
                                  correlation=[[1.0, 0.5], [0.5, 1.0]], executor=executor,
                                  batch_size=3)

    serial = study(1)
    assert serial["run"].is_monotonic_increasing and serial.attrs["seed"] == 5
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        tables = {"threads": study(None), "pool": study(pool), "cluster": study(cluster)}
    for name, table in tables.items():
        pd.testing.assert_frame_equal(table, serial, obj=name)
        assert table.attrs == serial.attrs, name
    # The workers ran the runs: the cluster saw tasks of the study.
    assert len(cluster.run(lambda: os.getpid())) == 2
    # The values sampled are those of draw_samples, and reach the runs.
    sampled = tarvex.draw_samples(draws, 16, seed=5, correlation=[[1.0, 0.5], [0.5, 1.0]])
    first = serial[serial["case"] == 1].reset_index(drop=True)
    assert first["load_cases[0].shear"].tolist() == sampled["load_cases[0].shear"].tolist()
    assert first["head_shear"].tolist() == pytest.approx(sampled["load_cases[0].shear"].tolist(),
                                                         rel=1e-9)
    assert not study(1, seed=6)["soil_layers[0].cohesion"].equals(serial["soil_layers[0].cohesion"])


@pytest.mark.usefixtures("analyses")
@pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")
def test_the_command_line_runs_a_study_on_a_dask_scheduler(cluster, tmp_path):
    study_file = tmp_path / "study_file.toml"
    study_file.write_text(f'''input = "{QUICKSTART}"
[monte_carlo]
samples = 6
seed = 9
[monte_carlo.parameters]
"soil_layers[0].cohesion" = {{ distribution = "lognorm", s = 0.3, scale = 700.0 }}
''')
    address = cluster.scheduler.address
    done = _cli(study_file, "--scheduler", address, cwd=tmp_path)
    assert done.returncode in (0, 1), done.stderr
    table = pd.read_csv(tmp_path / "study_file.csv", float_precision="round_trip")
    local = tarvex.monte_carlo(tarvex.read_input(path=QUICKSTART), {
        "soil_layers[0].cohesion": scipy_stats.lognorm(s=0.3, scale=700.0)}, 6, seed=9)
    assert table["head_deflection [in]"].tolist() == pytest.approx(
        local["head_deflection"].tolist(), rel=0, abs=0, nan_ok=True)
    assert table["outcome"].tolist() == local["outcome"].tolist()


def test_exceedance_counts_failures_as_asked_with_an_exact_interval():
    rows = [{"run": i, "case": 1, "outcome": "normal", "status": "converged",
             "head_deflection": v} for i, v in enumerate([0.1, 0.2, 0.6, -0.7, 0.3, 0.4,
                                                          0.45, 0.2, 0.1, 0.55])]
    rows += [{"run": 10, "case": pd.NA, "outcome": "runtime_error", "status": None,
              "head_deflection": math.nan},
             {"run": 11, "case": 1, "outcome": "warnings", "status": "not_converged",
              "head_deflection": 0.01}]
    frame = pd.DataFrame(rows).astype({"case": "Int64"})
    e = tarvex.exceedance(frame, "head_deflection", 0.5)
    assert (e.exceeding, e.samples, e.failed) == (4, 12, 2) and e.probability == 4 / 12
    e = tarvex.exceedance(frame, "head_deflection", 0.5, failures="drop", absolute=True)
    assert (e.exceeding, e.samples, e.failed) == (3, 10, 2)
    # Clopper-Pearson: P(X >= k) = a/2 at the lower bound, P(X <= k) = a/2 at
    # the upper one.
    assert scipy_stats.binom.sf(2, 10, e.low) == pytest.approx(0.025)
    assert scipy_stats.binom.cdf(3, 10, e.high) == pytest.approx(0.025)
    none = tarvex.exceedance(frame[frame["run"] < 10], "head_deflection", 1.0)
    assert none.low == 0.0 and none.high == pytest.approx(1 - 0.025 ** (1 / 10))
    with pytest.raises(ValueError, match="2 of 12 samples failed"):
        tarvex.exceedance(frame, "head_deflection", 0.5, failures="raise")
    two = pd.concat([frame, frame.assign(case=2)])
    with pytest.raises(ValueError, match="say which with case="):
        tarvex.exceedance(two, "head_deflection", 0.5)
    assert tarvex.exceedance(two, "head_deflection", 0.5, case=2).exceeding == 4
    with pytest.raises(ValueError, match="no column 'deflection'"):
        tarvex.exceedance(frame, "deflection", 0.5)


def _closed_form(cohesion, shear, modulus, diameter):
    """Head deflection of a long free-head elastic pile on a Winkler
    subgrade of modulus k = 67 c (lb/in per in; c in psi): 2 V beta / k."""
    k = 67.0 * np.asarray(cohesion) / 144.0
    beta = (k / (4.0 * modulus * math.pi * diameter ** 4 / 64.0)) ** 0.25
    return 2.0 * shear * beta / k


@pytest.mark.usefixtures("analyses")
def test_the_engines_elastic_head_deflection_is_the_closed_form():
    shaft = tarvex.read_input(path=ELASTIC)
    frame = tarvex.sweep(shaft, {"soil_layers[0].modulus": [67.0 * c / 144.0 / 36.0 for c in
                                                           (400.0, 1000.0, 2500.0)]})
    # beta L is 4.2 to 6.7: long piles; 200 increments of 6 in.
    closed = _closed_form([400.0, 1000.0, 2500.0], 20000.0, 3.6e6, 36.0)
    assert frame["head_deflection"].to_numpy() == pytest.approx(closed, rel=1e-3)


@pytest.mark.usefixtures("analyses")
def test_the_worked_reliability_example_matches_its_closed_form(tmp_path):
    """docs/studies.md runs as written; its Monte Carlo estimate of the
    probability that the head deflection exceeds 0.5 in holds the
    closed-form lognormal result within its confidence interval."""
    import guide
    namespace = guide.run(tmp_path, None, guide=guide.STUDIES)
    p, closed = namespace["p"], namespace["closed"]
    assert closed == pytest.approx(0.11188, abs=1e-5)
    assert p.samples == 2000 and p.failed == 0 and p.low <= closed <= p.high, (p, closed)
    # Sample by sample, the engine's deflection is the closed form's.
    frame = namespace["frame"]
    expected = _closed_form(frame["cohesion"], 20000.0, 3.6e6, 36.0)
    assert frame["head_deflection"].to_numpy() == pytest.approx(expected, rel=2e-3)
    for name in guide.figures(guide.STUDIES):
        data = (tmp_path / name).read_bytes()
        assert data.startswith(b"\x89PNG\r\n\x1a\n") and len(data) > 10000, name
    # The model of the guide is the example file the command line runs.
    assert ELASTIC.read_text() == namespace["shaft"].to_input()


# -- tornado and plots --------------------------------------------------------------

@pytest.mark.usefixtures("analyses")
def test_tornado_runs_each_parameter_at_its_ends_and_ranks_the_swings(quickstart):
    import matplotlib.pyplot as plt
    frame = tarvex.tornado(quickstart, {"sections[0].length": (35.0, 45.0),
                                        "soil_layers[0].cohesion": (400.0, 900.0),
                                        "load_cases[0].shear": (8e3, 12e3)})
    assert quickstart == tarvex.read_input(path=QUICKSTART), "the study changed its model"
    runs = frame.drop_duplicates("run")
    assert runs["level"].tolist() == ["base", "low", "high"] * 1 + ["low", "high"] * 2
    assert runs["parameter"].tolist() == ["", "sections[0].length", "sections[0].length",
                                          "soil_layers[0].cohesion", "soil_layers[0].cohesion",
                                          "load_cases[0].shear", "load_cases[0].shear"]
    # Parameters not varied in a run keep the model's value.
    assert runs["sections[0].length"].tolist() == [40.0, 35.0, 45.0, 40.0, 40.0, 40.0, 40.0]
    base = tarvex.run(quickstart).cases[0].head_deflection
    table = tarvex.sensitivity(frame, case=1)
    assert (table["base"] == base).all()
    assert table["parameter"].tolist()[0] == "load_cases[0].shear"
    assert table["swing"].is_monotonic_decreasing
    shear = table.iloc[0]
    assert shear["response_low"] < base < shear["response_high"]

    fig, ax = plt.subplots()
    assert tarvex.plot_tornado(frame, case=1, ax=ax) is ax
    assert len(ax.patches) == 6 and len(ax.get_yticklabels()) == 3
    assert "Head deflection (in)" == ax.get_xlabel()
    plt.close("all")


@pytest.mark.usefixtures("analyses")
def test_plots_return_their_axes_and_draw_into_the_given_ones(quickstart):
    import matplotlib.pyplot as plt
    frame = tarvex.sweep(quickstart, {"sections[0].length": [30.0, 40.0],
                                      "sections[0].diameter": [30.0, 36.0]})
    fig, ax = plt.subplots()
    assert tarvex.plot_sweep(frame, "sections[0].length", "max_moment", cases=[1, 2], ax=ax) is ax
    assert len(ax.lines) == 4  # two cases, two diameters
    assert ax.get_ylabel() == "Max moment (lb-in)"
    with pytest.raises(ValueError, match="say which parameter"):
        tarvex.plot_sweep(frame)

    mc = tarvex.monte_carlo(quickstart, {"load_cases[0].shear": scipy_stats.norm(1e4, 2e3)}, 12,
                            seed=1)
    fig, (left, right) = plt.subplots(1, 2)
    axes = tarvex.plot_distribution(mc, limit=0.04, case=1, ax=[left, right])
    assert axes == [left, right]
    assert left.patches and right.lines
    assert any("P(exceed)" in t.get_text() for t in right.get_legend().get_texts())
    assert tarvex.plot_distribution(mc, case=1, kind="cdf").get_ylim() == (0.0, 1.0)
    plt.close("all")


# -- command line -------------------------------------------------------------------

def _cli(*arguments, cwd):
    import tarvex as package
    env = dict(os.environ, PYTHONPATH=os.pathsep.join(
        p for p in (os.path.dirname(os.path.dirname(package.__file__)),
                    os.environ.get("PYTHONPATH")) if p))
    return subprocess.run([sys.executable, "-m", "tarvex.studies", *map(str, arguments)],
                          capture_output=True, text=True, env=env, cwd=cwd, timeout=600)


@pytest.mark.usefixtures("analyses")
def test_the_command_line_writes_the_table_of_a_study_file(tmp_path, quickstart, capsys):
    study_file = ROOT / "examples" / "studies" / "shaft_length.toml"
    done = _cli(study_file, "-o", tmp_path / "out.csv", "-j", "2", cwd=tmp_path)
    assert done.returncode == 0, done.stderr
    assert done.stderr == "" and f"wrote {tmp_path / 'out.csv'}" in done.stdout
    table = pd.read_csv(tmp_path / "out.csv", float_precision="round_trip")
    assert "head_deflection [in]" in table.columns and "max_moment [lb-in]" in table.columns
    given = tomllib.loads(study_file.read_text())["sweep"]["parameters"]
    frame = tarvex.sweep(quickstart, given)
    units = frame.attrs["units"]
    table.columns = [c.removesuffix(f" [{units[c.split(' ')[0]]}]") if " [" in c else c
                     for c in table.columns]
    for name in ("run", "sections[0].length", "case", *studies.RESPONSES):
        assert table[name].tolist() == frame[name].tolist(), name

    # A Monte Carlo study prints its exceedance; failed runs make status 1.
    (tmp_path / "mc.toml").write_text(f'''
input = "{ELASTIC}"
[monte_carlo]
samples = 12
seed = 3
[monte_carlo.parameters]
"soil_layers[0].modulus" = {{ distribution = "lognorm", s = 0.3, scale = 12.9 }}
"sections[0].length" = {{ distribution = "uniform", loc = 100.0, scale = 20.0 }}
[[monte_carlo.exceedance]]
limit = 0.5
''')
    assert studies.main([str(tmp_path / "mc.toml")]) == 1
    out, err = capsys.readouterr()
    assert "P(head_deflection > 0.5 in) = " in out and "seed 3" in out
    assert "runs failed (" in err and "input_error" in err  # a tip below the soil
    assert len(pd.read_csv(tmp_path / "mc.csv").drop_duplicates("run")) == 12



@pytest.mark.parametrize("text, words", [
    ('input = "nowhere.tv6"\n[sweep.parameters]\n"x" = [1]', "nowhere.tv6"),
    ('input = "{quickstart}"\n[sweep.parameters]\n"sections[0].lenght" = [1]',
     "has no value 'lenght'"),
    ('input = "{quickstart}"\n[monte_carlo]\nsamples = 3\n[monte_carlo.parameters]\n'
     '"sections[0].length" = {{ distribution = "lognormal" }}',
     "'lognormal' is not a distribution of scipy.stats"),
    ('input = "{quickstart}"\n[monte_carlo]\n[monte_carlo.parameters]\n'
     '"sections[0].length" = {{ distribution = "norm" }}', "needs 'samples'"),
    ('input = "{quickstart}"\n[sweeps]', "unknown key(s) sweeps"),
    ('input = "{quickstart}"', "give one study"),
    ("input = [", "not a TOML file"),
    ('input = "{quickstart}"\noutput = "no/such/folder/t.csv"\n[sweep.parameters]\n'
     '"sections[0].length" = [30.0]', "cannot write the table to"),
    ('input = "{quickstart}"\n[monte_carlo]\nsamples = 3\n[monte_carlo.parameters]\n'
     '"sections[0].length" = {{ distribution = "norm", loc = 40.0 }}\n'
     '[[monte_carlo.exceedance]]\nresponse = "head_deflection"', "'limit' is a number"),
    ('input = "{quickstart}"\n[monte_carlo]\nsamples = 3\n[monte_carlo.parameters]\n'
     '"sections[0].length" = {{ distribution = "norm", loc = 40.0 }}\n'
     '[[monte_carlo.exceedance]]\nlimit = 0.5\nresponse = "deflection"',
     "'response' is one of head_deflection"),
])
def test_a_study_file_that_cannot_run_names_its_fault(tmp_path, capsys, text, words):
    (tmp_path / "bad.toml").write_text(text.format(quickstart=QUICKSTART))
    assert studies.main([str(tmp_path / "bad.toml")]) == 2
    out, err = capsys.readouterr()
    assert out == "" and words in err and str(tmp_path / "bad.toml") in err, err
    assert not (tmp_path / "bad.csv").exists()


@pytest.mark.usefixtures("analyses")
def test_a_summary_that_cannot_be_made_keeps_the_table(tmp_path, capsys):
    (tmp_path / "mc.toml").write_text(f'''input = "{QUICKSTART}"
[monte_carlo]
samples = 2
seed = 1
[monte_carlo.parameters]
"load_cases[0].shear" = {{ distribution = "norm", loc = 1e4, scale = 1e3 }}
[[monte_carlo.exceedance]]
limit = 0.5
case = 4
''')
    assert studies.main([str(tmp_path / "mc.toml"), "-j", "1"]) == 1
    out, err = capsys.readouterr()
    assert "wrote" in out and "has no load case 4; it has 1, 2, 3" in err
    assert len(pd.read_csv(tmp_path / "mc.csv")) == 6


def test_the_reliability_study_file_samples_the_guides_subgrade():
    """The study file of the command line's reliability example samples the
    subgrade modulus that the guide's lognormal cohesion gives (k = 67 c / b,
    the same lognormal shape)."""
    study_file = tomllib.loads((ROOT / "examples" / "studies" / "elastic_shaft_reliability.toml")
                         .read_text())
    given = study_file["monte_carlo"]["parameters"]["soil_layers[0].modulus"]
    assert given["distribution"] == "lognorm"
    assert given["s"] == pytest.approx(math.sqrt(math.log(1.09)), rel=1e-12)
    assert given["scale"] == pytest.approx(67.0 * 1000.0 / 144.0 / 36.0, rel=1e-12)
    assert study_file["monte_carlo"]["exceedance"][0]["limit"] == 0.5
    # The study files the guide shows are TOML with the keys a study file has.
    import re
    shown = re.findall(r"```toml\n(.*?)```", (ROOT / "docs" / "studies.md").read_text(), re.S)
    assert len(shown) == 3
    for text in shown:
        given = tomllib.loads(text)
        assert set(given) <= {"input", "output", "workers", "scheduler", "sweep", "monte_carlo",
                              "tornado"}
        (kind,) = {"sweep", "monte_carlo", "tornado"} & set(given)
        assert given[kind]["parameters"]


def test_the_studies_are_reexported_at_the_top():
    for name in ("sweep", "monte_carlo", "tornado", "exceedance", "draw_samples",
                 "plot_sweep", "plot_distribution", "plot_tornado", "sensitivity",
                 "Exceedance"):
        assert getattr(tarvex, name) is getattr(studies, name)
    with pytest.raises(AttributeError):
        tarvex.no_such_thing  # noqa: B018
