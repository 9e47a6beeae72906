"""Throughput of a Monte Carlo study of the quickstart shaft.

10,000 samples of the quickstart input (examples/quickstart.tv6: a 36-in
concrete shaft, three load cases) with the cohesions of its soft clay and
its stiff clay lognormal and correlated, run four ways on this machine:
tarvex.monte_carlo serially (executor=1), on threads of every core
(executor=None), and on a Dask LocalCluster of one worker process per core;
and, for comparison, the same 10,000 models through tarvex.run_many on
every core (check=False). Prints for each the wall time, the CPU time of
every process involved, runs per second per core of the machine, the CPU
time per run and the cores the study had on average (CPU time over wall
time), with the load average of the machine before and after: on a machine
shared with other work (where the kernel may share the cores among
sessions rather than threads), the wall time says how much of the machine
the study got, and the CPU time per run what a run costs.

    PYTHONPATH=build/python /usr/bin/python3 bench/studies.py [--samples 10000]
        [--only serial,threads,cluster,run_many]
"""

import argparse
import copy
import os
import pathlib
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]


def cpu_seconds(processes):
    total = 0.0
    for p in processes:
        try:
            t = p.cpu_times()
            total += t.user + t.system
        except Exception:  # a process that ended
            pass
    return total


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--samples", type=int, default=10000)
    parser.add_argument("--only", default="serial,threads,cluster,run_many")
    args = parser.parse_args()

    import psutil
    import scipy.stats

    import tarvex

    model = tarvex.read_input(path=ROOT / "examples" / "quickstart.tv6")
    distributions = {"soil_layers[0].cohesion": scipy.stats.lognorm(s=0.3, scale=650.0),
                     "soil_layers[1].cohesion": scipy.stats.lognorm(s=0.25, scale=2700.0)}
    options = dict(seed=1, correlation=[[1.0, 0.6], [0.6, 1.0]])
    cores = os.cpu_count() or 1
    me = psutil.Process()
    print(f"{args.samples} quickstart samples on {cores} cores; tarvex {tarvex.__version__}")
    print(f"{'way':<34}{'wall s':>9}{'CPU s':>9}{'runs/s/core':>13}{'CPU ms/run':>12}"
          f"{'cores had':>11}   load average before, after")
    frames = {}

    def report(name, wall, cpu, before):
        after = os.getloadavg()[0]
        print(f"{name:<34}{wall:9.1f}{cpu:9.1f}{args.samples / wall / cores:13.1f}"
              f"{cpu / args.samples * 1e3:12.2f}{cpu / wall:11.2f}   {before:.2f}, {after:.2f}",
              flush=True)

    for way in args.only.split(","):
        before = os.getloadavg()[0]
        if way in ("serial", "threads"):
            cpu0, t0 = me.cpu_times(), time.perf_counter()
            frames[way] = tarvex.monte_carlo(model, distributions, args.samples,
                                             executor=1 if way == "serial" else None, **options)
            wall = time.perf_counter() - t0
            cpu1 = me.cpu_times()
            cpu = cpu1.user + cpu1.system - cpu0.user - cpu0.system
            report(f"monte_carlo, {'serial' if way == 'serial' else f'{cores} threads'}",
                   wall, cpu, before)
        elif way == "cluster":
            import dask
            from dask.distributed import Client, LocalCluster
            os.environ["PYTHONPATH"] = os.path.dirname(os.path.dirname(tarvex.__file__))
            with dask.config.set({"distributed.worker.multiprocessing-method": "forkserver"}), \
                    LocalCluster(n_workers=cores, threads_per_worker=1, processes=True,
                                 dashboard_address=None, host="127.0.0.1") as cluster, \
                    Client(cluster) as client:
                others = me.children(recursive=True)
                cpu0 = cpu_seconds([me, *others])
                t0 = time.perf_counter()
                frames[way] = tarvex.monte_carlo(model, distributions, args.samples,
                                                 executor=client, **options)
                wall = time.perf_counter() - t0
                cpu = cpu_seconds([me, *others]) - cpu0
            report(f"monte_carlo, LocalCluster of {cores}", wall, cpu, before)
        elif way == "run_many":
            samples = tarvex.draw_samples(distributions, args.samples, **options)
            cpu0, t0 = me.cpu_times(), time.perf_counter()
            models = []
            for top, bottom in samples.itertuples(index=False):
                m = copy.deepcopy(model)
                m.soil_layers[0].cohesion = (top, top)
                m.soil_layers[1].cohesion = (bottom, bottom)
                models.append(m)
            runs = tarvex.run_many(models, check=False)
            wall = time.perf_counter() - t0
            cpu1 = me.cpu_times()
            cpu = cpu1.user + cpu1.system - cpu0.user - cpu0.system
            report(f"run_many, {cores} threads", wall, cpu, before)
            failed = sum(1 for r in runs if not r.ok)
            print(f"{'':<34}({failed} of {len(runs)} runs failed)")
        else:
            parser.error(f"unknown way {way!r}")
    names = list(frames)
    for name in names[1:]:
        same = frames[name].equals(frames[names[0]])
        print(f"table of {name} {'is' if same else 'IS NOT'} that of {names[0]}")
    if names:
        table = frames[names[0]]
        runs = table.drop_duplicates("run")
        print(f"{(~runs.outcome.isin(['normal', 'warnings'])).sum()} of {len(runs)} samples "
              "failed")


if __name__ == "__main__":
    main()
