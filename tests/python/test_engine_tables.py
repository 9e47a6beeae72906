"""The package's copies of the engine's tables: the soil layer classes of
tarvex.model against the engine's p-y criterion table, and the capacities of
tarvex.layout against the engine's limits. Both come from the compiled
module; the package keeps its own so that it reads, writes and checks input
files without it, and these tests hold the two equal."""

import pytest

from tarvex import layout, model

pytestmark = pytest.mark.usefixtures("analyses")

# The names of the engine's values of a SOIL LAYERS row (the reader's list)
# as the package's layer classes call them, in the order they stand for.
FIELD_NAMES = {
    "unit weight": ("unit_weight",),
    "cohesion": ("cohesion",),
    "compressive strength": ("qu",),
    "friction angle": ("friction",),
    "epsilon-50": ("eps50",),
    "J": ("j",),
    "k": ("k",),
    "rock mass modulus": ("rock_modulus",),
    "RQD": ("rqd",),
    "k_rm": ("krm",),
    "test type": ("test",),
    "four test values": ("n60", "qc", "edmt", "epmt"),
    "cone tip resistance": ("qc",),
    "elastic subgrade modulus": ("modulus",),
}


# The engine's check of a value as the rules of tarvex.layout.SOIL_VALUES.
CHECK_RULES = {"none": "", "not_negative": "0+", "angle": "angle", "percent": "percent"}


def _engine():
    from tarvex import _tarvex
    return _tarvex


def test_every_kept_criterion_has_its_class_with_the_engines_values_in_order():
    rows = _engine().criteria
    assert [r["code"] for r in rows] == list(range(1, 21))
    kept = {r["code"]: r for r in rows if r["counted"]}
    assert sorted(model.SOIL_CRITERIA) == sorted(kept)
    for code, row in kept.items():
        cls = model.SOIL_CRITERIA[code]
        names = tuple(n for name, _, _ in row["fields"] for n in FIELD_NAMES[name])
        assert sum(count for _, count, _ in row["fields"]) == len(names), row
        rules = tuple(CHECK_RULES[check] for name, _, check in row["fields"]
                      for _ in FIELD_NAMES[name])
        assert tuple(layout.SOIL_VALUES[n][1] for n in names) == rules, (code, names)
        if row["user_curves"]:
            # The row's values are followed by the points of the two curves,
            # which the class holds.
            assert names == ("unit_weight",)
            assert {"top_curve", "bottom_curve"} <= set(cls.__dataclass_fields__), cls
            continue
        assert cls.values == names, (code, cls.__name__)


def test_layout_limits_are_the_engines():
    engine = _engine().limits
    assert layout._OWN_LIMITS == engine
    assert layout.LIMITS == engine
    assert (layout.MAX_LAYERS, layout.MAX_PY_POINTS, layout.TEXT_LENGTH) == (
        engine["MAX_LAYERS"], engine["MAX_PY_POINTS"], engine["TEXT_LENGTH"])


def test_results_take_description_and_family_from_the_engines_table():
    rows = {r["code"]: r for r in _engine().criteria}
    families = {r["family"] for r in rows.values()}
    assert families == {"clay", "sand", "rock", "silt", "elastic", "user", "frozen", "other"}
    assert rows[1]["description"] == "soft clay, Matlock" and rows[1]["family"] == "clay"
    assert rows[20]["family"] == "other" and not rows[20]["counted"]
