// The "Programme" page's state: a working copy of the programs with button
// functions of their own, the program selected in its list, and what Apply
// hands on. Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/program_settings.h"

namespace sheet {

class ProgramPage {
 public:
  enum class Added {
    New,      // in the list now, selected
    Known,    // the list has it already (in any case of letters): that entry is selected
    Refused,  // no valid file name: nothing changed
  };

  // Opens over the stored list, in its order: nothing changed, the first
  // program selected (none in an empty list).
  void Open(const settings::ProgramList& stored);

  const settings::ProgramList& Programs() const { return m_programs; }
  // Index of the selected program in Programs(), -1 for none.
  int Selected() const { return m_selected; }
  // Any other index selects none.
  void Select(int index);

  // Adds the program a full path or file name names, with `start` (the main
  // table's functions) as its own, at its place in the list's case-insensitive
  // order.
  Added Add(const std::string& pathOrName, const settings::ButtonTable& start);
  // Removes the selected program; the next one (else the one before) is
  // selected then. False when none is selected.
  bool Remove();
  // Gives the selected program's slot a function of the catalogue. False,
  // changing nothing, when none is selected or the slot or code is outside.
  bool SetFunction(int slot, std::int32_t code);

  // The list differs from what the page opened with (or last applied).
  bool Changed() const;
  // True when the list is to be handed to the model now (only when it
  // changed); it is then what the page counts as opened with.
  bool Apply();

 private:
  settings::ProgramList m_opened;
  settings::ProgramList m_programs;
  int m_selected = -1;
};

// The add menu's programs of the open windows: the file names of the
// windows' program files, each once (compared without regard to case, the
// first spelling kept), in case-insensitive order; names that are no valid
// file name are left out.
std::vector<std::string> OpenProgramChoices(const std::vector<std::string>& imagePaths);

// A menu item's text that shows the name as it is ("&" doubled).
std::string MenuItemText(const std::string& name);

}  // namespace sheet
