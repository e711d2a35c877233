#include "tables/date_time_text.h"

#include "tables/controller_date.h"
#include "text/text_format.h"

namespace zor06::tables {

std::string DateText(const bytes::ControllerDateTime& dt) {
    return text::Printf("%02d.%02d.%02d", dt[kDayByte], dt[kMonthByte], dt[kYearByte]);
}

std::string TimeText(const bytes::ControllerDateTime& dt) {
    return text::Printf("%02d:%02d:%02d", dt[kHourByte], dt[kMinuteByte], dt[kSecondByte]);
}

std::string DateTimeText(const bytes::ControllerDateTime& dt) {
    return DateText(dt) + ' ' + TimeText(dt);
}

}  // namespace zor06::tables
