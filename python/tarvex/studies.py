"""Parametric and probabilistic studies: many runs of one model with some of
its values changed, gathered into one table.

``sweep`` runs a model for every combination (``mode="grid"``) or every
position (``mode="zip"``) of lists of values; ``monte_carlo`` for values
sampled from scipy.stats distributions, independent or correlated through a
Gaussian copula; ``tornado`` for the low and the high value of each
parameter in turn. Each returns a pandas DataFrame with one row per run and
load case: the run's number (``run``), the values it was given, the outcome
and result code of the run with its error (a failed run is a row, never an
exception), and the response of the case at the head and its largest moment
and shear.

A parameter is the path of a value of the model, written as in Python
(``"sections[0].length"``, ``"soil_layers[1].cohesion[0]"``,
``"load_cases[0].shear"``, ``"options.increments"``), or a function
``edit(model, value)`` that changes the copy of the model it is given.

The runs go to ``executor``: None runs them on every core of this machine
(the engine lets the interpreter lock go while it analyses), an int on that
many threads (1: one after the other in the calling thread), any
``concurrent.futures.Executor``, or a ``dask.distributed.Client``, to which
the inputs go as texts in batches; a cluster behind Dask runs a study
unchanged. The same values give the same table whatever runs them.

``python3 -m tarvex.studies STUDY.toml`` runs a study described in a TOML
file and writes its table as CSV (docs/studies.md).
"""

from __future__ import annotations

import argparse
import concurrent.futures
import copy
import dataclasses
import functools
import itertools
import math
import os
import re
import sys
from typing import (TYPE_CHECKING, Any, Callable, Mapping, NamedTuple, Optional,
                    Sequence, Union)

import numpy as np

from .errors import InputError, ModelError
from .model import Model, SoilLayer
from .reader import read_input
from .results import SI_UNITS, USCS_UNITS, Results, _pandas, _pyplot

if TYPE_CHECKING:
    import pandas
    from matplotlib.axes import Axes

#: A function that edits the copy of the model a run is given, for the value
#: of the run; it changes the model in place (or returns a new Model).
Edit = Callable[[Model, Any], Optional[Model]]
#: What a study varies: the path of a value of the model or an ``Edit``.
Parameter = Union[str, Edit]
#: Who runs the analyses: None (every core of this machine), a number of
#: threads, a ``concurrent.futures.Executor`` or a ``dask.distributed.Client``.
Executor = Union[None, int, concurrent.futures.Executor, Any]

#: The response of a load case in a study's table, in the run's units.
RESPONSES = ("head_deflection", "head_rotation", "head_shear", "head_moment", "max_moment",
             "max_moment_depth", "max_shear", "max_shear_depth", "max_stress")
# The columns of a study's table after the run number and the parameters.
_RUN_COLUMNS = ("case", "case_name", "outcome", "result_code", "identity", "message", "status",
                *RESPONSES, "iterations")
_LRFD_COLUMNS = ("lrfd_verdict", "lrfd_fraction_mobilized")
# Columns whose missing values are pandas' NA: whole numbers that may be absent.
_WHOLE = ("case", "result_code", "iterations")
# The kind of unit of each response (a field of Units).
_RESPONSE_UNITS = {"head_deflection": "length", "head_rotation": "rad", "head_shear": "force",
                   "head_moment": "moment", "max_moment": "moment", "max_moment_depth": "length",
                   "max_shear": "force", "max_shear_depth": "length", "max_stress": "stress"}
# Outcomes of runs that ended without an error of the run.
_GOOD = ("normal", "warnings")


# ----------------------------------------------------------------------------
# Paths into the model

_PATH = re.compile(r"[A-Za-z_]\w*(?:\.[A-Za-z_]\w*|\[-?[0-9]+\])*")
_STEP = re.compile(r"([A-Za-z_]\w*)|\[(-?[0-9]+)\]")

Step = Union[str, int]


def _steps(path: str) -> tuple[Step, ...]:
    """The field names and indexes of a path ("sections[0].length")."""
    if not isinstance(path, str) or not _PATH.fullmatch(path):
        raise ValueError(f"{path!r} is not a path into the model: write it as in Python, "
                         'e.g. "sections[0].length" or "soil_layers[1].cohesion[0]"')
    return tuple(m.group(1) if m.group(1) else int(m.group(2)) for m in _STEP.finditer(path))


def _fields(obj: Any) -> list[str]:
    """The names of the values of a part of the model that a path may set."""
    if dataclasses.is_dataclass(obj) and not isinstance(obj, type):
        return [f.name for f in dataclasses.fields(obj) if f.init and f.name != "section_order"]
    if isinstance(obj, tuple) and hasattr(obj, "_fields"):
        return list(obj._fields)
    return []


def _describe(steps: Sequence[Step], at: int) -> str:
    """The part of a path before its step ``at`` ("sections[0]")."""
    prefix = ""
    for step in steps[:at]:
        prefix += f"[{step}]" if isinstance(step, int) else (f".{step}" if prefix else step)
    return prefix or "the model"


def _child(obj: Any, step: Step, path: str, steps: Sequence[Step], at: int) -> Any:
    where = _describe(steps, at)
    if isinstance(step, int):
        if not isinstance(obj, (list, tuple)):
            raise ValueError(f"{path}: {where} ({type(obj).__name__}) is not a list; it has "
                             "no [index]")
        if not -len(obj) <= step < len(obj):
            raise ValueError(f"{path}: {where} holds {len(obj)} item(s); there is no "
                             f"[{step}]")
        return obj[step]
    names = _fields(obj)
    if step not in names:
        known = ", ".join(names) if names else "none"
        raise ValueError(f"{path}: {where} ({type(obj).__name__}) has no value {step!r}; "
                         f"its values are {known}")
    return getattr(obj, step)


def get_value(model: Model, path: str) -> Any:
    """The value at ``path`` in ``model`` ("sections[0].length",
    "soil_layers[1].cohesion" gives the pair (top, bottom)). Raises
    ValueError naming the part of the path that the model does not have."""
    steps = _steps(path)
    obj: Any = model
    for at, step in enumerate(steps):
        obj = _child(obj, step, path, steps, at)
    return obj


def _plain(value: Any) -> Any:
    """A NumPy number as the Python number the model holds."""
    return value.item() if isinstance(value, np.generic) else value


def _replaced(obj: Any, steps: Sequence[Step], value: Any, path: str, at: int) -> Any:
    """``obj`` with the value at ``steps[at:]`` replaced: lists and
    dataclasses are changed in place, tuples (a soil layer's pair of values,
    the points) made anew."""
    if at == len(steps):
        return value
    step = steps[at]
    child = _replaced(_child(obj, step, path, steps, at), steps, value, path, at + 1)
    if isinstance(step, int):
        if isinstance(obj, list):
            obj[step] = child
            return obj
        items = list(obj)
        items[step] = child
        return type(obj)(*items) if hasattr(obj, "_fields") else tuple(items)
    if isinstance(obj, tuple):  # a named tuple: a point
        point: Any = obj
        return point._replace(**{step: child})
    if (at == len(steps) - 1 and isinstance(obj, SoilLayer) and step in type(obj).values
            and isinstance(child, (int, float)) and not isinstance(child, bool)):
        child = (child, child)  # one number for the value at the top and at the bottom
    setattr(obj, step, child)
    return obj


def set_value(model: Model, path: str, value: Any) -> None:
    """Sets the value at ``path`` in ``model``. A soil layer's value given as
    one number ("soil_layers[0].cohesion") sets it at the top and at the
    bottom of the layer; "soil_layers[0].cohesion[0]" sets the top only.
    Raises ValueError naming the part of the path that the model does not
    have."""
    _replaced(model, _steps(path), _plain(value), path, 0)


# ----------------------------------------------------------------------------
# The plan of a study: the model, what it varies and the values of each run

_KEEP = object()  # a parameter that a run leaves as the model has it


@dataclasses.dataclass
class _Plan:
    model: Model
    names: list[str]  # the column of each parameter
    parameters: list[Parameter]
    runs: list[tuple[Any, ...]]  # the values of each run, _KEEP for none


def _name(parameter: Parameter) -> str:
    if isinstance(parameter, str):
        return parameter
    if callable(parameter):
        return str(getattr(parameter, "__name__", None) or repr(parameter))
    raise TypeError(f"a parameter is the path of a value of the model or a function "
                    f"edit(model, value), not {type(parameter).__name__}")


def _plan(model: Union[Model, str, os.PathLike[str]], parameters: Sequence[Parameter],
          runs: list[tuple[Any, ...]]) -> _Plan:
    if isinstance(model, (str, os.PathLike)):
        model = read_input(path=model)
    if not isinstance(model, Model):
        raise TypeError(f"a study runs a tarvex.Model or the path of an input file, not "
                        f"{type(model).__name__}")
    if not parameters:
        raise ValueError("a study needs at least one parameter")
    names = [_name(p) for p in parameters]
    for name in names:
        if names.count(name) > 1:
            raise ValueError(f"two parameters are named {name!r}: give the functions "
                             "different names")
        if name in ("run", *_RUN_COLUMNS, *_LRFD_COLUMNS, "parameter", "level"):
            raise ValueError(f"a parameter may not be named {name!r}, a column of the "
                             "study's table")
    for p in parameters:
        if isinstance(p, str):
            get_value(model, p)  # a path the model does not have fails here, before any run
    if not runs:
        raise ValueError("the study has no run: give at least one value")
    return _Plan(model, names, list(parameters), runs)


def _copy(model: Model, paths: Sequence[str]) -> Model:
    """A copy of the model whose parts along ``paths`` are its own and whose
    other parts are shared with ``model``: enough for edits by paths, and
    much cheaper than a deep copy of every part."""
    fresh = copy.copy(model)
    own = {id(fresh)}
    for path in paths:
        obj: Any = fresh
        for step in _steps(path)[:-1]:
            child = obj[step] if isinstance(step, int) else getattr(obj, step)
            if isinstance(child, tuple):
                break  # a pair or a point: setting a value makes it anew
            if id(child) not in own:
                child = list(child) if isinstance(child, list) else copy.copy(child)
                own.add(id(child))
                if isinstance(step, int):
                    obj[step] = child
                else:
                    setattr(obj, step, child)
            obj = child
    return fresh


def _input(plan: _Plan, values: tuple[Any, ...]) -> tuple[Optional[str], Optional[str]]:
    """The input text of one run, or the reason why there is none."""
    paths = [p for p, v in zip(plan.parameters, values) if isinstance(p, str) and v is not _KEEP]
    if all(isinstance(p, str) for p in plan.parameters):
        model = _copy(plan.model, paths)
    else:  # an edit function may change any part of its copy
        model = copy.deepcopy(plan.model)
    for name, parameter, value in zip(plan.names, plan.parameters, values):
        if value is _KEEP:
            continue
        try:
            if isinstance(parameter, str):
                set_value(model, parameter, value)
            else:
                made = parameter(model, _plain(value))
                if isinstance(made, Model):
                    model = made
        except Exception as e:  # a row that says why, not a lost study
            return None, f"{name} = {_plain(value)!r}: {type(e).__name__}: {e}"
    try:
        return model.to_input(remarks=False), None
    except ModelError as e:
        return None, "; ".join(e.problems)
    except Exception as e:
        return None, f"the model cannot be written: {type(e).__name__}: {e}"


# ----------------------------------------------------------------------------
# Rows of the table


def _message(results: Results) -> Optional[str]:
    e = results.error
    if e is None:
        return None
    lines = [line for line in e.message if not line.strip().startswith("*")]
    return " ".join(" ".join(lines).split()) or f"result code {results.result_code}"


def _lrfd(results: Results, number: int) -> tuple[Optional[str], float]:
    """The verdict of the LRFD check of a combination over its sections ("fail"
    when any section fails) and its largest fraction of capacity mobilised."""
    rows = [r for r in results.lrfd_check if r.combination == number]
    verdicts = {r.verdict for r in rows}
    verdict = ("fail" if "fail" in verdicts else "pass" if "pass" in verdicts
               else "not_applicable" if verdicts else None)
    fractions = [r.fraction_mobilized for r in rows if r.fraction_mobilized is not None]
    return verdict, max(fractions) if fractions else math.nan


def _failed_row(run: int, outcome: str, message: str) -> dict[str, Any]:
    """The row of a run that the engine did not analyse."""
    return {"run": run, "outcome": outcome, "message": message}


def _rows(run: int, results: Results) -> list[dict[str, Any]]:
    """One row per load case of the run; a run without a case (one that ended
    before solving any) one row without a case."""
    common = {"run": run, "outcome": results.outcome, "result_code": results.result_code,
              "identity": results.error.identity if results.error else None,
              "message": _message(results)}
    rows = []
    for case in results.cases:
        row = dict(common, case=case.number, case_name=case.name, status=case.status,
                   iterations=case.iterations)
        for name in RESPONSES:
            row[name] = getattr(case, name)
        if results.lrfd:
            row["lrfd_verdict"], row["lrfd_fraction_mobilized"] = _lrfd(results, case.number)
        rows.append(row)
    return rows or [common]


def _units(results: Results) -> dict[str, str]:
    return {name: results.units.of(kind) for name, kind in _RESPONSE_UNITS.items()}


def _table(rows: list[dict[str, Any]]) -> pandas.DataFrame:
    """The rows as a DataFrame with the columns and types of every study, so
    that tables made anywhere are alike."""
    pd = _pandas()
    columns = ("run", *_RUN_COLUMNS, *_LRFD_COLUMNS)
    data: dict[str, Any] = {}
    for name in columns:
        values = [row.get(name) for row in rows]
        if name == "run":
            data[name] = np.array(values, dtype=np.int64)
        elif name in _WHOLE:  # pandas' nullable integers, built from their parts (fast)
            missing = np.array([v is None for v in values], dtype=bool)
            whole = np.array([0 if v is None else v for v in values], dtype=np.int64)
            data[name] = pd.arrays.IntegerArray(whole, missing)
        elif name in RESPONSES or name == "lrfd_fraction_mobilized":
            data[name] = np.array([math.nan if v is None else v for v in values],
                                  dtype=np.float64)
        else:
            texts = np.empty(len(values), dtype=object)
            texts[:] = values
            data[name] = texts
    return pd.DataFrame(data, columns=list(columns))


def _concat(frames: list[pandas.DataFrame]) -> pandas.DataFrame:
    """The tables of batches as one (concat would change the types of the
    columns of an empty table)."""
    full = [f for f in frames if len(f)]
    return _pandas().concat(full, ignore_index=True) if full else _table([])


class _Piece(NamedTuple):
    """The table of a batch of runs and the units of its results."""

    frame: pandas.DataFrame
    units: dict[str, str]
    lrfd: bool  # an LRFD run among them


def _analyse_texts(items: Sequence[tuple[int, str]]) -> _Piece:
    """Analyses a batch of (run, input text) and returns its table: what a
    worker does. The engine runs the whole batch with the interpreter lock
    let go."""
    from .engine import _module

    module = _module()
    raws = module.analyse_batch([(False, text.encode("utf-8", "surrogateescape"))
                                 for _, text in items])
    rows: list[dict[str, Any]] = []
    units: dict[str, str] = {}
    lrfd = False
    for (run, _), raw in zip(items, raws):
        results = Results._from_engine(raw)
        rows.extend(_rows(run, results))
        lrfd = lrfd or results.lrfd
        if not units and results.run_kind:
            units = _units(results)
    return _Piece(_table(rows), units, lrfd)


def _analyse_runs(plan: _Plan, runs: Sequence[int]) -> _Piece:
    """Writes the inputs of a batch of runs and analyses them (threads of this
    machine: the writing of one batch goes on beside the analyses of
    another)."""
    items: list[tuple[int, str]] = []
    rows: list[dict[str, Any]] = []
    for run in runs:
        text, why = _input(plan, plan.runs[run])
        if text is None:
            rows.append(_failed_row(run, "model_error", why or ""))
        else:
            items.append((run, text))
    if not items:
        return _Piece(_table(rows), {}, False)
    piece = _analyse_texts(items)
    return piece._replace(frame=_concat([_table(rows), piece.frame])) if rows else piece


# ----------------------------------------------------------------------------
# Executors


def _is_dask_client(executor: Any) -> bool:
    return any(c.__module__.startswith("distributed") and c.__name__ == "Client"
               for c in type(executor).__mro__)


def _batches(count: int, size: int) -> list[range]:
    return [range(i, min(i + size, count)) for i in range(0, count, size)]


def _size(count: int, workers: int, largest: int) -> int:
    """Batches small enough that every worker gets several (a slow batch
    does not hold the study up) and large enough that the cost of sending
    one is small beside its runs."""
    return max(1, min(largest, math.ceil(count / (4 * max(1, workers)))))


def _lost(runs: Sequence[int], error: BaseException) -> _Piece:
    """The rows of a batch that its executor did not return."""
    message = (f"the batch of runs {runs[0]} to {runs[-1]} was lost by the executor: "
               f"{type(error).__name__}: {error}")
    return _Piece(_table([_failed_row(run, "executor_error", message) for run in runs]), {},
                  False)


def _gather(futures: list[tuple[Sequence[int], Any]], cancel: Callable[[Any], Any]) -> list[_Piece]:
    pieces = []
    try:
        for runs, future in futures:
            try:
                pieces.append(future.result())
            except Exception as e:  # the other batches' runs are kept
                pieces.append(_lost(runs, e))
    except BaseException:
        for _, future in futures:
            cancel(future)
        raise
    return pieces


def _texts(plan: _Plan, runs: Sequence[int], failed: list[dict[str, Any]]) -> list[tuple[int, str]]:
    items = []
    for run in runs:
        text, why = _input(plan, plan.runs[run])
        if text is None:
            failed.append(_failed_row(run, "model_error", why or ""))
        else:
            items.append((run, text))
    return items


def _execute(plan: _Plan, executor: Executor, batch_size: Optional[int]) -> list[_Piece]:
    count = len(plan.runs)
    if batch_size is not None and (not isinstance(batch_size, int) or batch_size < 1):
        raise ValueError(f"batch_size must be a positive integer, not {batch_size!r}")
    if executor is None or (isinstance(executor, int) and not isinstance(executor, bool)):
        workers = (os.cpu_count() or 1) if executor is None else executor
        if workers < 1:
            raise ValueError(f"a study runs on 1 thread or more, not {workers}")
        from .engine import _module
        _module()  # no compiled module: say so once, not in every row
        batches = _batches(count, batch_size or _size(count, workers, 16))
        if workers == 1 or len(batches) == 1:
            return [_analyse_runs(plan, b) for b in batches]
        with concurrent.futures.ThreadPoolExecutor(min(workers, len(batches))) as pool:
            return _gather([(b, pool.submit(_analyse_runs, plan, b)) for b in batches],
                           lambda f: f.cancel())
    failed: list[dict[str, Any]] = []
    futures: list[tuple[Sequence[int], Any]] = []
    if _is_dask_client(executor):
        # The inputs go to the workers as texts; a batch is sent while the
        # next is written. A worker that dies loses its batch, which the
        # scheduler runs again elsewhere.
        client: Any = executor
        info = client.scheduler_info().get("workers", {})
        threads = sum(int(w.get("nthreads", 1)) for w in info.values()) or 1
        size = batch_size or _size(count, threads, 256)
        try:
            for runs in _batches(count, size):
                items = _texts(plan, runs, failed)
                if items:
                    futures.append((runs, client.submit(_analyse_texts, items, pure=False)))
        except BaseException:
            client.cancel([f for _, f in futures])
            raise
        return _gather(futures, client.cancel) + [_Piece(_table(failed), {}, False)]
    if isinstance(executor, concurrent.futures.Executor):
        workers = int(getattr(executor, "_max_workers", 0) or os.cpu_count() or 1)
        size = batch_size or _size(count, workers, 64)
        try:
            for runs in _batches(count, size):
                items = _texts(plan, runs, failed)
                if items:
                    futures.append((runs, executor.submit(_analyse_texts, items)))
        except BaseException:
            for _, f in futures:
                f.cancel()
            raise
        return _gather(futures, lambda f: f.cancel()) + [_Piece(_table(failed), {}, False)]
    raise TypeError("executor takes None (every core), a number of threads, a "
                    "concurrent.futures.Executor or a dask.distributed.Client, not "
                    f"{type(executor).__name__}")


def _study(plan: _Plan, executor: Executor, batch_size: Optional[int],
           columns: Optional[dict[str, list[Any]]] = None) -> pandas.DataFrame:
    """Runs the plan and returns its table, rows in the order of the runs and
    their load cases."""
    pd = _pandas()
    pieces = _execute(plan, executor, batch_size)
    units: dict[str, str] = next((piece.units for piece in pieces if piece.units), {})
    if not units:  # no run came back: the units of the model's system
        system = {"USCS": USCS_UNITS, "SI": SI_UNITS}.get(plan.model.options.units)
        units = {} if system is None else {
            name: system.of(kind) for name, kind in _RESPONSE_UNITS.items()}
    table = _concat([piece.frame for piece in pieces])
    if not (plan.model.options.use_lrfd or any(piece.lrfd for piece in pieces)):
        table = table.drop(columns=list(_LRFD_COLUMNS))
    table = table.sort_values(["run", "case"], kind="stable", na_position="last")
    table = table.reset_index(drop=True)
    given: dict[str, Any] = {"run": np.arange(len(plan.runs), dtype=np.int64)}
    given.update(columns or {})
    for i, name in enumerate(plan.names):
        given[name] = [_shown(plan, i, values[i]) for values in plan.runs]
    runs = pd.DataFrame(given)
    for name in runs.columns[1:]:
        table.insert(list(runs.columns).index(name), name,
                     runs[name].to_numpy()[table["run"].to_numpy()])
    table.attrs["units"] = units
    table.attrs["parameters"] = list(plan.names)
    return table


def _shown(plan: _Plan, index: int, value: Any) -> Any:
    """The value of a parameter in a run's row: the value given, or the
    model's own when the run leaves it (a number, else NaN)."""
    if value is not _KEEP:
        return _plain(value)
    parameter = plan.parameters[index]
    if isinstance(parameter, str):
        own = get_value(plan.model, parameter)
        if isinstance(own, (int, float)) and not isinstance(own, bool):
            return own
    return math.nan


# ----------------------------------------------------------------------------
# Studies


def sweep(model: Union[Model, str, os.PathLike[str]],
          parameters: Mapping[Parameter, Sequence[Any]], *, mode: str = "grid",
          executor: Executor = None, batch_size: Optional[int] = None) -> pandas.DataFrame:
    """Runs ``model`` (a ``tarvex.Model`` or the path of an input file) for
    values of its parameters and returns the table of the runs.

    ``parameters`` maps each parameter (the path of a value of the model,
    "sections[0].length", or a function ``edit(model, value)``) to its
    values. ``mode="grid"`` runs every combination (the last parameter
    varies fastest), ``mode="zip"`` the first values together, then the
    second, and so on (the lists must be as long as each other).

    The table has one row per run and load case: ``run`` (from 0), the
    values of the parameters, then ``case``, ``case_name``, ``outcome``,
    ``result_code``, ``identity`` and ``message`` (of an error), ``status``,
    the response ``RESPONSES`` and ``iterations`` (and ``lrfd_verdict``,
    ``lrfd_fraction_mobilized`` for an LRFD model). A run that fails is a
    row with its outcome and message. ``frame.attrs["units"]`` names the
    unit of each response; the values of the parameters are in the units of
    the input (ft for a section length in USCS).
    """
    if not isinstance(parameters, Mapping):
        raise TypeError("parameters maps each parameter to the list of its values")
    keys = list(parameters)
    lists = []
    for key in keys:
        values = parameters[key]
        if isinstance(values, (str, bytes)) or not isinstance(values, (Sequence, np.ndarray)):
            raise TypeError(f"{_name(key)}: give a list of values, not {values!r}")
        if len(values) == 0:
            raise ValueError(f"{_name(key)}: the list of values is empty")
        lists.append(list(values))
    if mode == "grid":
        runs = list(itertools.product(*lists))
    elif mode == "zip":
        lengths = {len(v) for v in lists}
        if len(lengths) > 1:
            raise ValueError("mode='zip' takes lists of one length; they have "
                             + ", ".join(f"{_name(k)}: {len(v)}" for k, v in zip(keys, lists)))
        runs = list(zip(*lists))
    else:
        raise ValueError(f"mode is 'grid' or 'zip', not {mode!r}")
    frame = _study(_plan(model, keys, runs), executor, batch_size)
    frame.attrs["study"] = "sweep"
    return frame


def _correlation(matrix: Any, count: int) -> Any:
    """The Cholesky factor of a correlation matrix of the normal scores."""
    c = np.asarray(matrix, dtype=np.float64)
    if c.shape != (count, count):
        raise ValueError(f"the correlation matrix must be {count} by {count} (one row and "
                         f"column per parameter), not of shape {c.shape}")
    if not np.all(np.isfinite(c)) or not np.allclose(c, c.T) or not np.allclose(np.diag(c), 1):
        raise ValueError("the correlation matrix must be symmetric with ones on its "
                         "diagonal")
    if np.any(np.abs(c) > 1):
        raise ValueError("correlations lie between -1 and 1")
    try:
        return np.linalg.cholesky(c)
    except np.linalg.LinAlgError:
        raise ValueError("the correlation matrix is not positive definite: some of its "
                         "correlations contradict each other") from None


def draw_samples(distributions: Mapping[Parameter, Any], n: int, *, seed: Any = None,
                 correlation: Any = None) -> pandas.DataFrame:
    """``n`` samples of the parameters, one column per parameter, as
    ``monte_carlo`` runs them.

    Each distribution is a frozen scipy.stats distribution
    (``scipy.stats.lognorm(s=0.3, scale=1000.0)``) or anything with
    ``ppf`` and ``isf``. One ``numpy.random.Generator`` seeded once with
    ``seed`` draws standard normal scores for every sample at once; with
    ``correlation`` (a matrix over the parameters in the order given) the
    scores are correlated by it (a Gaussian copula: the matrix holds the
    correlations of the normal scores); each score becomes a value by the
    inverse of its distribution, taken from the nearer tail so that
    extreme scores keep their precision. ``frame.attrs["seed"]`` holds the
    seed (one drawn from the system when ``seed`` is None).
    """
    pd = _pandas()
    from scipy.special import ndtr

    if isinstance(n, bool) or not isinstance(n, (int, np.integer)) or n < 1:
        raise ValueError(f"n is the number of samples, a positive integer, not {n!r}")
    keys = list(distributions)
    if not keys:
        raise ValueError("give at least one distribution")
    names = [_name(k) for k in keys]
    for key in keys:
        d = distributions[key]
        if not (hasattr(d, "ppf") and hasattr(d, "isf")):
            raise TypeError(f"{_name(key)}: give a frozen scipy.stats distribution (such "
                            f"as scipy.stats.lognorm(s=0.3, scale=1000.0)), not {d!r}")
    if seed is None:
        seed = np.random.SeedSequence().entropy
    rng = np.random.default_rng(seed)
    scores = rng.standard_normal((int(n), len(keys)))
    if correlation is not None:
        scores = scores @ _correlation(correlation, len(keys)).T
    columns = {}
    for j, (name, key) in enumerate(zip(names, keys)):
        z = scores[:, j]
        d = distributions[key]
        lower = np.asarray(d.ppf(ndtr(np.minimum(z, 0.0))), dtype=np.float64)
        upper = np.asarray(d.isf(ndtr(-np.maximum(z, 0.0))), dtype=np.float64)
        columns[name] = np.where(z < 0, lower, upper)
    frame = pd.DataFrame(columns)
    frame.attrs["seed"] = seed
    return frame


def monte_carlo(model: Union[Model, str, os.PathLike[str]],
                distributions: Mapping[Parameter, Any], n: int, *, seed: Any = None,
                correlation: Any = None, executor: Executor = None,
                batch_size: Optional[int] = None) -> pandas.DataFrame:
    """Runs ``model`` for ``n`` samples of its parameters and returns the
    table of the runs, as ``sweep`` does (``run`` is the number of the
    sample, from 0).

    ``distributions`` maps each parameter (a path or a function
    ``edit(model, value)``) to a frozen scipy.stats distribution. Every
    sample is drawn before the first run, from one generator seeded once
    with ``seed`` (see ``draw_samples``), so the same seed gives the same
    table whatever the executor. ``correlation`` correlates the parameters
    through a Gaussian copula. ``frame.attrs["seed"]`` is the seed used.
    ``exceedance(frame, response, limit)`` gives the probability that a
    response exceeds a limit.
    """
    samples = draw_samples(distributions, n, seed=seed, correlation=correlation)
    keys = list(distributions)
    runs = list(zip(*(samples[c].to_numpy() for c in samples.columns)))
    frame = _study(_plan(model, keys, runs), executor, batch_size)
    frame.attrs["study"] = "monte_carlo"
    frame.attrs["seed"] = samples.attrs["seed"]
    return frame


def tornado(model: Union[Model, str, os.PathLike[str]],
            ranges: Mapping[Parameter, tuple[Any, Any]], *, executor: Executor = None,
            batch_size: Optional[int] = None) -> pandas.DataFrame:
    """One-at-a-time sensitivity: runs ``model`` as it is, then with each
    parameter at its low and at its high value (the others as the model has
    them), and returns the table of the runs as ``sweep`` does, with the
    columns ``parameter`` (the parameter varied; "" for the base run) and
    ``level`` ("base", "low", "high"). ``sensitivity(frame, response)``
    ranks the parameters by the swing of a response, ``plot_tornado`` draws
    it.
    """
    keys = list(ranges)
    runs: list[tuple[Any, ...]] = [tuple(_KEEP for _ in keys)]
    varied, levels = [""], ["base"]
    for i, key in enumerate(keys):
        pair = ranges[key]
        if isinstance(pair, (str, bytes)) or not isinstance(pair, (Sequence, np.ndarray)) \
                or len(pair) != 2:
            raise ValueError(f"{_name(key)}: give the (low, high) pair of values, not "
                             f"{pair!r}")
        for level, value in zip(("low", "high"), pair):
            runs.append(tuple(value if j == i else _KEEP for j in range(len(keys))))
            varied.append(_name(key))
            levels.append(level)
    frame = _study(_plan(model, keys, runs), executor, batch_size,
                   {"parameter": varied, "level": levels})
    frame.attrs["study"] = "tornado"
    return frame


# ----------------------------------------------------------------------------
# Reading a study's table


def _case(frame: pandas.DataFrame, case: Optional[int]) -> int:
    """The load case a summary is about: the one given, or the only one."""
    cases = sorted(int(c) for c in frame["case"].dropna().unique())
    if case is None:
        if len(cases) == 1:
            return cases[0]
        if not cases:
            raise ValueError("no run of the study solved a load case")
        raise ValueError(f"the study has the load cases {', '.join(map(str, cases))}: say "
                         "which with case=")
    if case not in cases:
        raise ValueError(f"the study has no load case {case}; it has "
                         f"{', '.join(map(str, cases)) or 'none'}")
    return case


def _values(frame: pandas.DataFrame, response: str, case: int) -> tuple[Any, Any, list[int]]:
    """The runs of the study, the value of ``response`` of each run whose
    case ``case`` converged in a run without error (NaN for the others) and
    the numbers of those others."""
    if response not in frame.columns:
        raise ValueError(f"the study's table has no column {response!r}; the responses are "
                         f"{', '.join(RESPONSES)}")
    runs = np.sort(frame["run"].unique())
    good = frame[(frame["case"] == case) & frame["outcome"].isin(_GOOD)
                 & (frame["status"] == "converged")]
    values = np.full(len(runs), math.nan)
    where = np.searchsorted(runs, good["run"].to_numpy())
    values[where] = good[response].to_numpy(dtype=np.float64)
    failed = [int(r) for r, v in zip(runs, values) if math.isnan(v)]
    return runs, values, failed


class Exceedance(NamedTuple):
    """The probability that a response exceeds a limit, estimated from the
    samples of a study, with its confidence interval (Clopper-Pearson:
    exact for a binomial count, never narrower than it should be)."""

    probability: float
    """The fraction of the samples that exceed the limit."""
    low: float
    """The lower bound of the confidence interval."""
    high: float
    """The upper bound of the confidence interval."""
    exceeding: int
    """The samples counted as exceeding (with the failed ones, when they count)."""
    samples: int
    """The samples counted."""
    failed: int
    """The samples whose run failed or whose case did not converge."""
    confidence: float
    """The confidence level of the interval (0.95)."""
    limit: float
    """The limit."""

    def __repr__(self) -> str:
        return (f"<Exceedance P = {self.probability:.4g} ({self.confidence * 100:g} % "
                f"interval {self.low:.4g} to {self.high:.4g}): {self.exceeding} of "
                f"{self.samples} samples, {self.failed} failed>")


def exceedance(frame: pandas.DataFrame, response: str, limit: float, *,
               case: Optional[int] = None, confidence: float = 0.95, absolute: bool = False,
               failures: str = "exceed") -> Exceedance:
    """The probability that ``response`` (a column of a study's table, such
    as "head_deflection") exceeds ``limit`` in load case ``case`` (needed
    when the study has several), with its confidence interval.

    ``absolute`` compares the magnitude of the response. A sample whose run
    failed or whose case did not converge counts, by ``failures``, as
    exceeding the limit ("exceed": a pile that the soil does not hold has
    exceeded any deflection limit), is left out ("drop"), or raises
    ValueError ("raise"); the result says how many there were.
    """
    from scipy.stats import beta

    if failures not in ("exceed", "drop", "raise"):
        raise ValueError(f"failures is 'exceed', 'drop' or 'raise', not {failures!r}")
    if not 0 < confidence < 1:
        raise ValueError(f"confidence lies between 0 and 1, not {confidence!r}")
    number = _case(frame, case)
    runs, values, failed = _values(frame, response, number)
    if failed and failures == "raise":
        raise ValueError(f"{len(failed)} of {len(runs)} samples failed or did not converge "
                         f"in case {number} (runs {', '.join(map(str, failed[:10]))}"
                         f"{' ...' if len(failed) > 10 else ''})")
    ok = values[~np.isnan(values)]
    over = int(np.count_nonzero((np.abs(ok) if absolute else ok) > limit))
    count = len(ok)
    if failures == "exceed":
        over += len(failed)
        count += len(failed)
    if count == 0:
        raise ValueError("no sample to count: every run failed")
    alpha = 1.0 - confidence
    low = 0.0 if over == 0 else float(beta.ppf(alpha / 2, over, count - over + 1))
    high = 1.0 if over == count else float(beta.ppf(1 - alpha / 2, over + 1, count - over))
    return Exceedance(over / count, low, high, over, count, len(failed), confidence,
                      float(limit))


def sensitivity(frame: pandas.DataFrame, response: str = "head_deflection", *,
                case: Optional[int] = None) -> pandas.DataFrame:
    """The table of a tornado study by parameter, the largest swing first:
    ``parameter``, ``low`` and ``high`` (its values), ``response_low`` and
    ``response_high`` (of ``response`` in load case ``case``; NaN for a
    failed run), ``base`` (the response of the model as it is) and
    ``swing`` (|response_high - response_low|)."""
    pd = _pandas()
    if "level" not in frame.columns:
        raise ValueError("this is not the table of a tornado study (no column 'level')")
    number = _case(frame, case)
    runs, values, _ = _values(frame, response, number)
    by_run = dict(zip(runs.tolist(), values.tolist()))
    first = frame.drop_duplicates("run").set_index("run")
    base_runs = first.index[first["level"] == "base"]
    base = by_run[int(base_runs[0])] if len(base_runs) else math.nan
    rows = []
    for name in dict.fromkeys(first["parameter"][first["level"] != "base"]):
        low = first[(first["parameter"] == name) & (first["level"] == "low")]
        high = first[(first["parameter"] == name) & (first["level"] == "high")]
        r_low, r_high = by_run[int(low.index[0])], by_run[int(high.index[0])]
        rows.append({"parameter": name, "low": low[name].iloc[0], "high": high[name].iloc[0],
                     "response_low": r_low, "response_high": r_high, "base": base,
                     "swing": abs(r_high - r_low)})
    table = pd.DataFrame(rows, columns=["parameter", "low", "high", "response_low",
                                        "response_high", "base", "swing"])
    table = table.sort_values("swing", ascending=False, kind="stable", na_position="last")
    return table.reset_index(drop=True)


# ----------------------------------------------------------------------------
# Plots


def _label(frame: pandas.DataFrame, column: str) -> str:
    unit = frame.attrs.get("units", {}).get(column)
    words = column.replace("_", " ")
    words = words[:1].upper() + words[1:]
    return f"{words} ({unit})" if unit else words


def plot_sweep(frame: pandas.DataFrame, parameter: Optional[str] = None,
               response: str = "head_deflection", *, cases: Optional[Sequence[int]] = None,
               ax: Optional[Axes] = None) -> Axes:
    """Draws ``response`` against the values of ``parameter`` (the study's
    only parameter when None), one line per load case (every case, or
    those of ``cases``) and per combination of the other parameters, into
    ``ax`` (a new figure when None); returns the Axes. Failed runs leave
    gaps."""
    names = list(frame.attrs.get("parameters", []))
    if parameter is None:
        if len(names) != 1:
            raise ValueError("say which parameter to draw along the x axis: the study has "
                             f"{len(names)} ({', '.join(names)})")
        parameter = names[0]
    for column in (parameter, response):
        if column not in frame.columns:
            raise ValueError(f"the study's table has no column {column!r}")
    others = [n for n in names if n != parameter]
    if ax is None:
        _, ax = _pyplot().subplots(figsize=(6.5, 4.5), layout="constrained")
    wanted = None if cases is None else set(cases)
    solved = frame[frame["case"].notna()]
    for number, rows in solved.groupby("case", sort=True):
        if wanted is not None and int(number) not in wanted:
            continue
        groups = (rows.groupby(others if len(others) > 1 else others[0], sort=False)
                  if others else [((), rows)])
        for key, group in groups:
            keys = key if len(others) > 1 else (key,)
            good = group["outcome"].isin(_GOOD) & (group["status"] == "converged")
            y = group[response].where(good)
            label = str(group["case_name"].iloc[0])
            if others:
                label += ", " + ", ".join(f"{n} = {v:g}" if isinstance(v, float) else
                                          f"{n} = {v}" for n, v in zip(others, keys))
            ax.plot(group[parameter].to_numpy(), y.to_numpy(), marker="o", label=label)
    ax.set_xlabel(parameter)
    ax.set_ylabel(_label(frame, response))
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize="small")
    return ax


def plot_distribution(frame: pandas.DataFrame, response: str = "head_deflection", *,
                      limit: Optional[float] = None, case: Optional[int] = None,
                      kind: Optional[str] = None, ax: Any = None) -> Any:
    """Draws the distribution of ``response`` over the samples of a study in
    load case ``case``: "histogram" (the fraction of samples per bin) or
    "cdf" (the empirical distribution function), each into ``ax`` (a new
    figure when None) returning the Axes; without ``kind`` both side by
    side, returning the list of the two Axes. ``limit`` is marked with the
    probability of exceeding it. Failed samples are left out of the curves
    and counted in the legend."""
    if kind not in (None, "histogram", "cdf"):
        raise ValueError(f"kind is 'histogram', 'cdf' or None (both), not {kind!r}")
    if kind is None:
        if ax is None:
            _, made = _pyplot().subplots(1, 2, figsize=(11, 4.5), layout="constrained")
            ax = list(made)
        axes = list(ax)
        if len(axes) != 2:
            raise ValueError(f"plot_distribution() draws 2 panels; ax holds {len(axes)} Axes")
        plot_distribution(frame, response, limit=limit, case=case, kind="histogram", ax=axes[0])
        plot_distribution(frame, response, limit=limit, case=case, kind="cdf", ax=axes[1])
        return axes
    number = _case(frame, case)
    _, values, failed = _values(frame, response, number)
    ok = np.sort(values[~np.isnan(values)])
    if ax is None:
        _, ax = _pyplot().subplots(figsize=(6, 4.5), layout="constrained")
    label = f"{len(ok)} samples" + (f" ({len(failed)} failed, not shown)" if failed else "")
    if kind == "histogram":
        weights = np.full(len(ok), 1.0 / max(1, len(ok)))
        ax.hist(ok, bins=min(50, max(10, int(math.sqrt(len(ok))))), weights=weights,
                alpha=0.75, label=label)
        ax.set_ylabel("Fraction of samples")
    else:
        ax.step(ok, np.arange(1, len(ok) + 1) / max(1, len(ok)), where="post", label=label)
        ax.set_ylabel("Fraction of samples not exceeding")
        ax.set_ylim(0.0, 1.0)
    if limit is not None:
        e = exceedance(frame, response, limit, case=number)
        ax.axvline(limit, color="r", linestyle="--",
                   label=f"limit {limit:g}: P(exceed) = {e.probability:.4g} "
                         f"[{e.low:.3g}, {e.high:.3g}]")
    ax.set_xlabel(_label(frame, response))
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize="small")
    return ax


def plot_tornado(frame: pandas.DataFrame, response: str = "head_deflection", *,
                 case: Optional[int] = None, ax: Optional[Axes] = None) -> Axes:
    """Draws the tornado chart of a tornado study: for each parameter, the
    largest swing on top, a bar from the base response to the response at
    its low value and one to the response at its high value, into ``ax`` (a
    new figure when None); returns the Axes."""
    table = sensitivity(frame, response, case=case)
    if ax is None:
        _, ax = _pyplot().subplots(figsize=(7, 1.2 + 0.5 * len(table)), layout="constrained")
    base = float(table["base"].iloc[0]) if len(table) else 0.0
    y = np.arange(len(table))[::-1]
    ax.barh(y, table["response_low"] - base, left=base, height=0.6, color="tab:blue",
            label="low value")
    ax.barh(y, table["response_high"] - base, left=base, height=0.6, color="tab:orange",
            label="high value")
    ax.set_yticks(y, [f"{p}\n{_g(lo)} to {_g(hi)}" for p, lo, hi
                      in zip(table["parameter"], table["low"], table["high"])])
    ax.axvline(base, color="k", linewidth=0.8)
    ax.set_xlabel(_label(frame, response))
    ax.grid(True, axis="x", alpha=0.3)
    ax.legend(fontsize="small")
    return ax


def _g(value: Any) -> str:
    return f"{value:g}" if isinstance(value, (int, float, np.number)) else str(value)


# ----------------------------------------------------------------------------
# The command line: python3 -m tarvex.studies STUDY.toml


class StudyFileError(ValueError):
    """A study file that cannot be run; the message names the file and the
    key at fault."""


def _distribution(where: str, given: Any) -> Any:
    import scipy.stats

    if not isinstance(given, dict) or not isinstance(given.get("distribution"), str):
        raise StudyFileError(f"{where}: give a table with the distribution's name and its "
                             'parameters, e.g. { distribution = "lognorm", s = 0.3, '
                             "scale = 1000.0 }")
    arguments = dict(given)
    name = arguments.pop("distribution")
    family = getattr(scipy.stats, name, None)
    if not isinstance(family, (scipy.stats.rv_continuous, scipy.stats.rv_discrete)):
        raise StudyFileError(f"{where}: {name!r} is not a distribution of scipy.stats (norm, "
                             "lognorm, uniform, truncnorm, ...)")
    try:
        frozen = family(**arguments)
        frozen.ppf(0.5)
    except Exception as e:
        shown = ", ".join(f"{k}={v!r}" for k, v in arguments.items())
        raise StudyFileError(f"{where}: {name}({shown}): {e}") from None
    return frozen


def _exceedances(path: str, study: dict[str, Any]) -> list[dict[str, Any]]:
    """The exceedances a Monte Carlo study file asks for, checked before the
    study runs."""
    items = study.get("exceedance", [])
    where = f"{path}: [[monte_carlo.exceedance]]"
    if not isinstance(items, list) or not all(isinstance(i, dict) for i in items):
        raise StudyFileError(f"{where}: give tables with 'limit' (and 'response', 'case')")
    for item in items:
        unknown = sorted(set(item) - {"response", "limit", "case", "confidence", "absolute"})
        if unknown:
            raise StudyFileError(f"{where}: unknown key(s) {', '.join(unknown)}")
        limit = item.get("limit")
        if isinstance(limit, bool) or not isinstance(limit, (int, float)):
            raise StudyFileError(f"{where}: 'limit' is a number, not {limit!r}")
        if item.get("response", "head_deflection") not in RESPONSES:
            raise StudyFileError(f"{where}: 'response' is one of {', '.join(RESPONSES)}, not "
                                 f"{item['response']!r}")
    return items


def _summary(frame: pandas.DataFrame, kind: str, items: list[dict[str, Any]]) -> list[str]:
    """The lines that summarise a study run from a study file."""
    lines = []
    if kind == "monte_carlo":
        lines.append(f"seed {frame.attrs['seed']}")
        for item in items:
            response = item.get("response", "head_deflection")
            p = exceedance(frame, response, item["limit"], case=item.get("case"),
                           confidence=item.get("confidence", 0.95),
                           absolute=item.get("absolute", False))
            unit = frame.attrs["units"].get(response, "")
            lines.append(f"P({response} > {p.limit:g} {unit}) = {p.probability:.4g}, "
                         f"{p.confidence * 100:g} % interval {p.low:.4g} to {p.high:.4g} "
                         f"({p.exceeding} of {p.samples} samples, {p.failed} failed)")
    if kind == "tornado":
        unit = frame.attrs["units"].get("head_deflection", "")
        for number in sorted(int(c) for c in frame["case"].dropna().unique()):
            lines.append(f"head deflection ({unit}) of load case {number}, largest swing first:")
            for row in sensitivity(frame, case=number).itertuples():
                lines.append(f"  {row.parameter} {_g(row.low)} to {_g(row.high)}: "
                             f"{_g(row.response_low)} to {_g(row.response_high)} (swing "
                             f"{_g(row.swing)})")
    return lines


def _run_file(path: str, output: Optional[str], workers: Optional[int],
              scheduler: Optional[str]) -> tuple[pandas.DataFrame, str, str, list[dict[str, Any]]]:
    """Runs the study of a TOML file; returns its table, the CSV file to
    write, the kind of study and the exceedances asked for. Everything that
    can be checked is checked before the study runs, so that a long study is
    not lost to a fault of its file."""
    import tomllib

    try:
        with open(path, "rb") as f:
            given = tomllib.load(f)
    except tomllib.TOMLDecodeError as e:
        raise StudyFileError(f"{path}: not a TOML file: {e}") from None
    folder = os.path.dirname(os.path.abspath(path))
    kinds = [k for k in ("sweep", "monte_carlo", "tornado") if k in given]
    known = {"input", "output", "workers", "scheduler", "sweep", "monte_carlo", "tornado"}
    unknown = sorted(set(given) - known)
    if unknown:
        raise StudyFileError(f"{path}: unknown key(s) {', '.join(unknown)}; a study file "
                             f"has {', '.join(sorted(known))}")
    if len(kinds) != 1:
        raise StudyFileError(f"{path}: give one study: a [sweep], [monte_carlo] or [tornado] "
                             "table")
    kind = kinds[0]
    study = given[kind]
    if not isinstance(given.get("input"), str):
        raise StudyFileError(f"{path}: 'input' names the input file of the model")
    source = os.path.join(folder, given["input"])
    try:
        model = read_input(path=source)
    except OSError as e:
        raise StudyFileError(f"{path}: input {source}: {e.strerror or e}") from None
    output = output or os.path.join(folder, given.get(
        "output", os.path.splitext(os.path.basename(path))[0] + ".csv"))
    target = os.path.dirname(os.path.abspath(output))
    if os.path.isdir(output) or not os.path.isdir(target) or not os.access(target, os.W_OK):
        raise StudyFileError(f"{path}: cannot write the table to {output}: no such folder, or "
                             "not writable")
    parameters = study.get("parameters")
    if not isinstance(parameters, dict) or not parameters:
        raise StudyFileError(f"{path}: [{kind}.parameters] maps each path of the model to its "
                             "values")
    items = _exceedances(path, study) if kind == "monte_carlo" else []
    workers = workers if workers is not None else given.get("workers")
    scheduler = scheduler or given.get("scheduler")
    executor: Any = workers
    client: Any = None
    try:
        run: Callable[..., pandas.DataFrame]
        if kind == "sweep":
            run = functools.partial(sweep, model, parameters, mode=study.get("mode", "grid"))
        elif kind == "tornado":
            run = functools.partial(tornado, model, parameters)
        else:
            if "samples" not in study:
                raise StudyFileError(f"{path}: [monte_carlo] needs 'samples', the number of runs")
            distributions = {p: _distribution(f"{path}: [monte_carlo.parameters] {p!r}", d)
                             for p, d in parameters.items()}
            run = functools.partial(monte_carlo, model, distributions, study["samples"],
                                    seed=study.get("seed"),
                                    correlation=study.get("correlation"))
        if scheduler:
            import importlib
            distributed: Any = importlib.import_module("distributed")
            client = executor = distributed.Client(scheduler)
        frame = run(executor=executor)
    except StudyFileError:
        raise
    except (ValueError, TypeError, KeyError) as e:
        # A path the model does not have, values that are no list, ...
        raise StudyFileError(f"{path}: [{kind}]: {e}") from None
    finally:
        if client is not None:
            client.close()
    return frame, output, kind, items


def write_csv(frame: pandas.DataFrame, path: Union[str, os.PathLike[str]]) -> None:
    """Writes a study's table as CSV: one row per run and load case, each
    column headed with its unit in brackets where it has one
    (``head_deflection [in]``), numbers in the shortest form that reads back
    as the same value, an empty cell for a value that is not there."""
    units = frame.attrs.get("units", {})
    header = [f"{c} [{units[c]}]" if c in units else c for c in frame.columns]
    frame.to_csv(path, index=False, header=header)


def main(argv: Optional[Sequence[str]] = None) -> int:
    """``python3 -m tarvex.studies STUDY.toml``: runs the study of a TOML file
    and writes its table as CSV. Exit status 0 when every run ended
    normally or with warnings, 1 when the table was written but some runs
    failed or a summary it asks for could not be made, 2 when nothing was
    run (a bad file or argument)."""
    parser = argparse.ArgumentParser(
        prog="python3 -m tarvex.studies",
        description="Runs a parametric or Monte Carlo study of a Tarvex model described in a "
                    "TOML file and writes its table (one row per run and load case) as CSV.")
    parser.add_argument("study", help="the study file (TOML; see docs/studies.md)")
    parser.add_argument("-o", "--output", help="the CSV file to write (default: the file's "
                        "'output', or STUDY with .csv)")
    parser.add_argument("-j", "--workers", type=int, help="threads of this machine (default: "
                        "every core)")
    parser.add_argument("--scheduler", help="the address of a Dask scheduler that runs the "
                        "study (tcp://host:8786)")
    args = parser.parse_args(argv)
    if args.workers is not None and args.workers < 1:
        parser.error(f"--workers takes 1 or more, not {args.workers}")
    try:
        frame, output, kind, items = _run_file(args.study, args.output, args.workers,
                                               args.scheduler)
    except (StudyFileError, InputError, ModelError, ValueError, TypeError) as e:
        print(f"tarvex.studies: {e}", file=sys.stderr)
        return 2
    except OSError as e:
        print(f"tarvex.studies: {args.study}: {e.strerror or e}", file=sys.stderr)
        return 2
    try:
        write_csv(frame, output)
    except OSError as e:
        print(f"tarvex.studies: cannot write {output}: {e.strerror or e}", file=sys.stderr)
        return 2
    runs = frame.drop_duplicates("run")
    bad = runs[~runs["outcome"].isin(_GOOD)]
    print(f"{len(runs)} runs, {len(frame)} rows: wrote {output}")
    try:
        for line in _summary(frame, kind, items):
            print(line)
    except (ValueError, TypeError) as e:  # the table is written: say what is missing
        print(f"tarvex.studies: {args.study}: {e}", file=sys.stderr)
        status = 1
    else:
        status = 0
    if len(bad):
        counts = bad["outcome"].value_counts()
        print(f"{len(bad)} of {len(runs)} runs failed ("
              + ", ".join(f"{n} {o}" for o, n in counts.items()) + "); first: run "
              f"{bad['run'].iloc[0]}: {bad['message'].iloc[0]}", file=sys.stderr)
        return 1
    return status


__all__ = ["Edit", "Exceedance", "Executor", "Parameter", "RESPONSES", "StudyFileError",
           "draw_samples", "exceedance", "get_value", "main", "monte_carlo", "plot_distribution",
           "plot_sweep", "plot_tornado", "sensitivity", "set_value", "sweep", "tornado",
           "write_csv"]

if __name__ == "__main__":
    # Run the module under its own name: the functions that go to a cluster's
    # workers must be those of tarvex.studies, which the workers import, not
    # copies defined in __main__.
    from tarvex.studies import main as _main
    sys.exit(_main())
