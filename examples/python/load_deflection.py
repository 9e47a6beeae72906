"""Load-deflection and load-moment curves of the quickstart drilled shaft.

The 36-in shaft of examples/quickstart.tv6, free head, axial load 100 kips,
under 20 head shears from 5 to 100 kips: one analysis per shear, run in
parallel threads. Saves load_deflection.png and load_moment.png (into the
folder given as the first argument, else the current folder) and prints the
table.

    python3 examples/python/load_deflection.py [OUTPUT_FOLDER]
"""

import dataclasses
import pathlib
import sys

import matplotlib

matplotlib.use("Agg")  # files only; no window
import matplotlib.pyplot as plt  # noqa: E402

import tarvex  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
QUICKSTART = HERE.parent / "quickstart.tv6"


def main(output):
    shaft = tarvex.read_input(path=QUICKSTART)
    # Past the cracking moment the shaft's stiffness changes from one
    # iteration to the next and convergence slows: allow more iterations.
    shaft.options.max_iterations = 500
    shears = [5000.0 * (i + 1) for i in range(20)]  # lb
    models = [dataclasses.replace(shaft, load_cases=[
        tarvex.ShearMoment(shear=v, moment=0.0, axial=100000.0)]) for v in shears]
    runs = tarvex.run_many(models, workers=2)

    cases = [r.cases[0] for r in runs]
    u = runs[0].units
    kips = [v / 1000.0 for v in shears]
    deflection = [c.head_deflection for c in cases]  # in
    moment = [abs(c.max_moment) / 12000.0 for c in cases]  # lb-in to ft-kips

    print(f"{'Shear, kips':>12} {'Head deflection, ' + u.length:>20} {'Max moment, ft-kips':>20}")
    for v, y, m in zip(kips, deflection, moment):
        print(f"{v:12.1f} {y:20.4f} {m:20.1f}")

    output.mkdir(parents=True, exist_ok=True)
    for name, values, label in (
            ("load_deflection", deflection, f"Pile-head deflection ({u.length})"),
            ("load_moment", moment, "Largest bending moment (ft-kips)")):
        fig, ax = plt.subplots(figsize=(6.5, 4.5), layout="constrained")
        ax.plot(values, kips, marker="o")
        ax.set_xlabel(label)
        ax.set_ylabel("Pile-head shear (kips)")
        ax.set_title("36-in drilled shaft, free head, axial load 100 kips")
        ax.grid(True, alpha=0.3)
        fig.savefig(output / f"{name}.png", dpi=120)
        plt.close(fig)
        print(f"wrote {output / (name + '.png')}")


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path.cwd())
