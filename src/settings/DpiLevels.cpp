#include "settings/DpiLevels.h"

#include "image/FieldConversions.h"
#include "image/FieldTables.h"

namespace veltrax {
namespace {

constexpr int kDpiIndexes = static_cast<int>(kDpiValueTable.size());

bool ValidLevel(int level) { return level >= 1 && level <= kDpiLevels; }

// The code texts follow ProfileSection wherever it holds an AIM key.
void RefreshAimKeyCodeTexts(EngineerControls& c, const DataBuf& dataBuf) {
  for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
    for (int n = 1; n <= kButtonsPerProfile; ++n) {
      const auto code = dataBuf.ButtonCode(profile, n);
      if (code[0] == kAimKeyType) c.codeTexts[static_cast<int>(profile) * kButtonsPerProfile + n - 1] = CodeText(code);
    }
  }
}

}  // namespace

bool ChooseLevelCount(EngineerControls& c, int count) {
  if (count < kMinLevels || count > kMaxLevels) return false;
  c.cb_CPIStep.Select(count - kMinLevels);
  PageViews noViews;
  cb_CPIStepChange(c, noViews);
  return true;
}

bool ClickLevelLabel(EngineerControls& c, int level) {
  if (level == c.LevelCount + 1 && level <= kMaxLevels) return ChooseLevelCount(c, level);
  if (level == c.LevelCount && level > kMinLevels) return ChooseLevelCount(c, level - 1);
  return false;
}

bool LevelEnabled(const EngineerControls& c, int level) { return ValidLevel(level) && level <= c.LevelCount; }

int CurrentLevel(const EngineerControls& c) {
  return c.cb_CurrentCPI.itemIndex >= 0 ? c.cb_CurrentCPI.itemIndex + 1 : 0;
}

bool ChooseCurrentLevel(EngineerControls& c, int level) {
  if (!LevelEnabled(c, level)) return false;
  c.cb_CurrentCPI.Select(level - 1);
  return true;
}

int LevelValueIndex(const EngineerControls& c, int level) {
  return ValidLevel(level) ? c.cb_CPI[level - 1].itemIndex : -1;
}

bool ChooseLevelValue(EngineerControls& c, int level, int index) {
  if (!LevelEnabled(c, level) || index < 0 || index >= kDpiIndexes) return false;
  c.cb_CPI[level - 1].Select(index);
  return true;
}

std::string DpiTextId(int index) { return "Str" + std::to_string(300 + index); }

AimChoice ChooseAimDpi(EngineerControls& c, DataBuf& dataBuf, int index) {
  if (index < 0 || index >= kDpiIndexes) return AimChoice::NoSuchDpi;
  if (!HasAimKeyButton(dataBuf)) {
    c.cb_AIMKeyValue.Select(0);
    c.AimDpiIndex = 0;
    return AimChoice::NoAimKey;
  }
  c.cb_AIMKeyValue.Select(index);
  c.AimDpiIndex = index;
  AIMKeyToDataBuf(c, dataBuf);
  RefreshAimKeyCodeTexts(c, dataBuf);
  return AimChoice::Stored;
}

}  // namespace veltrax
