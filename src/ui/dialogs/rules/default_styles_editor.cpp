#include "ui/dialogs/rules/default_styles_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/messages.h"
#include "platform/settings_store.h"
#include "ui/dialogs/rules/number_fields.h"

namespace veldor {

DefaultStylesEditor::DefaultStylesEditor(CAppSettings& settings, SettingsStore& store)
    : settings_(settings), store_(store), styles_(settings.styles) {}

StyleFields DefaultStylesEditor::FieldsOf(int typeCode) const {
  const TypeStyleDefaults& style = styles_[static_cast<size_t>(std::clamp(typeCode, 0, 5))];
  return {FormatDecimal(style.leftMargin),
          FormatDecimal(style.rightMargin),
          FormatDecimal(style.spaceBefore),
          FormatDecimal(style.spaceAfter),
          FormatDecimal(style.firstIndent),
          style.faceName,
          style.pointSize,
          style.colour};
}

bool DefaultStylesEditor::Keep(const StyleFields& shown) {
  const std::string* texts[] = {&shown.leftMargin, &shown.rightMargin, &shown.spaceBefore,
                                &shown.spaceAfter, &shown.firstIndent};
  float values[5] = {};
  for (int i = 0; i < 5; ++i) {
    const NumberCheck check = CheckDecimal(*texts[i], 0.0, kMaxDefaultLength);
    if (!check.value) {
      Messages().Message(check.message, kRangeCaption, MessageIcon::Error);
      return false;
    }
    values[i] = static_cast<float>(*check.value);
  }
  TypeStyleDefaults& style = styles_[static_cast<size_t>(shownType_)];
  style.leftMargin = values[0];
  style.rightMargin = values[1];
  style.spaceBefore = values[2];
  style.spaceAfter = values[3];
  style.firstIndent = values[4];
  style.faceName = shown.faceName;
  style.pointSize = shown.pointSize;
  style.colour = shown.colour;
  return true;
}

bool DefaultStylesEditor::SelectType(int typeCode, const StyleFields& shown) {
  if (typeCode < 0 || typeCode > 5 || !Keep(shown)) return false;
  shownType_ = typeCode;
  return true;
}

bool DefaultStylesEditor::Confirm(const StyleFields& shown) {
  if (!Keep(shown)) return false;
  settings_.styles = styles_;
  if (!settings_.SaveSettings(store_)) {
    Messages().Message("Les réglages n'ont pas pu être écrits dans " + store_.path(),
                       "Marges par défaut", MessageIcon::Error);
  }
  return true;
}

void DefaultStylesEditor::Cancel() {
  settings_.ReloadSettings(store_);
  styles_ = settings_.styles;
}

std::vector<std::string> FontSizeChoices(bool scalable, const std::vector<double>& ownSizes) {
  if (scalable) {
    return {"8",  "9",  "10", "11", "12", "14", "16", "18",
            "20", "22", "24", "26", "28", "36", "48", "72"};
  }
  std::vector<double> halves;
  for (double size : ownSizes) {
    if (size > 0) halves.push_back(std::round(size * 2.0) / 2.0);
  }
  std::sort(halves.begin(), halves.end());
  halves.erase(std::unique(halves.begin(), halves.end()), halves.end());
  std::vector<std::string> choices;
  for (double size : halves) {
    char text[32];
    if (size == std::floor(size)) {
      std::snprintf(text, sizeof text, "%d", static_cast<int>(size));
    } else {
      std::snprintf(text, sizeof text, "%.1f", size);
    }
    choices.push_back(text);
  }
  return choices;
}

}  // namespace veldor
