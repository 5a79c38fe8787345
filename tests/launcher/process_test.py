#!/usr/bin/env python3
"""The program as a process: output that cannot be written, termination signals, leftovers of
killed runs, and an instance folder named by the environment. Each row starts zlxdiag once.
  process_test.py PATH/TO/zlxdiag"""
import os
import signal
import subprocess
import sys
import tempfile
import time

program = os.path.realpath(sys.argv[1])
work = tempfile.mkdtemp(prefix="zlxdiag-process-test-")
os.chmod(work, 0o700)
env = {k: v for k, v in os.environ.items() if k != "ZLXDIAG_INSTANCE_DIR"}
env["TMPDIR"] = work
script = os.path.join(work, "long.script")
with open(script, "w") as f:
    # Long enough for a signal to arrive during the advance.
    f.write("tab 1\nadvance 34560000000\ndump top\n")
failures = []


def check(name, ok, detail=""):
    print(("ok    " if ok else "FAIL  ") + name + ("" if ok else ": " + detail))
    if not ok:
        failures.append(name)


def leftovers():
    return sorted(n for n in os.listdir(work) if n.startswith("zlxdiag-run-"))


def run_with_stdout(args, stdout, close_stdout=False, extra_env=None, sigpipe=signal.SIG_IGN):
    def prepare():
        signal.signal(signal.SIGPIPE, sigpipe)
        if close_stdout:
            os.close(1)
    p = subprocess.run([program] + args, stdout=stdout, stderr=subprocess.PIPE,
                       env=dict(env, **(extra_env or {})), preexec_fn=prepare,
                       restore_signals=False, timeout=120)
    return p.returncode, p.stderr.decode(errors="replace")


# Output that cannot be written: the status says the run could not do its job.
modes = [("report", ["--report"], 2, "the report could not be written"),
         ("script", ["--headless", "--script", os.path.join(work, "short.script")], 2,
          "the transcript could not be written")]
with open(os.path.join(work, "short.script"), "w") as f:
    f.write("tab 1\ndump top\n")
for mode, args, status, message in modes:
    with open("/dev/full", "w") as full:
        got = run_with_stdout(args, full)
    check(f"{mode} to /dev/full", got[0] == status and message in got[1], repr(got))
    got = run_with_stdout(args, subprocess.DEVNULL, close_stdout=True)
    check(f"{mode} with standard output closed", got[0] == status and message in got[1],
          repr(got))
    reader, writer = os.pipe()
    os.close(reader)
    got = run_with_stdout(args, writer)
    os.close(writer)
    check(f"{mode} to a pipe nobody reads", got[0] == status and message in got[1], repr(got))

# A closed pipe with SIGPIPE at its default ends --status and --watch quietly, as Unix tools end;
# a caller that ignores SIGPIPE gets status 2 and the reason.
watch = ["--watch", "--manual-clock", "--format", "csv"]
for mode, args, message in [("status", ["--status"], "the status could not be written"),
                            ("watch", watch, "the samples could not be written")]:
    for action, expected in [(signal.SIG_DFL, (-signal.SIGPIPE, "")), (signal.SIG_IGN, None)]:
        reader, writer = os.pipe()
        os.close(reader)
        got = run_with_stdout(args, writer, sigpipe=action)
        os.close(writer)
        ok = got == expected if expected else got[0] == 2 and message in got[1]
        check(f"{mode} to a closed pipe, SIGPIPE {action.name}", ok, repr(got))

# An instance folder named explicitly is checked like the shared fallback.
got = run_with_stdout(["--report"], subprocess.DEVNULL,
                      extra_env={"ZLXDIAG_INSTANCE_DIR": "/etc/passwd"})
check("report with ZLXDIAG_INSTANCE_DIR=/etc/passwd", got[0] == 2 and "is not a folder" in got[1],
      repr(got))

# A killed run's private folder is removed at the next start; the run a signal ends removes its
# own and ends with 128 + signal.
stale = os.path.join(work, "zlxdiag-run-stale1")
os.mkdir(stale, 0o700)
open(os.path.join(stale, "lock"), "w").close()
for signum in (signal.SIGTERM, signal.SIGINT):
    p = subprocess.Popen([program, "--headless", "--script", script], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, env=env)
    p.stdout.readline()  # the first command's echo: the run is under way
    deadline = time.monotonic() + 20
    while not p.stdout.readline().startswith(b"> advance") and time.monotonic() < deadline:
        pass
    p.send_signal(signum)
    try:
        p.wait(timeout=20)
    except subprocess.TimeoutExpired:
        p.kill()
        p.wait()
    check(f"{signum.name} ends a scripted run with 128 + signal", p.returncode == 128 + signum,
          f"status {p.returncode}")
    check(f"{signum.name} leaves no private folder behind", leftovers() == [], repr(leftovers()))
    p.stdout.close()
    p.stderr.close()

subprocess.run(["rm", "-rf", work])
sys.exit(1 if failures else 0)
