"""The results files of the command line: the JSON file of every example
follows the schema, its values are those of the plot file of the same run to
the printed precision, and the CSV tables hold the JSON's values."""

import csv
import json
import pathlib
import subprocess

import jsonschema
import pytest

from conftest import EXAMPLES, ROOT, engine_path

SCHEMA = json.loads((ROOT / "docs" / "results.schema.json").read_text())


@pytest.fixture(scope="module")
def cli():
    return engine_path()


def run(cli, input_path, folder, *options):
    """Runs the command line on a copy of input_path in folder."""
    folder.mkdir(parents=True, exist_ok=True)
    copy = folder / input_path.name
    copy.write_bytes(input_path.read_bytes())
    done = subprocess.run([cli, str(copy), *options], capture_output=True, text=True, timeout=300)
    return done, folder / copy.stem


def plot_records(plot_path, label):
    """The numbers of every plot record whose label starts with `label`."""
    rows = []
    for line in plot_path.read_text("latin-1").splitlines():
        at = line.find(" Line ")
        if at >= 0 and line[at + 1:].startswith(label):
            rows.append([float(v) for v in line[:at].split()])
    return rows


def assert_printed(json_value, printed, what):
    """A value equals its printed form (seven significant digits); the plot
    file writes a magnitude below 1e-20 as zero."""
    if printed == 0.0:
        assert abs(json_value) < 1e-20, what
    else:
        assert json_value == pytest.approx(printed, rel=6e-7), what


@pytest.mark.parametrize("path", EXAMPLES, ids=lambda p: p.stem)
def test_json_of_every_example_follows_the_schema_and_the_plot_file(path, cli, tmp_path):
    done, stem = run(cli, path, tmp_path, "--json")
    assert done.returncode in (0, 2), done.stdout + done.stderr
    text = stem.with_suffix(".json").read_text()
    assert "NaN" not in text and "Infinity" not in text
    results = json.loads(text)
    jsonschema.validate(results, SCHEMA, cls=jsonschema.Draft202012Validator)
    assert results["format_version"] == 1
    assert (results["error"] is None) == (done.returncode == 0)

    # The nodes of every load case: depth, y, M, V, p, EI of plot record 10.
    nodes = plot_records(stem.with_suffix(".plt"), "Line 10(")
    at = 0
    for case in results["cases"]:
        columns = case["nodes"]
        count = len(columns["depth"])
        assert all(len(columns[k]) == count for k in columns), case["number"]
        for i in range(count):
            printed = nodes[at + i]
            for k, key in enumerate(("depth", "deflection", "moment", "shear", "soil_reaction",
                                     "flexural_rigidity")):
                assert_printed(columns[key][i], printed[k], f"case {case['number']} node {i + 1} {key}")
        at += count
    assert at == len(nodes)

    # The summary of every load case, plot record 13.
    summary = plot_records(stem.with_suffix(".plt"), "Line 13")
    if summary and not results["lrfd"]:
        assert len(summary) == len(results["cases"])
        for case, printed in zip(results["cases"], summary):
            for key, value in zip(("head_shear", "head_deflection", "max_moment", "max_shear",
                                   "head_rotation"), printed):
                assert_printed(case[key], value, f"case {case['number']} {key}")

    # The rows of the pile-length studies, record 12.
    study = plot_records(stem.with_suffix(".plt"), "Line 12")
    rows = [r for c in results["cases"] if c["length_study"] for r in c["length_study"]["rows"]]
    assert len(study) == len(rows)
    for row, printed in zip(rows, study):
        for key, value in zip(("length", "head_deflection", "max_moment", "max_shear"), printed):
            assert_printed(row[key], value, f"length study {key}")

    # Each printed p-y curve's block: its title and every value line the
    # report prints, the fixed and integer values in their print form.
    report = stem.with_suffix(".out").read_text(encoding="latin-1").splitlines()
    for curve in results["py_curves"]:
        at = report.index(curve["title"][0])
        assert report[at:at + len(curve["title"])] == curve["title"]
        for v in curve["parameters"]:
            if v["form"] == "exponent":
                continue
            shown = (f"{int(v['value']):{v['width']}d}" if v["form"] == "integer"
                     else f"{v['value']:#12.{v['decimals']}f}")
            assert any(line.startswith(v["name"]) and f"= {shown}" in line
                       for line in report[at:]), (curve["number"], v["name"], shown)

    # Moment, EI and curvature of every moment-curvature point, record 5.
    points = plot_records(stem.with_suffix(".plt"), "Line 5 ")
    tables = [p for s in results["sections"] for t in s["thrusts"] for p in t["points"]]
    if points:
        assert len(points) == len(tables)
        for point, printed in zip(tables, points):
            for key, value in zip(("moment", "ei", "curvature"), printed):
                assert_printed(point[key], value, key)


def read_csv(path):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    return rows[0], rows[1:]


def number(text):
    return float(text) if text else None


# The node column of each kind of value of the load-case table.
NODE_COLUMN_OF = {"force": "shear", "moment": "moment", "deflection": "deflection",
                  "rotation": "slope"}


def check_converted(cell, value, unit, largest=0.0):
    """A cell of an engineering table against the JSON's value: converted by
    the display table, in nine significant digits, 0 for round-off."""
    if value is None:
        assert cell == ""
        return
    shown = 0.0 if abs(value) < 1e-8 * largest else value * unit["factor"] / unit["divisor"]
    assert number(cell) == pytest.approx(shown, rel=1e-8, abs=1e-300)


@pytest.mark.parametrize("name", ["quickstart", "lrfd_hpile_clays_si"])
def test_engineering_csv_is_the_json_converted(name, cli, tmp_path):
    path = ROOT / "examples" / f"{name}.tv6"
    done, stem = run(cli, path, tmp_path, "--json", "--csv", "--load-steps", "3")
    assert done.returncode == 0, done.stdout + done.stderr
    results = json.loads(stem.with_suffix(".json").read_text())
    jsonschema.validate(results, SCHEMA, cls=jsonschema.Draft202012Validator)
    table = results["display_units"]["quantities"]
    kinds = {"axial": "force", "head_shear": "force", "head_moment": "moment",
             "head_deflection": "deflection", "head_rotation": "rotation",
             "max_moment": "moment", "max_moment_depth": "depth", "max_shear": "force",
             "max_shear_depth": "depth", "max_stress": "stress"}
    header, rows = read_csv(f"{stem}.cases.csv")
    for key, kind in kinds.items():
        assert f"{key} [{table[kind]['unit']}]" in header
    assert f"k22 [{table['lateral_stiffness']['unit']}]" in header
    for row, case in zip(rows, results["cases"]):
        cells = {h.split(" [")[0]: c for h, c in zip(header, row)}
        for key, kind in kinds.items():
            # Round-off against the case's largest value of the kind.
            largest = 0.0
            if key != "axial" and kind in NODE_COLUMN_OF:
                largest = max(abs(v) for v in case["nodes"][NODE_COLUMN_OF[kind]] + [case[key]])
            check_converted(cells[key], case[key], table[kind], largest)
        tangent = case["head_stiffness"]["tangent"]
        check_converted(cells["k22"], tangent[0][0], table["lateral_stiffness"])
        check_converted(cells["k33"], tangent[1][1], table["rotational_stiffness"])
        check_converted(cells["secant_lateral"], case["head_stiffness"]["secant"]["lateral"],
                        table["lateral_stiffness"])
    header, rows = read_csv(f"{stem}.curves.csv")
    curves = [(c["number"], p) for c in results["cases"] for p in c["load_curve"]["points"]]
    assert len(rows) == len(curves) == 3 * len(results["cases"])
    for row, (number_, point) in zip(rows, curves):
        assert int(row[0]) == number_ and int(row[1]) == point["level"]
        check_converted(row[5], point["head_deflection"], table["deflection"])


@pytest.mark.parametrize("name", ["quickstart", "lrfd_hpile_clays_si"])
def test_csv_columns_equal_the_json(name, cli, tmp_path):
    path = ROOT / "examples" / f"{name}.tv6"
    done, stem = run(cli, path, tmp_path, "--json", "--csv", "--units", "computing")
    assert done.returncode == 0, done.stdout + done.stderr
    results = json.loads(stem.with_suffix(".json").read_text())
    units = results["units"]

    header, rows = read_csv(f"{stem}.cases.csv")
    assert f"head_deflection [{units['length']}]" in header
    assert f"max_moment [{units['moment']}]" in header
    assert len(rows) == len(results["cases"])
    for row, case in zip(rows, results["cases"]):
        for heading, cell in zip(header, row):
            key = heading.split(" [")[0]
            if key == "case":
                assert int(cell) == case["number"]
            elif key == "combination":
                assert cell == case["combination_name"]
            elif key in ("load_type", "iterations"):
                assert int(cell) == case[key]
            elif key == "status":
                assert cell == case["status"]
            elif key in ("secant_lateral", "secant_rotational"):
                assert number(cell) == case["head_stiffness"]["secant"][key[7:]], key
            elif key in ("k22", "k23", "k32", "k33"):
                i, j = int(key[1]) - 2, int(key[2]) - 2
                assert number(cell) == case["head_stiffness"]["tangent"][i][j], key
            else:
                assert number(cell) == case[key], key  # exactly the same double

    for case in results["cases"]:
        header, rows = read_csv(f"{stem}.case{case['number']}.csv")
        assert header[0] == "node" and header[1] == f"depth [{units['length']}]"
        assert len(rows) == len(case["nodes"]["depth"])
        for heading, column in zip(header[1:], zip(*[r[1:] for r in rows])):
            key = heading.split(" [")[0]
            assert [number(c) for c in column] == case["nodes"][key], key


def test_interaction_csv_tables_equal_the_json(cli, tmp_path):
    """The diagram and demand tables of a run with interaction diagrams (the
    quick-start shaft by AASHTO) hold the JSON's values."""
    text = (ROOT / "examples" / "quickstart.tv6").read_text().replace(
        "ComputeInteraction NO\n", "ComputeInteraction YES\nCode AASHTO\n", 1)
    path = tmp_path / "src" / "shaft.tv6"
    path.parent.mkdir()
    path.write_text(text)
    done, stem = run(cli, path, tmp_path / "run", "--json", "--csv", "--units", "computing")
    assert done.returncode == 0, done.stdout + done.stderr
    results = json.loads(stem.with_suffix(".json").read_text())
    jsonschema.validate(results, SCHEMA, cls=jsonschema.Draft202012Validator)
    it = results["sections"][0]["interaction"]
    header, rows = read_csv(f"{stem}.interaction.csv")
    assert header == ["section", "code", "point", "nominal_axial [lb]", "nominal_moment [lb-in]",
                      "factored_axial [lb]", "factored_moment [lb-in]", "phi"]
    assert len(rows) == len(it["nominal"])
    for k, row in enumerate(rows):
        assert row[:3] == ["1", "AASHTO", str(k + 1)]
        assert [number(c) for c in row[3:]] == [
            it["nominal"][k]["axial"], it["nominal"][k]["moment"], it["factored"][k]["axial"],
            it["factored"][k]["moment"], it["phi"][k]]
    header, rows = read_csv(f"{stem}.demands.csv")
    assert header[:6] == ["section", "case", "combination", "factored", "axial [lb]",
                          "moment [lb-in]"]
    assert len(rows) == len(it["demands"]) == len(results["cases"])
    for row, d in zip(rows, it["demands"]):
        assert [int(row[0]), int(row[1]), row[2], row[3]] == [1, d["load_case"], "", "no"]
        assert [number(c) for c in row[4:9]] == [d["axial"], d["moment"], d["utilisation"],
                                                 d["capacity"]["axial"], d["capacity"]["moment"]]
        assert row[9] == ("yes" if d["passed"] else "no")


def test_files_for_programs_are_written_only_when_asked(cli, tmp_path):
    done, stem = run(cli, ROOT / "examples" / "quickstart.tv6", tmp_path)
    assert done.returncode == 0
    assert not stem.with_suffix(".json").exists()
    assert not pathlib.Path(f"{stem}.cases.csv").exists()
    assert "\n  results " not in done.stdout


def test_an_input_error_is_in_the_json_with_its_line(cli, tmp_path):
    source = tmp_path / "src" / "bad.tv6"
    source.parent.mkdir()
    text = (ROOT / "examples" / "quickstart.tv6").read_text()
    bad = text.replace("\nEND\n", "\nNOT A SECTION\nEND\n", 1)
    source.write_text(bad)
    done, stem = run(cli, source, tmp_path / "run", "--json", "--csv")
    assert done.returncode == 1
    results = json.loads(stem.with_suffix(".json").read_text())
    jsonschema.validate(results, SCHEMA, cls=jsonschema.Draft202012Validator)
    error = results["error"]
    assert results["outcome"] == "input_error" and error["kind"] == "input"
    assert error["line_text"] == "NOT A SECTION"
    assert error["values"] == [{"name": "line", "value": "NOT A SECTION", "unit": ""}]
    assert error["line_number"] == bad.splitlines().index("NOT A SECTION") + 1
    assert results["cases"] == []
    header, rows = read_csv(f"{stem}.cases.csv")
    assert rows == [] and header[0] == "case"
