"""Starts Orca as /usr/bin/orca does, for one test's desktop only.

    orca_launch.py PREFS_DIR DEBUG_FILE

/usr/bin/orca refuses to start while any other Orca of the same user runs
(it looks for processes named "orca"), and with --replace kills them: tests
that run side by side, each with its own desktop, could do neither. This
starts the same Orca without that check and without taking the name, and
writes its debug log line by line.
"""

import sys

from orca import debug


def main():
    prefs, debug_file = sys.argv[1], sys.argv[2]
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    # Line by line, so that the test reads each utterance as it is logged.
    debug.debugFile = open(debug_file, "w", buffering=1)

    from orca import orca

    manager = orca.getSettingsManager()
    manager.activate(prefs, {})
    sys.path.insert(0, manager.getPrefsDir())
    return orca.main()


if __name__ == "__main__":
    sys.exit(main())
