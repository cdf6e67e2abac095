# The tests' customizations of Orca, loaded from its preferences folder as a
# user's own orca-customizations.py is (oir_orca.py puts it there).
# Orca loads them while it reads its preferences, before it checks for
# another Orca and before it speaks.
import os
import subprocess

from orca import debug

# The tests read Orca's debug log while Orca runs: each line reaches the file
# as it is written, not when a buffer fills.
if debug.debugFile:
    debug.debugFile.flush()
    debug.debugFile.reconfigure(line_buffering=True)


# The one reach into Orca's own code, for this reason: Orca's command refuses
# to start while another Orca of the same user runs anywhere on the machine
# (its otherOrcas() asks `pgrep -u UID -x orca`), so a test run beside the
# user's own screen reader, or beside another session's test, would be
# refused. The test's Orca looks for others only in its own session (it is
# started in a session of its own), and never stops the user's.
def otras_orcas_de_esta_sesion():
    encontradas = subprocess.run(["pgrep", "-s", str(os.getsid(0)), "-u", str(os.getuid()), "-x", "orca"],
                                 stdout=subprocess.PIPE, text=True, check=False).stdout
    return [int(pid) for pid in encontradas.split() if int(pid) != os.getpid()]


import __main__  # noqa: E402  /usr/bin/orca, run as a program

if hasattr(__main__, "otherOrcas"):
    __main__.otherOrcas = otras_orcas_de_esta_sesion
