#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the drop-down lists of a running program through AT-SPI, as a screen reader does: for each
# combo box of its showing windows, its name, its place on the screen and the names of the objects it
# is labelled by. Prints them as one JSON array.
#   atspi_lists.py PID
import json
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def application_of(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_process_id() == pid:
            return application
    return None


def combo_boxes(accessible, found):
    if accessible.get_role() == Atspi.Role.COMBO_BOX:
        found.append(accessible)
        return  # its own children are the pop-up list
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None and child.get_state_set().contains(Atspi.StateType.SHOWING):
            combo_boxes(child, found)


def labels_of(accessible):
    names = []
    for relation in accessible.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            names += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    return names


def main():
    pid = int(sys.argv[1])
    application = None
    # The program registers with the accessibility bus once its event loop turns.
    for _ in range(200):
        application = application_of(pid)
        if application is not None:
            break
        time.sleep(0.05)
    if application is None:
        print(f"atspi_lists: no application of process {pid} on the accessibility bus", file=sys.stderr)
        return 1
    lists = []
    combo_boxes(application, lists)
    described = []
    for combo in lists:
        extents = combo.get_extents(Atspi.CoordType.SCREEN)
        described.append({"name": combo.get_name(), "x": extents.x, "y": extents.y,
                          "width": extents.width, "height": extents.height, "labelledBy": labels_of(combo)})
    print(json.dumps(described, ensure_ascii=False))
    return 0


sys.exit(main())
