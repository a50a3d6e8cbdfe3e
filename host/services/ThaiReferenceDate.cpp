// File: ThaiReferenceDate.cpp
// Moving date texts between the Gregorian and the Buddhist-era calendar of
// the Thai setting, in the host's current locale.
#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/EraText.h"
#include "services/VOKImmDate.h"

void VOKImmDate::GetThaiReferenceDate(VOKUnicodeString& text, VOKTime, VOKUnicodeString& shown,
                                      VOKUnicodeString& year) {
  const std::shared_ptr<const vok::HostLocale> snapshot = vok::LocaleSnapshot();
  const vok::HostLocale& locale = *snapshot;
  // Outside the Thai setting Buddhist-era years are still read, and shown
  // as Gregorian ones.
  const vok::CalendarSystem calendar =
      locale.thai ? locale.calendar : vok::CalendarSystem::Thai(false);
  const vok::services::EraForms forms =
      vok::services::RewriteYear(text.ToUtf8(), locale.dateLayout.shape, calendar);
  const int today = VOKTime::GetCurrentLocalTime().GetYear(0);
  year = VOKUnicodeString(std::to_string(calendar.ShownYear(today)));
  text = VOKUnicodeString(std::string_view(forms.gregorian));
  shown = VOKUnicodeString(std::string_view(forms.shown));
}
