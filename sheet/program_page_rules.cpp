#include "sheet/program_page_rules.h"

#include <algorithm>
#include <iterator>

#include "actions/catalogue.h"

namespace sheet {
namespace {

bool SameEntries(const settings::ProgramList& a, const settings::ProgramList& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.name == y.name && x.buttons == y.buttons;
  });
}

int IndexOf(const settings::ProgramList& list, const std::string& name) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (settings::SameProgram(list[i].name, name)) return static_cast<int>(i);
  return -1;
}

}  // namespace

void ProgramPage::Open(const settings::ProgramList& stored) {
  m_opened = stored;
  m_programs = stored;
  m_selected = m_programs.empty() ? -1 : 0;
}

void ProgramPage::Select(int index) {
  m_selected = index >= 0 && index < static_cast<int>(m_programs.size()) ? index : -1;
}

ProgramPage::Added ProgramPage::Add(const std::string& pathOrName, const settings::ButtonTable& start) {
  const std::string name = settings::FileNameOfPath(pathOrName);
  if (!settings::IsValidProgramName(name)) return Added::Refused;
  const int known = IndexOf(m_programs, name);
  if (known >= 0) {
    m_selected = known;
    return Added::Known;
  }
  const auto place = std::find_if(m_programs.begin(), m_programs.end(), [&](const settings::ProgramSetting& p) {
    return settings::ProgramNameLess(name, p.name);
  });
  m_selected = static_cast<int>(std::distance(m_programs.begin(), place));
  m_programs.insert(place, settings::ProgramSetting{name, start});
  return Added::New;
}

bool ProgramPage::Remove() {
  if (m_selected < 0) return false;
  m_programs.erase(m_programs.begin() + m_selected);
  if (m_selected >= static_cast<int>(m_programs.size())) m_selected = static_cast<int>(m_programs.size()) - 1;
  return true;
}

bool ProgramPage::SetFunction(int slot, std::int32_t code) {
  if (m_selected < 0 || slot < 0 || slot >= actions::kButtonSlotCount || !actions::IsValidCode(code)) return false;
  m_programs[static_cast<std::size_t>(m_selected)].buttons[static_cast<std::size_t>(slot)] = code;
  return true;
}

bool ProgramPage::Changed() const { return !SameEntries(m_programs, m_opened); }

bool ProgramPage::Apply() {
  if (!Changed()) return false;
  m_opened = m_programs;
  return true;
}

std::vector<std::string> OpenProgramChoices(const std::vector<std::string>& imagePaths) {
  std::vector<std::string> names;
  for (const std::string& path : imagePaths) {
    const std::string name = settings::FileNameOfPath(path);
    if (!settings::IsValidProgramName(name)) continue;
    if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return settings::SameProgram(n, name); }))
      names.push_back(name);
  }
  std::stable_sort(names.begin(), names.end(), settings::ProgramNameLess);
  return names;
}

std::string MenuItemText(const std::string& name) {
  std::string text;
  for (char c : name) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace sheet
