"""Load-deflection and load-moment curves of the quickstart drilled shaft.

The 36-in shaft of examples/quickstart.tv6, free head, axial load 100 kips,
under 20 head shears from 5 to 100 kips: tarvex.load_deflection analyses
the load case at each shear (one run per shear, in parallel threads) and
returns the curve in engineering units. Saves load_deflection.png and
load_moment.png (into the folder given as the first argument, else the
current folder) and prints the table.

    python3 examples/python/load_deflection.py [OUTPUT_FOLDER]
"""

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
    shears = [5000.0 * (i + 1) for i in range(20)]  # lb, the input's unit
    curve = tarvex.load_deflection(shaft, shears=shears, moments=0.0, workers=2)
    failed = curve[curve["failed"]]
    if len(failed):
        print(f"stopped at {failed['shear [kip]'].iloc[0]} kips: {failed['message'].iloc[0]}")
    curve = curve[~curve["failed"]]

    kips = curve["shear [kip]"]
    deflection = curve["head_deflection [in]"]
    moment = curve["max_moment [kip-ft]"].abs()
    print(f"{'Shear, kips':>12} {'Head deflection, in':>20} {'Max moment, ft-kips':>20}")
    for v, y, m in zip(kips, deflection, moment):
        print(f"{v:12.1f} {y:20.4f} {m:20.1f}")

    output.mkdir(parents=True, exist_ok=True)
    for name, values, label in (
            ("load_deflection", deflection, "Pile-head deflection (in)"),
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
