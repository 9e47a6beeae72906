"""Load-deflection and load-moment curves: a load case of a model analysed
at a series of head loads (or imposed head deflections), one run per
level, up to the first level that fails."""

from __future__ import annotations

import dataclasses
import os
from typing import TYPE_CHECKING, Any, Optional, Sequence, Union

import numpy as np

from .engine import run_many
from .model import (DeflectionMoment, DeflectionSlope, LoadCase, Model, ShearMoment,
                    ShearRotationalStiffness, ShearSlope)
from .reader import read_input
from .results import FrameUnits, Results, _check_frame_units, _pandas, _shown_frame

if TYPE_CHECKING:
    import pandas

# The columns of the frame and their kinds of value (computing, shown).
_COLUMNS: dict[str, tuple[str, str]] = {
    "head_shear": ("force", "force"), "head_moment": ("moment", "moment"),
    "head_deflection": ("length", "deflection"), "head_rotation": ("rad", "rotation"),
    "max_moment": ("moment", "moment"), "max_moment_depth": ("length", "depth"),
    "max_shear": ("force", "force")}


def _levels(values: Union[float, Sequence[float], None], count: int, name: str) -> list[Any]:
    """A value per level: the sequence given (of ``count`` values), a number
    for every level, or None for every level."""
    if values is None or isinstance(values, (int, float)):
        return [values] * count
    given = [float(v) for v in values]
    if len(given) != count:
        raise ValueError(f"{name} has {len(given)} values for {count} levels")
    return given


def _case_at(base: LoadCase, shear: Optional[float], deflection: Optional[float],
             moment: Optional[float]) -> LoadCase:
    """The load case ``base`` with its head shear (or deflection) and moment
    replaced, keeping its head restraint, axial load and the rest."""
    axial = base.axial
    if shear is not None:
        if isinstance(base, (ShearMoment, DeflectionMoment)):
            kept = base.moment if moment is None else moment
            return ShearMoment(shear=shear, moment=kept, axial=axial)
        if moment is not None:
            raise ValueError(f"moments= needs a load case with a head moment; case has "
                             f"{type(base).__name__}")
        if isinstance(base, (ShearSlope, DeflectionSlope)):
            return ShearSlope(shear=shear, slope=base.slope, axial=axial)
        assert isinstance(base, ShearRotationalStiffness)
        return ShearRotationalStiffness(shear=shear, stiffness=base.stiffness, axial=axial)
    assert deflection is not None
    if isinstance(base, (ShearMoment, DeflectionMoment)):
        kept = base.moment if moment is None else moment
        return DeflectionMoment(deflection=deflection, moment=kept, axial=axial)
    if moment is not None:
        raise ValueError(f"moments= needs a load case with a head moment; case has "
                         f"{type(base).__name__}")
    if isinstance(base, (ShearSlope, DeflectionSlope)):
        return DeflectionSlope(deflection=deflection, slope=base.slope, axial=axial)
    raise ValueError("a head restrained by a rotational stiffness takes shears, not "
                     "deflections")


def _problem(results: Results) -> str:
    """The error's problem in one line, else its first line."""
    error = results.error
    if error is None:
        return ""
    lines = [line.strip() for line in error.message if line.strip()
             and not line.strip().startswith("*")]
    problem = next((line for line in lines if line.startswith("Problem:")),
                   lines[0] if lines else "")
    return problem.removeprefix("Problem:").strip()


def load_deflection(model: Union[Model, str, os.PathLike[str]],
                    shears: Optional[Sequence[float]] = None,
                    moments: Union[float, Sequence[float], None] = None, *,
                    deflections: Optional[Sequence[float]] = None, case: int = 1,
                    workers: Optional[int] = None,
                    units: FrameUnits = "engineering") -> pandas.DataFrame:
    """Analyses load case ``case`` (from 1) of ``model`` (a ``Model`` or the
    path of an input file) at each head shear of ``shears``, or at each
    imposed head deflection of ``deflections``, and returns the curve as a
    DataFrame: one row per level in the order given, with the applied
    ``shear`` (or ``deflection``), the applied ``moment`` (for a case with a
    head moment) and the head deflection, rotation, shear
    and moment, the largest moment and its depth, the largest shear, the
    iterations, and ``failed``, ``error`` (the error's identity) and
    ``message`` (its problem in words).

    ``moments`` gives the head moment of each level (a number for all), for
    a case with a head moment; by default the case keeps its own. The case
    keeps its head restraint (a moment, a slope or a rotational stiffness)
    and its axial load; a case of an imposed deflection given shears takes
    them with its moment or slope, and the reverse. Each level is its own
    run of the model with that case alone (the other load cases, the
    stiffness study and the pile-length study left out), so each row is what
    ``tarvex.run`` gives for it. The levels run ``workers`` at a time (one
    per processor by default), in order; the first level that ends with an
    error (excess deflection, no convergence, no stable equilibrium) gives
    the last row, with its error, and no level after it is kept.

    The frame is in engineering units ("head_deflection [in]"; ``units=
    "computing"``: the run's own units; None: plain names and the results'
    values), ``frame.attrs["units"]`` maps the columns to their units.
    """
    _check_frame_units(units)
    if not isinstance(model, Model):
        model = read_input(path=model)
    if (shears is None) == (deflections is None):
        raise TypeError("load_deflection() takes shears= or deflections=, one of them")
    if model.options.use_lrfd:
        raise ValueError("an LRFD model has load combinations, not load cases: "
                         "load_deflection() needs a model of pile-head load cases")
    if not 1 <= case <= len(model.load_cases):
        raise ValueError(f"the model has {len(model.load_cases)} load case(s); case={case}")
    base = model.load_cases[case - 1]
    applied_name = "shear" if shears is not None else "deflection"
    applied = [float(v) for v in (shears if shears is not None else deflections or [])]
    if not applied:
        raise ValueError(f"no {applied_name}s given")
    level_moments = _levels(moments, len(applied), "moments")
    options = dataclasses.replace(model.options, compute_kmatrix=False, print_py_curves=False)
    models = []
    for value, moment in zip(applied, level_moments):
        head = _case_at(base, value if shears is not None else None,
                        value if deflections is not None else None, moment)
        models.append(dataclasses.replace(model, load_cases=[head], options=options,
                                          py_print_depths=[]))
    if workers is None:
        workers = os.cpu_count() or 1
    runs: list[Results] = []
    for start in range(0, len(models), workers):
        batch = run_many(models[start:start + workers], workers=workers, check=False)
        for results in batch:
            runs.append(results)
            if results.error is not None or not results.cases:
                break
        if runs[-1].error is not None or not runs[-1].cases:
            break

    # The applied moment is a column when the case has a head moment.
    with_moment = isinstance(models[0].load_cases[0], (ShearMoment, DeflectionMoment))
    rows: dict[str, list[Any]] = {"level": [], applied_name: []}
    if with_moment:
        rows["moment"] = []
    for name in _COLUMNS:
        rows[name] = []
    rows.update(iterations=[], failed=[], error=[], message=[])
    for i, results in enumerate(runs):
        ok = results.error is None and bool(results.cases)
        point = results.cases[0] if ok else None
        rows["level"].append(i + 1)
        rows[applied_name].append(applied[i])
        if with_moment:
            rows["moment"].append(float(getattr(models[i].load_cases[0], "moment")))
        for name in _COLUMNS:
            rows[name].append(getattr(point, name) if point is not None else np.nan)
        rows["iterations"].append(point.iterations if point is not None else 0)
        rows["failed"].append(not ok)
        rows["error"].append(results.error.identity if results.error is not None else "")
        rows["message"].append(_problem(results))
    kinds = dict(_COLUMNS)
    kinds[applied_name] = ("force", "force") if applied_name == "shear" else \
        ("length", "deflection")
    if with_moment:
        kinds["moment"] = ("moment", "moment")
    columns = {name: (np.asarray(values, dtype=np.float64) if name in kinds else values)
               for name, values in rows.items()}
    unit_source = next((r.units for r in runs if r.units.system), None)
    if unit_source is None:
        return _pandas().DataFrame(columns)
    return _shown_frame(columns, kinds, unit_source, units)


__all__ = ["load_deflection"]
