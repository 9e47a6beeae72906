"""Tarvex from Python: build, read and write the input of the lateral pile
analysis engine, run it, and read its results.

``tarvex.Model`` holds a TARVEX6 input as dataclasses; ``Model.to_input()``
writes it and ``tarvex.read_input()`` reads one back. ``tarvex.run`` analyses
an input (``run(path=...)``, ``run(text=...)`` or ``run(model)``) and returns
its ``Results``; ``tarvex.run_many`` analyses many in parallel threads;
``Results.from_json`` reads the results file of the command line;
``tarvex.load_deflection`` gives a load case's load-deflection curve.
``tarvex.sweep``, ``tarvex.monte_carlo`` and ``tarvex.tornado`` run
parametric and probabilistic studies (``tarvex.studies``). Running needs the
compiled engine module ``tarvex._tarvex`` and NumPy.
"""

from typing import TYPE_CHECKING, Any

from .engine import Source, run, run_many
from .errors import AnalysisError, InputError, ModelError, TarvexDeprecationWarning, TarvexError
from .model import *  # noqa: F401,F403 - the dataclasses of the input model
from .model import __all__ as _model_names
from .load_curves import load_deflection
from .reader import read_input
from .results import (CurveNote, CurveParameter, CurveText, Diagnostic, DiagnosticValue, DisplayUnit,
                      DisplayUnits, HeadStiffness, InteractionCurve, InteractionDemand,
                      InteractionPoint, InteractionResult, LayerResult, LayerValue, LengthStudy,
                      LoadCaseResult, LoadCurve, LrfdBatterTransform, LrfdCheckRow,
                      LrfdCombinationLoads, LrfdDistributedLoads, LrfdLoadGroup, LrfdLoading,
                      LrfdLoadPoint, LrfdTypeTotal, MomentCurvature,
                      PyCurveResult, Results, SecantStiffness, SectionResult, StiffnessStudy,
                      Units, WarningRecord)
from .results import DateTime, IterationRecord, RunFiles
from .results import (ListedBar, SectionBar, SectionConcrete, SectionDimensions,
                      SectionPrestress)

if TYPE_CHECKING:  # the names as type checkers see them ("as": exported)
    from .studies import Exceedance as Exceedance
    from .studies import draw_samples as draw_samples
    from .studies import exceedance as exceedance
    from .studies import monte_carlo as monte_carlo
    from .studies import plot_distribution as plot_distribution
    from .studies import plot_sweep as plot_sweep
    from .studies import plot_tornado as plot_tornado
    from .studies import sensitivity as sensitivity
    from .studies import sweep as sweep
    from .studies import tornado as tornado

# The studies are imported when first used: they need pandas and SciPy, and
# 'python3 -m tarvex.studies' runs the module as a script, which must not be
# imported before.
_STUDIES = ("Exceedance", "draw_samples", "exceedance", "monte_carlo", "plot_distribution",
            "plot_sweep", "plot_tornado", "sensitivity", "sweep", "tornado")


def __getattr__(name: str) -> Any:
    if name in _STUDIES:
        from . import studies
        return getattr(studies, name)
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")


def _version() -> str:
    """The engine's version (the compiled module's); without the module, the
    version of the installed package, which the build takes from the same
    place."""
    try:
        from ._tarvex import __version__ as engine_version
    except ImportError:
        from importlib.metadata import PackageNotFoundError, version
        try:
            return version("tarvex")
        except PackageNotFoundError:
            return "unknown"
    return engine_version


#: The version of the engine and of this package ("6.0.28").
__version__ = _version()

__all__ = ["AnalysisError", "CurveNote", "CurveParameter", "CurveText", "Diagnostic", "DiagnosticValue", "DisplayUnit",
           "DisplayUnits", "HeadStiffness",
           "InputError", "LoadCurve", "SecantStiffness", "load_deflection", "InteractionCurve", "InteractionDemand",
           "InteractionPoint", "InteractionResult", "LayerResult", "LayerValue", "LengthStudy",
           "LoadCaseResult", "LrfdBatterTransform", "LrfdCheckRow", "LrfdCombinationLoads",
           "LrfdDistributedLoads", "LrfdLoadGroup", "LrfdLoading", "LrfdLoadPoint", "LrfdTypeTotal", "ModelError", "MomentCurvature", "PyCurveResult",
           "Results", "SectionResult", "Source", "StiffnessStudy", "TarvexDeprecationWarning", "TarvexError", "Units",
           "WarningRecord", "DateTime", "IterationRecord", "RunFiles", "ListedBar", "SectionBar", "SectionConcrete", "SectionDimensions",
           "SectionPrestress", "__version__", "read_input", "run", "run_many", *_STUDIES,
           *_model_names]
