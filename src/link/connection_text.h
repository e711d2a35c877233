// The one-line description of the current connection that stands in the Connection panel of the
// main window's status bar. Where a text names a COM port, the serial device path stands instead.
#pragma once

#include <string>
#include <string_view>

#include "link/link_kind.h"
#include "link/link_parameters.h"
#include "link/tcp_connect.h"

namespace zor06::link {

// The serial device of a record: its portName, or the device of COMn when that is empty.
std::string RecordDevice(const LinkParameters& record);
// Stores a chosen device as the record's port; /dev/ttyS(n-1) also sets COM port n, so that the
// settings stay readable by the number alone.
void SetRecordDevice(LinkParameters& record, const std::string& device);

// The telephone subscriber as the description shows it.
struct PhoneTarget {
    std::string phone;
    int address = 1;
};

// `line` is the record of `kind` (direct or telephone; unused for Ethernet). The telephone and
// Ethernet kinds without a current subscriber (null) give an empty text.
std::string DescribeConnection(LinkKind kind, const LinkParameters& line, const PhoneTarget* phone,
                               const EthernetSubscriber* ethernet);

}  // namespace zor06::link
