"""Running analyses: ``run`` one input, ``run_many`` in parallel threads.

The engine runs in the compiled module ``tarvex._tarvex`` with the
interpreter lock released, so threads run analyses side by side on as many
processor cores as there are workers.
"""

import os
from concurrent.futures import ThreadPoolExecutor

from .errors import AnalysisError, InputError
from .results import Results

try:  # the compiled engine module, when this installation has it
    from . import _tarvex
except ImportError:
    _tarvex = None


def _module():
    if _tarvex is None:
        raise ImportError(
            "tarvex.run needs the compiled engine module tarvex._tarvex, which this "
            "installation of tarvex does not have: it holds the input model only "
            "(tarvex.Model, tarvex.read_input). Install the package with "
            "'pip install --no-build-isolation ./python' (see the README), or run the "
            "command-line engine on the file that Model.write() writes.")
    return _tarvex


def _input_bytes(source):
    """The bytes of an input and the file they came from (None for a text or
    a model)."""
    if hasattr(source, "to_input"):  # a tarvex.Model
        return source.to_input().encode("utf-8", "surrogateescape"), None
    if isinstance(source, (bytes, bytearray)):
        return bytes(source), None
    if isinstance(source, str) and (not source or "\n" in source or "\r" in source):
        return source.encode("utf-8", "surrogateescape"), None
    path = os.fspath(source)
    with open(path, "rb") as f:
        return f.read(), str(path)


def _error(results):
    """The exception for a run that ended with an error."""
    e = results.error
    message = "\n".join(e.message) or f"the run ended with result code {results.result_code}"
    line = e.line_number or None
    if results.outcome == "input_error":
        error = InputError(message, file=e.file, line=line, identity=e.identity, code=e.code)
    else:
        error = AnalysisError(message, file=e.file, line=line, identity=e.identity,
                              code=e.code)
    error.results = results
    return error


def run(source, *, check=True):
    """Analyses one input and returns its ``Results``.

    ``source`` is a ``tarvex.Model``, the text of an input (a str holding a
    line break, or bytes) or the path of an input file. A run that ends with
    an input error raises ``tarvex.InputError``, one that ends with a runtime
    error ``tarvex.AnalysisError``; each carries ``identity``, ``code``,
    ``file``, ``line``, ``message`` and the partial ``results``. With
    ``check=False`` the results are returned instead, with ``error`` set.
    """
    data, file = _input_bytes(source)
    results = Results(_module().analyse(data), file=file)
    if check and results.error is not None:
        raise _error(results)
    return results


def run_many(sources, workers=None, *, check=True):
    """Analyses every input of ``sources`` (models, texts or paths) with up to
    ``workers`` threads (default: one per processor) and returns the list of
    their ``Results`` in the order of ``sources``.

    With ``check=True`` the first input in order whose run ends with an error
    raises as ``run`` does, and the runs not started yet are dropped.
    """
    sources = list(sources)
    if workers is None:
        workers = os.cpu_count() or 1
    if not isinstance(workers, int) or workers < 1:
        raise ValueError(f"workers must be a positive integer, not {workers!r}")
    _module()
    if workers == 1 or len(sources) <= 1:
        return [run(s, check=check) for s in sources]
    with ThreadPoolExecutor(max_workers=min(workers, len(sources))) as pool:
        futures = [pool.submit(run, s, check=check) for s in sources]
        try:
            return [f.result() for f in futures]
        except BaseException:
            for f in futures:
                f.cancel()
            raise
