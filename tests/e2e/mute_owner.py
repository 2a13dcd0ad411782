# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a name on the session bus and then never reads another message, as a service that hangs
# does: every call to the name waits for the caller's own deadline.
# Usage: mute_owner.py NAME. Prints "owned" once the name is held.
import sys
import time

import dbus

bus = dbus.SessionBus()
if bus.request_name(sys.argv[1], dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
    sys.exit("the name is held already")
print("owned", flush=True)
while True:
    time.sleep(3600)
