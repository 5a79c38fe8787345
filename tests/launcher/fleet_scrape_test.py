#!/usr/bin/env python3
"""The metrics on their way to a fleet's Prometheus: zlxdiag --watch --format prometheus --output
writes into the textfile folder of Debian's prometheus-node-exporter, a Prometheus scrapes the
exporter, and its HTTP API must give back the values --status --format json prints. Both servers
listen on 127.0.0.1 at ports chosen now; both are stopped and every folder removed at the end.
Before that, SIGTERM and SIGINT end a watch that rewrites its file with status 0 and no
temporary left beside the file.
Exits 77 (skipped) when either server is not installed.
  fleet_scrape_test.py PATH/TO/zlxdiag"""
import ctypes
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
from urllib import parse, request

# The wait for a server or a value: long enough for a busy machine, bounded all the same.
LIMIT = 90
servers = []
failures = []
program = os.path.realpath(sys.argv[1])
work = tempfile.mkdtemp(prefix="zlxdiag-fleet-test-")
textfiles = os.path.join(work, "textfile")
os.mkdir(textfiles)
env = dict(os.environ, TMPDIR=work)
env.pop("ZLXDIAG_INSTANCE_DIR", None)
# A test ended from outside (ctest's time limit) still stops its servers and removes its folder:
# SIGTERM runs the cleanup below, and the servers die with this process whatever ends it.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
PR_SET_PDEATHSIG = 1
libc = ctypes.CDLL(None, use_errno=True)


def die_with_parent():
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)



def check(name, ok, detail=""):
    print(("ok    " if ok else "FAIL  ") + name + ("" if ok else ": " + detail), flush=True)
    if not ok:
        failures.append(name)


def poll(question, limit=LIMIT):
    """Asks `question` until it answers something other than None, for `limit` seconds at most."""
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        answer = question()
        if answer is not None:
            return answer
        time.sleep(0.2)
    return None


def leftovers(folder):
    return sorted(n for n in os.listdir(folder) if not n.endswith(".prom"))


def signal_ends_watch(signum):
    name = signal.Signals(signum).name
    target = os.path.join(work, name, "zlx.prom")
    os.mkdir(os.path.dirname(target))
    p = subprocess.Popen([program, "--watch", "--interval", "0.1", "--format", "prometheus",
                          "--output", target], env=env, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE)
    written = poll(lambda: True if os.path.exists(target) else None, 30)
    p.send_signal(signum)
    try:
        out, err = p.communicate(timeout=30)
    except subprocess.TimeoutExpired:
        p.kill()
        out, err = p.communicate()
    check(f"{name} ends the watch with status 0", written and p.returncode == 0,
          f"file written: {written}, status {p.returncode}, {err.decode(errors='replace')}")
    check(f"{name} leaves no temporary beside the file", leftovers(os.path.dirname(target)) == [],
          repr(leftovers(os.path.dirname(target))))
    with open(target) as f:
        check(f"{name} leaves a whole exposition", f.read().count("# TYPE ") > 10)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def get(url):
    try:
        with request.urlopen(url, timeout=5) as answer:
            return answer.read().decode()
    except OSError:
        return None


def start(name, arguments, ready_url):
    """Starts a server on a port chosen now; a port taken meanwhile is chosen again."""
    for _ in range(5):
        port = free_port()
        log = open(os.path.join(work, name + ".log"), "w")
        p = subprocess.Popen([a.format(port=port) for a in arguments], stdout=log,
                             stderr=subprocess.STDOUT, cwd=work, preexec_fn=die_with_parent)
        servers.append(p)
        up = poll(lambda: True if p.poll() is not None or get(ready_url.format(port=port))
                  else None, 60)
        if up and p.poll() is None:
            return port
    with open(os.path.join(work, name + ".log")) as f:
        raise RuntimeError(f"{name} did not start:\n{f.read()[-2000:]}")


def first_binary(*names):
    for name in names:
        path = shutil.which(name)
        if path:
            return path
    return None


# What the exposition must say, by metric name (and labels), from the JSON of the same snapshot.
def expected_values(status):
    values = {
        "zlx_link_channel": status["channel"],
        "zlx_link_frequency_hertz": status["frequencyMhz"] * 1e6,
        "zlx_signal_strength_dbm": status["signalDbm"],
        "zlx_signal_quality_ratio": status["signalQualityPercent"] / 100,
        "zlx_link_receive_rate_bytes_per_second": status["rxRateMbps"] * 1e6 / 8,
        "zlx_link_transmit_rate_bytes_per_second": status["txRateMbps"] * 1e6 / 8,
        "zlx_transmit_power_watts": status["txPowerMw"] / 1000,
        "zlx_link_uptime_seconds": status["upTimeSeconds"],
        "zlx_link_associated": 1 if status["linkStatus"] == "Associated" else 0,
        # One sample: no event seen yet.
        "zlx_disconnect_events_total": 0,
        "zlx_roam_events_total": 0,
        "zlx_radio_off_events_total": 0,
        'zlx_radio_on{switch="hardware"}': 1 if status["radio"]["hardware"] == "on" else 0,
        'zlx_radio_on{switch="software"}': 1 if status["radio"]["software"] == "on" else 0,
        'zlx_wifi_info{adapter="%s",bssid="%s",ssid="%s"}' % (
            status["adapter"], status["bssid"], status["ssid"]): 1,
    }
    for key, value in status["counters"].items():
        if key in ("ackFrames", "retriedDataFrames"):
            continue
        snake = "".join("_" + c.lower() if c.isupper() else c for c in key)
        values[f"zlx_{snake}_total"] = value
    return values


def scraped_values(port):
    query = parse.urlencode({"query": '{__name__=~"zlx_.+"}'})
    answer = get(f"http://127.0.0.1:{port}/api/v1/query?{query}")
    if answer is None:
        return {}
    values = {}
    for series in json.loads(answer)["data"]["result"]:
        labels = series["metric"]
        name = labels["__name__"]
        shown = {k: v for k, v in labels.items()
                 if k in ("switch", "adapter", "bssid", "ssid")}
        if shown:
            name += "{" + ",".join(f'{k}="{v}"' for k, v in sorted(shown.items())) + "}"
        values[name] = float(series["value"][1])
    return values


try:
    for signum in (signal.SIGTERM, signal.SIGINT):
        signal_ends_watch(signum)

    exporter = first_binary("prometheus-node-exporter", "node_exporter")
    prometheus = first_binary("prometheus")
    if not exporter or not prometheus:
        print("prometheus-node-exporter or prometheus is not installed: skipped")
        sys.exit(77 if not failures else 1)

    exporter_port = start("node-exporter", [
        exporter, "--web.listen-address=127.0.0.1:{port}", "--collector.disable-defaults",
        "--collector.textfile", "--collector.textfile.directory=" + textfiles],
        "http://127.0.0.1:{port}/metrics")
    config = os.path.join(work, "prometheus.yml")
    with open(config, "w") as f:
        f.write("global:\n  scrape_interval: 1s\n  evaluation_interval: 1s\n"
                "scrape_configs:\n  - job_name: zlxdiag\n    static_configs:\n"
                f"      - targets: ['127.0.0.1:{exporter_port}']\n")
    prometheus_port = start("prometheus", [
        prometheus, "--config.file=" + config,
        "--storage.tsdb.path=" + os.path.join(work, "tsdb"),
        "--web.listen-address=127.0.0.1:{port}"],
        "http://127.0.0.1:{port}/-/ready")

    json_status = subprocess.run([program, "--status", "--format", "json"], env=env,
                                 capture_output=True, timeout=120)
    check("--status --format json", json_status.returncode == 0, json_status.stderr.decode())
    watch = subprocess.run([program, "--watch", "--manual-clock", "--count", "1", "--format",
                            "prometheus", "--output", os.path.join(textfiles, "zlx.prom")],
                           env=env, capture_output=True, timeout=120)
    check("--watch --format prometheus --output", watch.returncode == 0, watch.stderr.decode())

    expected = expected_values(json.loads(json_status.stdout))
    last = {}

    def same():
        last.clear()
        last.update(scraped_values(prometheus_port))
        return True if last == expected else None

    check("Prometheus holds the values --status prints", poll(same) is not None,
          "\n  expected " + json.dumps(expected, sort_keys=True) +
          "\n  scraped  " + json.dumps(last, sort_keys=True))
except Exception as error:  # a server that never came up, an answer that is no JSON
    check("the servers and their answers", False, repr(error))
finally:
    for p in servers:
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(timeout=30)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
    shutil.rmtree(work, ignore_errors=True)

sys.exit(1 if failures else 0)
