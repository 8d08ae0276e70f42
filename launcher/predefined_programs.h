// The launcher's nine predefined programs, slots 1..9 in order, one row each:
//   X(stored name, icon resource, program file, stand-in kind, stand-in target)
// The launcher's table (shortcut_table.cpp) is made from these rows, and the
// build writes the installer's default table from their names
// (installer/facts.cmake reads them: keep one row per line).
//
// The pairing of names and programs is the one users' stored settings were
// made with, slots 6 and 7 included, so it must not be "corrected". The listed
// program is always tried first; the stand-ins only serve where it is gone
// from the system (the old mixer, mail and browser programs). "MyDocument"
// has no program of its own: the listed USERINIT.exe exists on every Windows
// and re-runs the logon there, so the slot opens the Documents folder it
// always meant.
#pragma once

#include "res/resource.h"

#define ZYFO_PREDEFINED_PROGRAMS(X)                                            \
  X("Volume Control", IDI_VOLUME, "sndvol32.exe", Program, "sndvol.exe")       \
  X("Command Prompt", IDI_CONSOLE, "cmd.exe", None, "")                        \
  X("Control Panel", IDI_CONTROL_PANEL, "control.exe", None, "")               \
  X("Magnifier", IDI_MAGNIFIER, "magnify.exe", None, "")                       \
  X("Outlook Express", IDI_MAIL, "msimn.exe", DefaultHandler, "mailto")        \
  X("MyDocument", IDI_DOCUMENTS, "", DocumentsFolder, "")                      \
  X("Internet Explorer", IDI_BROWSER, "wupdmgr.exe", DefaultHandler, "http")   \
  X("Notepad", IDI_NOTEPAD, "notepad.exe", None, "")                           \
  X("Calculator", IDI_CALCULATOR, "calc.exe", None, "")
