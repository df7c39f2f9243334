#include "engine/display_focus.h"

#include "engine/number_format.h"

namespace varuno {

void OnDisplaySetFocus(CalcView& view) {
  view.SetDisplayText(StripCommas(view.DisplayText()));
}

void OnDisplayKillFocus(CalcView& view) {
  view.SetDisplayText(FormatNumber(ParseLeadingNumber(StripCommas(view.DisplayText()))));
}

}  // namespace varuno
