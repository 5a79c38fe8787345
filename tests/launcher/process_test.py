#!/usr/bin/env python3
"""The program as a process: output that cannot be written, termination signals (also while
output waits for its reader), what runs leave behind, and an instance folder named by the
environment. Each row starts zlxdiag once.
  process_test.py PATH/TO/zlxdiag"""
import os
import select
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
    # A transcript far larger than a pipe holds: a run whose reader stops reading waits in a write.
    f.write("tab 1\n" + "dump\n" * 3000)
failures = []


def check(name, ok, detail=""):
    print(("ok    " if ok else "FAIL  ") + name + ("" if ok else ": " + detail))
    if not ok:
        failures.append(name)


def leftovers():
    """What a run left in its temporary folder besides the test's own files and Qt's runtime
    folder (made there when XDG_RUNTIME_DIR is unset)."""
    return sorted(n for n in set(os.listdir(work)) - {"long.script", "short.script", "instance"}
                  if not n.startswith("runtime-"))


def run_with_stdout(args, stdout, close_stdout=False, extra_env=None, sigpipe=signal.SIG_IGN):
    def prepare():
        signal.signal(signal.SIGPIPE, sigpipe)
        if close_stdout:
            os.close(1)
    p = subprocess.run([program] + args, stdout=stdout, stderr=subprocess.PIPE,
                       env=dict(env, **(extra_env or {})), preexec_fn=prepare,
                       restore_signals=False, timeout=120)
    return p.returncode, p.stderr.decode(errors="replace")


# Output that cannot be written: the status says the run could not do its job. With standard
# output closed, no file the program opens (the instance folder's lock) takes its place.
instance = os.path.join(work, "instance")
modes = [("report", ["--report"], 2, "the report could not be written"),
         ("script", ["--headless", "--script", os.path.join(work, "short.script")], 2,
          "the transcript could not be written"),
         ("version", ["--version"], 2, "the version could not be written"),
         ("help", ["--help"], 2, "the help could not be written"),
         ("status", ["--status"], 2, "the status could not be written"),
         ("watch", ["--watch", "--manual-clock", "--count", "3"], 2,
          "the samples could not be written")]
with open(os.path.join(work, "short.script"), "w") as f:
    f.write("tab 1\ndump top\n")
for mode, args, status, message in modes:
    with open("/dev/full", "w") as full:
        got = run_with_stdout(args, full)
    check(f"{mode} to /dev/full", got[0] == status and message in got[1], repr(got))
    got = run_with_stdout(args, subprocess.DEVNULL, close_stdout=True)
    check(f"{mode} with standard output closed", got[0] == status and message in got[1],
          repr(got))
    got = run_with_stdout(args, subprocess.DEVNULL, close_stdout=True,
                          extra_env={"ZLXDIAG_INSTANCE_DIR": instance})
    check(f"{mode} with standard output closed and ZLXDIAG_INSTANCE_DIR set",
          got[0] == status and message in got[1], repr(got))
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

def stop(p, signum, limit):
    """Sends `signum` and returns the exit status, or that of SIGKILL after `limit` seconds."""
    p.send_signal(signum)
    try:
        p.wait(timeout=limit)
    except subprocess.TimeoutExpired:
        p.kill()
        p.wait()
    return p.returncode


# A run a signal ends ends with 128 + signal and leaves nothing behind.
# The window program runs a script drawn on the Qt front end where a display is named.
front_ends = [("headless", ["--headless"], env)]
if os.path.exists(os.path.join(os.path.dirname(program), "zlxdiag-window")):
    front_ends.append(("Qt", [], dict(env, QT_QPA_PLATFORM="offscreen")))


def fill(writer, p):
    """Returns once the pipe that `p` writes to takes no more, as the test's own end of it shows:
    then `p` waits for its reader."""
    full = select.poll()
    full.register(writer, select.POLLOUT)
    deadline = time.monotonic() + 60
    while full.poll(10) and p.poll() is None and time.monotonic() < deadline:
        pass
    os.close(writer)


for (front_end, args, run_env), signum in [(f, s) for f in front_ends
                                          for s in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP)]:
    reader, writer = os.pipe()
    p = subprocess.Popen([program] + args + ["--script", script], stdout=writer,
                         stderr=subprocess.PIPE, env=run_env)
    fill(writer, p)
    status = stop(p, signum, 20)
    check(f"{signum.name} ends a {front_end} scripted run whose output nobody reads",
          status == 128 + signum, f"status {status}")
    check(f"{signum.name} leaves nothing of a {front_end} run", leftovers() == [],
          repr(leftovers()))
    os.close(reader)
    p.stderr.close()

# A request that came before --status printed its snapshot (here already waiting, held back,
# when the program starts) ends the run with 128 + signal: nothing is printed that a script
# could take for a result, and nothing is left behind.
def pending_term():
    signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM})
    os.kill(os.getpid(), signal.SIGTERM)


p = subprocess.run([program, "--status"], capture_output=True, env=env, preexec_fn=pending_term,
                   timeout=120)
check("a request before --status printed ends it with 128 + signal",
      (p.returncode, p.stdout, leftovers()) == (128 + signal.SIGTERM, b"", []),
      repr((p.returncode, p.stdout[:40], leftovers())))

# A watch whose reader never reads ends at a request all the same, within a second, and leaves
# nothing behind: the write it waits in is no reason to stay.
for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
    reader, writer = os.pipe()
    p = subprocess.Popen([program, "--watch", "--manual-clock"], stdout=writer,
                         stderr=subprocess.PIPE, env=env)
    fill(writer, p)
    status = stop(p, signum, 10)
    check(f"{signum.name} ends a watch whose output nobody reads", status == 0, f"status {status}")
    check(f"{signum.name} leaves nothing of a blocked watch", leftovers() == [],
          repr(leftovers()))
    os.close(reader)
    p.stderr.close()

subprocess.run(["rm", "-rf", work])
sys.exit(1 if failures else 0)
