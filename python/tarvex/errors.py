"""Exceptions of the tarvex package."""


class TarvexError(Exception):
    """Base class of the errors raised by tarvex."""


class InputError(TarvexError, ValueError):
    """An input file that cannot be read.

    ``read_input`` raises it for a file whose layout it cannot follow; the
    engine raises it for an input error of a run. ``identity`` ("INP00095")
    and ``code`` (195) are the engine's when the engine raised it and None
    otherwise; ``file`` and ``line`` say where, and ``message`` what.
    """

    def __init__(self, message, *, file=None, line=None, identity=None, code=None):
        self.message = message
        self.file = file
        self.line = line
        self.identity = identity
        self.code = code
        where = ""
        if file is not None and line is not None:
            where = f"{file}, line {line}: "
        elif line is not None:
            where = f"line {line}: "
        elif file is not None:
            where = f"{file}: "
        super().__init__(where + message)


class AnalysisError(TarvexError, RuntimeError):
    """A runtime error of the engine during an analysis."""

    def __init__(self, message, *, identity=None, code=None):
        self.message = message
        self.identity = identity
        self.code = code
        super().__init__(message)


class ModelError(TarvexError, ValueError):
    """A model that cannot be written as an input the engine accepts.

    ``problems`` lists every value at fault, each naming the field by its
    path in the model ("sections[0].concrete.fc: must be positive, not 0").
    """

    def __init__(self, problems):
        self.problems = list(problems)
        super().__init__("\n".join(self.problems))
