"""The Python module's own overhead over the engine.

1000 analyses of a 100-increment elastic steel pipe pile in soft clay over
stiff clay (one free-head load case each, the head shear varied from run to
run) are timed twice: through tarvex.run_many with 2 workers, and through
tarvex::run from C++ (tarvex_engine_batch, the same runs with 2 threads,
each in a private folder with its output files read back as the module
does). Prints both times and their ratio; the overhead is small when the
ratio is below 1.2.

    cmake -S . -B build -DTARVEX_PYTHON_MODULE=ON && cmake --build build -j 2
    PYTHONPATH=build/python /usr/bin/python3 bench/python_overhead.py [--build build]
        [--runs 1000] [--workers 2] [--repeat 5]

The two sides take turns and the best of the repeats counts for each: on a
machine busy with other work the best time is the one nearest the cost of
the work itself.
"""

import argparse
import pathlib
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]


def pile_inputs(runs):
    import tarvex as tv
    texts = []
    for i in range(runs):
        model = tv.Model(
            title=["24-in steel pipe pile, elastic, in soft clay over stiff clay"],
            options=tv.Options(units="USCS", increments=100),
            sections=[tv.ElasticSection(length=60.0, shape=tv.PipeShape(24.0, 24.0, 0.5, 0.5),
                                        modulus=29.0e6)],
            soil_layers=[
                tv.SoftClay(0.0, 12.0, unit_weight=50.0, cohesion=(400.0, 600.0), eps50=0.02),
                tv.StiffClayFreeWater(12.0, 80.0, unit_weight=60.0, cohesion=(1500.0, 3000.0),
                                      eps50=0.005, k=500.0),
            ],
            load_cases=[tv.ShearMoment(shear=10000.0 + 20.0 * i, moment=0.0, axial=0.0)],
        )
        texts.append(model.to_input())
    return texts


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--runs", type=int, default=1000)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()

    import tarvex
    reference = pathlib.Path(args.build) / "python" / "tarvex_engine_batch"
    if not reference.exists():
        sys.exit(f"{reference} is not built (configure with -DTARVEX_PYTHON_MODULE=ON)")

    with tempfile.TemporaryDirectory(prefix="tarvex-bench-") as folder:
        paths = []
        for i, text in enumerate(pile_inputs(args.runs)):
            path = pathlib.Path(folder) / f"pile{i:04d}.tv6"
            path.write_text(text)
            paths.append(str(path))
        check = tarvex.run(path=paths[0])
        assert check.result_code == 0 and len(check.cases[0].depth) == 101

        def python_side():
            start = time.perf_counter()
            results = tarvex.run_many(paths, workers=args.workers)
            elapsed = time.perf_counter() - start
            assert len(results) == args.runs and all(r.result_code == 0 for r in results)
            return elapsed

        def cpp_side(threads):
            # The time the program measures itself: the runs, without the
            # start of the process.
            done = subprocess.run([str(reference), str(threads), *paths], check=True,
                                  capture_output=True, text=True)
            return float(done.stdout.rsplit(":", 1)[1].split()[0])

        # The two sides take turns, so that a spell of other work on the
        # machine falls on both alike.
        cpp_times, python_times = [], []
        for _ in range(args.repeat):
            cpp_times.append(cpp_side(args.workers))
            python_times.append(python_side())
        cpp, python = min(cpp_times), min(python_times)
        cpp_serial = cpp_side(1)

    print(f"{args.runs} runs of a 100-increment elastic pile, best of {args.repeat}")
    print(f"  C++ tarvex::run, 1 thread:             {cpp_serial:8.3f} s")
    print(f"  C++ tarvex::run, {args.workers} threads:            {cpp:8.3f} s")
    print(f"  Python run_many(workers={args.workers}):          {python:8.3f} s")
    print(f"  ratio Python / C++ ({args.workers} each):            {python / cpp:8.3f}")


if __name__ == "__main__":
    main()
